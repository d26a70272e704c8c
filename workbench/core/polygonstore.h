#pragma once

#include <QPoint>

#include <string>
#include <string_view>

namespace tessel {

// The polygons an author draws in the workbench, kept as the texts the region
// file is made of. A recorded point goes to the polygon being drawn; finishing
// it moves its points to `regionPoints` and its point count to `regionCounts`.
//
// Every text only ever grows at its end, so recording a point costs the same
// however many points came before it.
class PolygonStore
{
public:
    // The points of the polygon being drawn, each as " x, y," (numberText form).
    const std::string& currentPoints() const { return m_currentPoints; }
    int pointCount() const { return m_pointCount; }
    // True while no point of a new polygon has been recorded.
    bool newPolygon() const { return m_newPolygon; }
    // The points of all finished polygons in drawing order, and their counts,
    // each followed by a comma ("12,7," for two polygons of 12 and 7 points).
    const std::string& regionPoints() const { return m_regionPoints; }
    const std::string& regionCounts() const { return m_regionCounts; }
    // Where the left button was last released in a drawing area.
    QPoint anchor() const { return m_anchor; }
    // What "Draw Region" draws: counts with their list of points, from the
    // polygons finished here or from the region file read last.
    const std::string& countsText() const { return m_countsText; }
    std::string_view pointList() const { return m_listFromFile ? std::string_view(m_fileList) : m_regionPoints; }

    // Adds (x, y) to the polygon being drawn; true when it is the polygon's first point.
    bool recordPoint(int x, int y);
    void setAnchor(QPoint at) { m_anchor = at; }
    // Ends the polygon being drawn: its points and its count join the finished
    // ones and the next point starts a new polygon. Without a point of its own
    // there is no polygon to finish, and nothing changes.
    void FinishPolygon();
    // Forgets every polygon, finished or not. The counts text and a list read
    // from a file stay for "Draw Region".
    void clear();
    // The start of a save: finishes the polygon being drawn and removes the
    // blanks from `regionPoints`. Returns `regionPoints` as it was before.
    std::string prepareSave();
    // The counts and the point list of a region file read, for "Draw Region".
    void setRead(std::string_view counts, std::string_view list);

    // Whether a point has been recorded since the polygons were last saved or
    // cleared; reading a region file keeps the points drawn, so it changes
    // nothing here.
    bool unsaved() const { return m_unsaved; }
    void markSaved() { m_unsaved = false; }

private:
    std::string m_currentPoints;
    int m_pointCount = 0;
    bool m_newPolygon = true;
    std::string m_regionPoints;
    std::string m_regionCounts;
    QPoint m_anchor;
    std::string m_countsText;
    std::string m_fileList;
    bool m_listFromFile = false;
    bool m_unsaved = false;
};

} // namespace tessel
