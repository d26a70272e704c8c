#include "common/ui/screenpixmap.h"

#include <QGuiApplication>

#include <cmath>

namespace kit {

QPixmap screenPixmap(QSize size)
{
    const qreal ratio = QGuiApplication::instance() ? qApp->devicePixelRatio() : 1.0;
    QPixmap pixmap(static_cast<int>(std::ceil(size.width() * ratio)), static_cast<int>(std::ceil(size.height() * ratio)));
    pixmap.setDevicePixelRatio(ratio);
    pixmap.fill(Qt::transparent);
    return pixmap;
}

} // namespace kit
