#include "workbench/core/skinfindings.h"

#include "common/core/regionmask.h"
#include "skin_checker/core/inifile.h"
#include "skin_checker/core/regionshape.h"

#include <QStringList>

#include <algorithm>

namespace tessel {

std::vector<QPoint> findingPolygon(std::string_view regionText, std::string_view section, int polygon)
{
    const std::vector<skincheck::IniSection> sections = skincheck::readIniFile(regionText);
    const skincheck::IniSection* found = skincheck::findSection(sections, section);
    const skincheck::IniEntry* counts = found ? skincheck::findEntry(*found, "NumPoints") : nullptr;
    const skincheck::IniEntry* points = found ? skincheck::findEntry(*found, "PointList") : nullptr;
    if (counts == nullptr || points == nullptr || polygon < 0)
        return {};
    const std::vector<std::int64_t> count = skincheck::readNumberList(counts->value).numbers;
    const std::vector<std::int64_t> list = skincheck::readNumberList(points->value).numbers;
    if (static_cast<size_t>(polygon) >= count.size())
        return {};
    std::int64_t first = 0;
    for (int i = 0; i < polygon; ++i)
        first += std::max<std::int64_t>(count[size_t(i)], 0);
    std::vector<QPoint> corners;
    for (std::int64_t i = 0; i < count[size_t(polygon)] && 2 * (first + i) + 1 < std::int64_t(list.size()); ++i) {
        const auto at = size_t(2 * (first + i));
        corners.push_back(kit::clampedPoint(double(list[at]), double(list[at + 1])));
    }
    return corners;
}

QString findingsSummary(const skincheck::SkinReport& report)
{
    if (!report.readable)
        return QStringLiteral("The skin could not be read.");
    int counts[3] = {};
    for (const skincheck::Finding& finding : report.findings)
        ++counts[static_cast<int>(finding.level)];
    QStringList parts;
    const auto add = [&parts](int count, const char* one, const char* many) {
        if (count > 0)
            parts << QStringLiteral("%1 %2").arg(count).arg(QLatin1String(count == 1 ? one : many));
    };
    add(counts[int(skincheck::Level::Error)], "error", "errors");
    add(counts[int(skincheck::Level::Warning)], "warning", "warnings");
    add(counts[int(skincheck::Level::Note)], "note", "notes");
    if (parts.isEmpty())
        return QStringLiteral("No findings.");
    const QString last = parts.takeLast();
    return (parts.isEmpty() ? last : parts.join(QStringLiteral(", ")) + QStringLiteral(" and ") + last) + QLatin1Char('.');
}

} // namespace tessel
