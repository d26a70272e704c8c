#include "common/ui/picturebox.h"

#include <QMouseEvent>
#include <QPainter>

namespace kit {

PictureBox::PictureBox(QWidget* parent)
    : QWidget(parent)
{
}

void PictureBox::setPicture(const QImage& picture)
{
    m_picture = picture;
    update();
}

void PictureBox::fill(QRgb colour)
{
    if (!m_picture.isNull() && m_picture.size() == size() && m_picture.pixel(0, 0) == colour)
        return;
    QImage filled(size(), QImage::Format_RGB32);
    filled.fill(colour);
    setPicture(filled);
}

void PictureBox::paintEvent(QPaintEvent*)
{
    if (m_picture.isNull())
        return;
    QPainter painter(this);
    // Scaled up for the screen, skin pixels must stay sharp squares.
    painter.setRenderHint(QPainter::SmoothPixmapTransform, false);
    painter.drawImage(QPoint(0, 0), m_picture);
}

void PictureBox::mousePressEvent(QMouseEvent* event)
{
    event->accept();
    m_pressed = event->button();
    emit mouseDown(event->button(), event->position().toPoint());
}

void PictureBox::mouseMoveEvent(QMouseEvent* event)
{
    emit mouseMove(event->buttons(), event->position().toPoint());
}

void PictureBox::mouseReleaseEvent(QMouseEvent* event)
{
    event->accept();
    const QPoint at = event->position().toPoint();
    const bool click = event->button() == m_pressed && rect().contains(at);
    m_pressed = Qt::NoButton;
    emit mouseUp(event->button(), at);
    if (click)
        emit clicked(event->button());
}

} // namespace kit
