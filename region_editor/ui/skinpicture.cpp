#include "region_editor/ui/skinpicture.h"

#include <QMouseEvent>
#include <QPainter>

namespace plevo {

SkinPicture::SkinPicture(const QImage& picture, QWidget* parent)
    : QWidget(parent)
    , m_picture(picture)
{
    setMouseTracking(true);
    setCursor(Qt::CrossCursor);
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void SkinPicture::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::SmoothPixmapTransform, false);
    painter.drawImage(rect(), m_picture);
}

void SkinPicture::mouseMoveEvent(QMouseEvent* event)
{
    emit pointerMoved(event->position());
}

void SkinPicture::mousePressEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton)
        m_pressed = true;
}

void SkinPicture::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton || !m_pressed)
        return;
    m_pressed = false;
    if (rect().contains(event->position().toPoint()))
        emit clicked();
}

} // namespace plevo
