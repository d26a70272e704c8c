#include "workbench/ui/doublesizedwindow.h"

#include "common/ui/picturebox.h"
#include "workbench/core/pixels.h"
#include "workbench/core/polygonstore.h"
#include "workbench/core/skin.h"

namespace tessel {

Form3::Form3(PolygonStore& polygons, QWidget* parent)
    : QWidget(parent, Qt::Window)
    , m_polygons(polygons)
{
    setObjectName(QStringLiteral("Form3"));
    setWindowTitle(QStringLiteral("DoubleSized"));
    const QSize doubled = 2 * kMainWindowSize;
    setFixedSize(doubled);
    Picture21 = new PictureBox(this);
    Picture21->setObjectName(QStringLiteral("Picture21"));
    Picture21->setGeometry({{0, 0}, doubled});
    Picture21->setPicture(blankPicture(doubled));
    Picture21->setCursor(Qt::CrossCursor);
    connect(Picture21, &PictureBox::mouseDown, this, &Form3::Picture21_MouseDown);
    connect(Picture21, &PictureBox::mouseUp, this, &Form3::Picture21_MouseUp);
}

void Form3::showDoubled(const QImage& mainWindow) { Picture21->setPicture(doubleSized(mainWindow)); }

void Form3::Picture21_MouseDown(Qt::MouseButton button, QPoint at)
{
    if (button == Qt::LeftButton) {
        m_pen.recordPoint(m_polygons, Picture21->surface(), at);
        Picture21->update();
        emit regionChanged();
    } else if (button == Qt::RightButton && !m_polygons.newPolygon()) {
        m_polygons.FinishPolygon();
        emit regionChanged();
    }
}

void Form3::Picture21_MouseUp(Qt::MouseButton button, QPoint at)
{
    if (button == Qt::LeftButton)
        m_polygons.setAnchor(at);
}

} // namespace tessel
