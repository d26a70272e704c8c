#pragma once

#include <QImage>
#include <QWidget>

namespace knapro {

// Mouse buttons as the builder numbers them: 1 left, 2 right, 4 middle.
int mouseButtonNumber(Qt::MouseButton button);

// A box that shows a picture 1:1 from its top-left corner, clipped to the box; the
// rest of the box, and the whole box without a picture, is transparent. It reports
// every mouse press, and a click (press and release inside the box) separately.
class PictureBox : public QWidget
{
    Q_OBJECT
public:
    explicit PictureBox(QWidget* parent = nullptr);

    void setPicture(const QImage& picture);
    const QImage& picture() const { return m_picture; }

signals:
    void mouseDown(int button);
    void clicked(int button);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    QImage m_picture;
    Qt::MouseButton m_pressed = Qt::NoButton;
};

} // namespace knapro
