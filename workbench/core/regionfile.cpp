#include "workbench/core/regionfile.h"

#include "common/core/fileio.h"
#include "common/core/regionmask.h"
#include "workbench/core/colourfile.h"
#include "workbench/core/pixels.h"

#include <algorithm>
#include <cmath>

namespace tessel {
namespace {

constexpr std::string_view kCountsKey = "NumPoints=";
constexpr size_t kListKeyLength = std::string_view("PointList=").size();

char lower(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; }

size_t findIgnoringCase(std::string_view text, std::string_view key)
{
    const auto found = std::search(text.begin(), text.end(), key.begin(), key.end(),
                                   [](char a, char b) { return lower(a) == lower(b); });
    return found == text.end() ? std::string_view::npos : static_cast<size_t>(found - text.begin());
}

std::string_view withoutLineEnd(std::string_view text)
{
    while (!text.empty() && (text.back() == '\r' || text.back() == '\n'))
        text.remove_suffix(1);
    return text;
}

// The numbers of a point list, one field between commas at a time.
class ListNumbers
{
public:
    explicit ListNumbers(std::string_view list) : m_rest(list) {}

    bool next(double& value)
    {
        const size_t comma = m_rest.find(',');
        if (comma == std::string_view::npos) {
            const bool holdsNumber = m_rest.find_first_not_of(" \t\r\n") != std::string_view::npos;
            value = holdsNumber ? leadingNumber(m_rest) : 0;
            m_rest = {};
            return holdsNumber;
        }
        value = leadingNumber(m_rest.substr(0, comma));
        m_rest.remove_prefix(comma + 1);
        return true;
    }

private:
    std::string_view m_rest;
};

} // namespace

bool hasRegionFileName(const std::filesystem::path& path)
{
    const std::string name = path.filename().string();
    constexpr std::string_view kName = "region.txt";
    return name.size() == kName.size() && findIgnoringCase(name, kName) == 0;
}

bool holdsRegion(std::string_view text) { return findIgnoringCase(text, kCountsKey) != std::string_view::npos; }

std::string regionFileText(std::string_view counts, std::string_view points)
{
    std::string text = ";Made With Tessel 2.x, the colour and region workbench of the skin kit\r\n[Normal]\r\nNumPoints=";
    text.reserve(text.size() + counts.size() + points.size() + 16);
    text += counts;
    text += "\r\nPointlist=";
    text += points;
    return text;
}

std::string WriteRegionFile(const std::filesystem::path& path, std::string_view counts, std::string_view points)
{
    return kit::replaceFile(path, regionFileText(counts, points));
}

RegionText readRegionText(std::string_view text)
{
    const size_t key = findIgnoringCase(text, kCountsKey);
    if (key == std::string_view::npos)
        return {};
    const std::string_view afterKey = text.substr(key + kCountsKey.size());
    const size_t listKey = afterKey.find('P');
    if (listKey == std::string_view::npos)
        return {withoutLineEnd(afterKey), {}};
    // The count line's end: CR LF, two characters; a file with LF line ends has one.
    const bool lineFeedAlone = listKey >= 1 && afterKey[listKey - 1] == '\n' && (listKey < 2 || afterKey[listKey - 2] != '\r');
    const size_t lineEnd = lineFeedAlone ? 1 : 2;
    const std::string_view counts = afterKey.substr(0, listKey >= lineEnd ? listKey - lineEnd : 0);
    const size_t list = std::min(listKey + kListKeyLength, afterKey.size());
    return {counts, afterKey.substr(list)};
}

void forEachRegionPolygon(std::string_view counts, std::string_view list,
                          const std::function<void(const RegionPolygon&)>& visit)
{
    RegionPolygon polygon;
    ListNumbers numbers(list);
    for (size_t comma = counts.find(','); comma != std::string_view::npos; comma = counts.find(',')) {
        polygon.countText = counts.substr(0, comma);
        polygon.corners.clear();
        counts.remove_prefix(comma + 1);
        const double wanted = std::floor(leadingNumber(polygon.countText));
        while (double(polygon.corners.size()) < wanted) {
            double x = 0, y = 0;
            if (!numbers.next(x) || !numbers.next(y)) {
                polygon.complete = false;
                visit(polygon);
                return;
            }
            polygon.corners.push_back(kit::clampedPoint(x, y));
        }
        visit(polygon);
    }
}

std::string_view DrawRegion(QImage& picture, std::string_view counts, std::string_view list, QRgb pen)
{
    std::string_view lastCount;
    forEachRegionPolygon(counts, list, [&](const RegionPolygon& polygon) {
        const std::vector<QPoint>& corners = polygon.corners;
        for (size_t i = 1; i < corners.size(); ++i)
            drawLine(picture, corners[i - 1], corners[i], pen);
        if (polygon.complete && corners.size() > 2)
            drawLine(picture, corners.back(), corners.front(), qRgb(0, 255, 0));
        lastCount = polygon.countText;
    });
    return lastCount;
}

} // namespace tessel
