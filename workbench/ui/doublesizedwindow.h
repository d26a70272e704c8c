#pragma once

#include "workbench/core/drawingpen.h"

#include <QWidget>

namespace kit {
class PictureBox;
}

namespace tessel {

using kit::PictureBox;
class PolygonStore;

// "DoubleSized": the skin's main window at twice its size, to draw region
// polygons on. Its points go to the main window's polygon store in this
// picture's own coordinates, so they come out twice as large.
class Form3 : public QWidget
{
    Q_OBJECT
public:
    explicit Form3(PolygonStore& polygons, QWidget* parent = nullptr);

    // Shows `mainWindow`, the skin's composed main window, doubled.
    void showDoubled(const QImage& mainWindow);

public slots:
    void Picture21_MouseDown(Qt::MouseButton button, QPoint at);
    void Picture21_MouseUp(Qt::MouseButton button, QPoint at);

signals:
    // A point was recorded or a polygon finished here.
    void regionChanged();

private:
    PolygonStore& m_polygons;
    PictureBox* Picture21;
    DrawingPen m_pen;
};

} // namespace tessel
