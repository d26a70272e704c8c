#include "common/ui/standardkeys.h"

namespace kit {

QList<QKeySequence> withStandardKeys(const QKeySequence& own, QKeySequence::StandardKey standard)
{
    QList<QKeySequence> keys {own};
    for (const QKeySequence& key : QKeySequence::keyBindings(standard))
        if (!keys.contains(key))
            keys << key;
    return keys;
}

} // namespace kit
