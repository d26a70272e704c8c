#pragma once

#include <QImage>
#include <QWidget>

namespace kit {

// A picture box of Knapro and Tessel: a picture shown pixel for pixel from the
// box's top left and clipped to the box; the rest of the box, and all of it
// without a picture, shows its parent. On a high-density screen each picture
// pixel covers whole screen pixels, never blurred. It reports the mouse in its
// own pixel coordinates, and a click (press and release of one button inside
// the box) on its own. A press stops here: it never reaches what lies beneath.
class PictureBox : public QWidget
{
    Q_OBJECT
public:
    explicit PictureBox(QWidget* parent = nullptr);

    const QImage& picture() const { return m_picture; }
    void setPicture(const QImage& picture);
    // The shown picture itself, to draw into in place; update() shows the change.
    QImage& surface() { return m_picture; }
    // Fills the whole box with one colour; repaints only on a change.
    void fill(QRgb colour);

signals:
    void mouseDown(Qt::MouseButton button, QPoint at);
    void mouseMove(Qt::MouseButtons buttons, QPoint at);
    void mouseUp(Qt::MouseButton button, QPoint at);
    void clicked(Qt::MouseButton button);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    QImage m_picture;
    Qt::MouseButton m_pressed = Qt::NoButton;
};

} // namespace kit
