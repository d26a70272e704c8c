#pragma once

#include <QKeySequence>
#include <QList>

namespace kit {

// The keys of a command: `own` first, so that the menu shows it beside the
// caption, then the desktop's own keys for `standard` where they differ.
QList<QKeySequence> withStandardKeys(const QKeySequence& own, QKeySequence::StandardKey standard);

} // namespace kit
