#include "picturebox.h"

#include <QMouseEvent>
#include <QPainter>

namespace tessel {

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
    painter.drawImage(QPoint(0, 0), m_picture);
}

void PictureBox::mousePressEvent(QMouseEvent* event)
{
    emit mouseDown(event->button(), event->position().toPoint());
}

void PictureBox::mouseMoveEvent(QMouseEvent* event)
{
    emit mouseMove(event->buttons(), event->position().toPoint());
}

void PictureBox::mouseReleaseEvent(QMouseEvent* event)
{
    emit mouseUp(event->button(), event->position().toPoint());
}

} // namespace tessel
