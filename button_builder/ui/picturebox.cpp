#include "picturebox.h"

#include <QMouseEvent>
#include <QPainter>

namespace knapro {

int mouseButtonNumber(Qt::MouseButton button)
{
    switch (button) {
    case Qt::LeftButton: return 1;
    case Qt::RightButton: return 2;
    case Qt::MiddleButton: return 4;
    default: return 0;
    }
}

PictureBox::PictureBox(QWidget* parent)
    : QWidget(parent)
{
}

void PictureBox::setPicture(const QImage& picture)
{
    m_picture = picture;
    update();
}

void PictureBox::paintEvent(QPaintEvent*)
{
    if (m_picture.isNull())
        return;
    QPainter painter(this);
    painter.drawImage(0, 0, m_picture);
}

void PictureBox::mousePressEvent(QMouseEvent* event)
{
    // Accepted so that a press on an area never reaches the cover beneath it.
    event->accept();
    m_pressed = event->button();
    emit mouseDown(mouseButtonNumber(event->button()));
}

void PictureBox::mouseReleaseEvent(QMouseEvent* event)
{
    event->accept();
    const bool wasPressed = event->button() == m_pressed;
    m_pressed = Qt::NoButton;
    if (wasPressed && rect().contains(event->position().toPoint()))
        emit clicked(mouseButtonNumber(event->button()));
}

} // namespace knapro
