#pragma once

#include <QImage>
#include <QWidget>

#include <functional>

class QPainter;

namespace kit {

// A picture box of the kit's programs: a picture shown from the box's top left,
// each picture pixel as a square of `magnification` box pixels, clipped to the
// box; the rest of the box, and all of it without a picture, shows its parent.
// On a high-density screen each picture pixel covers whole screen pixels, never
// blurred, and so does what an overlay draws over it.
//
// It reports the mouse in its own pixel coordinates: the box pixel that the
// pointer lies in, cut down, never rounded, so that on a screen of 2 or 1.5
// device pixels to a box pixel every device pixel of a box pixel reports that
// box pixel, the last row and column included (see PointerRouter in the
// source). A click (press and release of one button inside the box) is also
// reported on its own. A press stops here: it never reaches what lies beneath.
class PictureBox : public QWidget
{
    Q_OBJECT
public:
    // Paints over the shown picture, in box pixels, after the picture.
    using Overlay = std::function<void(QPainter& painter, int magnification)>;

    explicit PictureBox(QWidget* parent = nullptr);

    const QImage& picture() const { return m_picture; }
    void setPicture(const QImage& picture);
    // The shown picture itself, to draw into in place; update() shows the change.
    QImage& surface() { return m_picture; }
    // Fills the whole box with one colour; repaints only on a change.
    void fill(QRgb colour);

    int magnification() const { return m_magnification; }
    void setMagnification(int magnification);
    void setOverlay(Overlay overlay);
    // A file dropped on the box is offered through fileDropped.
    void setAcceptsFileDrops(bool accepts);

    // The box pixel that a pointer position in box coordinates lies in.
    static QPoint pixelAt(QPointF position);

signals:
    void mouseDown(Qt::MouseButton button, QPoint at);
    void mouseMove(Qt::MouseButtons buttons, QPoint at);
    void mouseUp(Qt::MouseButton button, QPoint at);
    void clicked(Qt::MouseButton button);
    void fileDropped(const QString& path);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    QImage m_picture;
    int m_magnification = 1;
    Overlay m_overlay;
    Qt::MouseButton m_pressed = Qt::NoButton;
};

} // namespace kit
