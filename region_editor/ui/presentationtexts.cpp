#include "region_editor/ui/presentationtexts.h"

#include <QStringList>

namespace plevo {

namespace {

QFont boldableArial(bool bold)
{
    QFont font;
    font.setFamilies({QStringLiteral("Arial"), QStringLiteral("Liberation Sans"), QStringLiteral("DejaVu Sans")});
    font.setBold(bold);
    return font;
}

} // namespace

QFont arialFont(qreal pointSize, bool bold)
{
    QFont font = boldableArial(bold);
    font.setPointSizeF(pointSize);
    return font;
}

QFont statusFont()
{
    QFont font = boldableArial(true);
    font.setPixelSize(11);
    return font;
}

} // namespace plevo
