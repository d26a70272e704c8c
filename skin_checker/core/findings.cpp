#include "skin_checker/core/findings.h"

#include <algorithm>

namespace skincheck {

std::string_view levelName(Level level)
{
    switch (level) {
    case Level::Note: return "note";
    case Level::Warning: return "warning";
    case Level::Error: return "error";
    }
    return "error";
}

std::optional<Level> SkinReport::worst() const
{
    std::optional<Level> worst;
    for (const Finding& finding : findings)
        if (!worst || finding.level > *worst)
            worst = finding.level;
    return worst;
}

int exitStatus(const std::vector<SkinReport>& reports)
{
    int status = 0;
    for (const SkinReport& report : reports) {
        if (!report.readable)
            return 3;
        if (const auto worst = report.worst(); worst && *worst != Level::Note)
            status = std::max(status, *worst == Level::Error ? 2 : 1);
    }
    return status;
}

} // namespace skincheck
