#pragma once

#include <QImage>
#include <QWidget>

namespace tessel {

// A picture shown pixel for pixel from its top left, like the workbench's
// picture boxes: it reports presses, moves and releases of the mouse in its own
// pixel coordinates. A null picture shows nothing, so the parent shows through.
class PictureBox : public QWidget
{
    Q_OBJECT
public:
    explicit PictureBox(QWidget* parent = nullptr);

    const QImage& picture() const { return m_picture; }
    void setPicture(const QImage& picture);
    // The shown picture itself, to draw into in place; update() shows the change.
    QImage& surface() { return m_picture; }
    // Fills the whole box with one colour (the swatches); repaints only on a change.
    void fill(QRgb colour);

signals:
    void mouseDown(Qt::MouseButton button, QPoint at);
    void mouseMove(Qt::MouseButtons buttons, QPoint at);
    void mouseUp(Qt::MouseButton button, QPoint at);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    QImage m_picture;
};

} // namespace tessel
