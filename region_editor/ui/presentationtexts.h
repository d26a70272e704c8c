#pragma once

#include "common/core/textconversion.h"
#include "region_editor/core/pointstore.h"

#include <QFont>
#include <QString>

// The words and type that Plevo's presentation windows share.
namespace plevo {

inline const QString kMakerName = QStringLiteral("Plevo Project");
inline const QString kAuthorName = QStringLiteral("the Plevo developers");
inline const QString kWebPage = kit::toQString(kHomePage);
inline const QString kMailAddress = kit::toQString(kContact);
inline const QString kLicence = QStringLiteral("Free software under the MIT licence.");

// Arial where the desktop has it, else a sans serif of the same widths.
QFont arialFont(qreal pointSize, bool bold = false);
// The bold Arial of the main window's status line and the CD player's track display.
QFont statusFont();

} // namespace plevo
