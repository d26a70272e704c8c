#pragma once

#include <QImage>
#include <QWidget>

namespace plevo {

// The skin picture, stretched to its size pixel for pixel (no smoothing, so every
// skin pixel stays a sharp block at 2x and 4x). It reports every pointer move and
// a left click (press and release on the picture).
class SkinPicture : public QWidget
{
    Q_OBJECT
public:
    explicit SkinPicture(const QImage& picture, QWidget* parent = nullptr);

signals:
    void pointerMoved(QPointF position);
    void clicked();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    QImage m_picture;
    bool m_pressed = false;
};

} // namespace plevo
