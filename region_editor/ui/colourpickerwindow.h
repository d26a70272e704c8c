#pragma once

#include "region_editor/ui/regionmarks.h"

#include <QColor>
#include <QWidget>

class QSlider;

namespace kit {
class Dialogs;
}

namespace plevo {

class Form1;

// A shape drawn as an outline, like the sample corner marker and edge of the
// colour picker. With `insideSolid` the outline is drawn within the shape's
// bounds, however wide; otherwise it is centred on them.
class SampleShape : public QWidget
{
    Q_OBJECT
public:
    enum class Kind { Circle, Rectangle };

    SampleShape(Kind kind, const QColor& borderColour, int borderWidth, QWidget* parent);

    QColor borderColour() const { return m_colour; }
    int borderWidth() const { return m_width; }
    bool insideSolid() const { return m_insideSolid; }
    void setBorderColour(const QColor& colour);
    void setBorder(int width, bool insideSolid);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    Kind m_kind;
    QColor m_colour;
    int m_width;
    bool m_insideSolid = false;
};

// The colour picker: the colours of polygon edges ("line") and corner markers
// ("link") and the markers' fill mode, shown on a sample and in the polygon drawn
// over the main window's picture. One colour dialog serves both buttons and
// remembers its last colour, black at first. The cross only hides the window, so
// the choices live as long as the program.
class Form3 : public QWidget
{
    Q_OBJECT
public:
    Form3(Form1& main, kit::Dialogs& dialogs);

    // The colours and fill mode chosen here, in which the main window draws the polygon.
    MarkStyle markStyle() const;

private slots:
    void Image4_Click();
    void Image5_Click();
    void Slider1_Change(int value);
    void Image2_Click();
    void Image6_Click();
    void Image3_Click();
    void Image1_Click();

private:
    QColor chooseColour();
    void reportChange(const QString& status);

    Form1& m_main;
    kit::Dialogs& m_dialogs;
    QColor m_dialogColour = Qt::black; // CommonDialog1's colour
    SampleShape* Shape1 = nullptr;     // link
    SampleShape* Shape2 = nullptr;     // line
    QSlider* Slider1 = nullptr;
};

} // namespace plevo
