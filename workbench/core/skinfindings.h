#pragma once

#include "skin_checker/core/findings.h"

#include <QPoint>
#include <QString>

#include <string_view>
#include <vector>

// What Check Skin shows of the skin checker's findings about the skin open.
namespace tessel {

// The corners of polygon `polygon` (from 0) of the section `section` of a
// region file, as the skin checker and the player read them: the polygon's
// count from NumPoints and its share of PointList, as many whole pairs as
// there are. Empty when the file has no such polygon. Corners are kept within
// +-2^24.
std::vector<QPoint> findingPolygon(std::string_view regionText, std::string_view section, int polygon);

// "1 error, 2 warnings and 3 notes", naming only the levels found; "No
// findings" for none, and for a skin that could not be read, that it could not.
QString findingsSummary(const skincheck::SkinReport& report);

} // namespace tessel
