#include "region_editor/ui/picturebutton.h"

#include "region_editor/core/twips.h"

#include <QPainter>
#include <QStyle>
#include <QStyleOptionFocusRect>

namespace plevo {

PictureButton::PictureButton(const QPixmap& picture, const QString& toolTip, QWidget* parent)
    : QAbstractButton(parent)
    , m_picture(picture)
{
    setFixedSize(kSize, kSize);
    setCursor(Qt::PointingHandCursor);
    setToolTip(toolTip);
    setAccessibleName(toolTip);
    setFocusPolicy(Qt::TabFocus);
}

void PictureButton::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    // Sunken by one pixel while held, so a click is felt without a button frame.
    const QPoint offset = isDown() ? QPoint(1, 1) : QPoint(0, 0);
    painter.drawPixmap(QRect(offset, QSize(kSize, kSize)), m_picture);
    if (hasFocus()) {
        QStyleOptionFocusRect option;
        option.initFrom(this);
        style()->drawPrimitive(QStyle::PE_FrameFocusRect, &option, &painter, this);
    }
}

PictureButton* placeButton(QWidget* parent, const char* name, Icon icon, const char* toolTip, int leftTwips,
                           int topTwips)
{
    auto* button = new PictureButton(iconPixmap(icon), QLatin1String(toolTip), parent);
    button->setObjectName(QLatin1String(name));
    button->move(twipsToPixels(leftTwips), twipsToPixels(topTwips));
    return button;
}

} // namespace plevo
