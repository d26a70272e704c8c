#pragma once

#include "common/core/skinsource.h"
#include "skin_checker/core/findings.h"
#include "workbench/core/skin.h"

#include <QString>
#include <QStringList>

#include <string>
#include <string_view>

// What Tessel reads from skins through the kit's skin source: the ten pictures,
// the skin checker's findings and single files. The archive library under the
// skin source brings compression and cryptography libraries with it, a few
// megabytes that a start which reads no skin has no use for, so these live in
// a module (tessel-skins) that is loaded the first time a skin is read.
namespace tessel {

// Raised whenever SkinReading changes, so that a module of another build is
// refused rather than called wrongly.
inline constexpr int kSkinReadingInterface = 1;

struct SkinReading
{
    int interface;
    SkinLoad (*loadSkin)(const QString& skinPath);
    skincheck::SkinReport (*checkSkin)(const QString& skinPath, const std::string& name);
    // The file called `name` in the skin, found as the player finds it: its
    // bytes, or why there are none.
    kit::SkinRead (*readFile)(const QString& skinPath, std::string_view name);
};

// The reading of the module in the first of `directories` that holds one of
// this build, loaded once and kept; where it is linked into the program itself,
// as in the tests, that one. Null, with `problem` saying why, when there is
// none.
const SkinReading* skinReading(const QStringList& directories, QString* problem = nullptr);

// The folders the program looks in: its own, and the package's module folder.
QStringList skinReadingFolders();

} // namespace tessel

// The module's one entry point.
extern "C" Q_DECL_EXPORT const tessel::SkinReading* tessel_skin_reading();
