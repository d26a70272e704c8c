#include "workbench/core/polygonstore.h"

#include "workbench/core/colourfile.h"

#include <algorithm>

namespace tessel {

bool PolygonStore::recordPoint(int x, int y)
{
    ++m_pointCount;
    m_currentPoints += numberText(x);
    m_currentPoints += ',';
    m_currentPoints += numberText(y);
    m_currentPoints += ',';
    const bool first = m_newPolygon;
    m_newPolygon = false;
    m_unsaved = true;
    return first;
}

void PolygonStore::FinishPolygon()
{
    if (m_newPolygon)
        return;
    m_newPolygon = true;
    m_regionPoints += m_currentPoints;
    m_currentPoints.clear();
    // The polygon's own count: a box on the window may show other text by now.
    m_regionCounts += std::to_string(m_pointCount);
    m_regionCounts += ',';
    m_pointCount = 0;
    m_countsText = m_regionCounts;
    m_listFromFile = false;
}

void PolygonStore::clear()
{
    m_newPolygon = true;
    m_pointCount = 0;
    m_currentPoints.clear();
    m_regionPoints.clear();
    m_regionCounts.clear();
    m_unsaved = false;
}

std::string PolygonStore::prepareSave()
{
    FinishPolygon();
    std::string before = m_regionPoints;
    std::erase(m_regionPoints, ' ');
    return before;
}

void PolygonStore::setRead(std::string_view counts, std::string_view list)
{
    m_countsText = counts;
    m_fileList = list;
    m_listFromFile = true;
}

} // namespace tessel
