#include "region_editor/ui/colourpickerwindow.h"

#include "common/ui/dialogs.h"
#include "region_editor/core/twips.h"
#include "region_editor/ui/closeshortcut.h"
#include "region_editor/ui/mainwindow.h"
#include "region_editor/ui/picturebutton.h"
#include "region_editor/ui/regionmarks.h"

#include <QGroupBox>
#include <QPainter>
#include <QSlider>

namespace plevo {
SampleShape::SampleShape(Kind kind, const QColor& borderColour, int borderWidth, QWidget* parent)
    : QWidget(parent)
    , m_kind(kind)
    , m_colour(borderColour)
    , m_width(borderWidth)
{
    setAttribute(Qt::WA_TransparentForMouseEvents);
}

void SampleShape::setBorderColour(const QColor& colour)
{
    m_colour = colour;
    update();
}

void SampleShape::setBorder(int width, bool insideSolid)
{
    m_width = width;
    m_insideSolid = insideSolid;
    update();
}

void SampleShape::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    paintOutline(painter, m_kind == Kind::Circle ? OutlineShape::Circle : OutlineShape::Rectangle, rect(), m_colour,
                 m_width, m_insideSolid);
}

Form3::Form3(Form1& main, kit::Dialogs& dialogs)
    : QWidget(&main, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint)
    , m_main(main)
    , m_dialogs(dialogs)
{
    setObjectName(QStringLiteral("Form3"));
    setWindowTitle(QStringLiteral("Color picker"));
    setFixedSize(twipsToPixels(2010), twipsToPixels(1635));
    closeWithShortcut(this, &Form3::Image1_Click);

    const MarkStyle initial = initialMarkStyle(palette());
    Shape2 = new SampleShape(SampleShape::Kind::Rectangle, initial.line, 1, this);
    Shape2->setObjectName(QStringLiteral("Shape2"));
    Shape2->setGeometry(twipsToPixels(180, 165, 375, 615));
    Shape1 = new SampleShape(SampleShape::Kind::Circle, initial.link, 2, this);
    Shape1->setObjectName(QStringLiteral("Shape1"));
    Shape1->setGeometry(twipsToPixels(120, 120, 135, 135));

    // The frames are narrow; their captions take the small type of a tool window.
    QFont captionFont = font();
    captionFont.setPixelSize(10);
    auto* frame1 = new QGroupBox(QStringLiteral("Element color"), this);
    frame1->setFont(captionFont);
    frame1->setObjectName(QStringLiteral("Frame1"));
    frame1->setGeometry(twipsToPixels(720, 0, 1215, 735));
    connect(placeButton(frame1, "Image5", Icon::ColourWheelPin, "Link color", 280, 280), &PictureButton::clicked, this,
            &Form3::Image5_Click);
    connect(placeButton(frame1, "Image4", Icon::RainbowLine, "Line color", 580, 280), &PictureButton::clicked, this,
            &Form3::Image4_Click);

    auto* frame2 = new QGroupBox(QStringLiteral("Fill mode"), this);
    frame2->setFont(captionFont);
    frame2->setObjectName(QStringLiteral("Frame2"));
    frame2->setGeometry(twipsToPixels(120, 840, 975, 735));
    // Two small circles mark the slider's ends: a thin outline, and a thick one.
    const QRect frame2Box = frame2->geometry();
    auto* thin = new SampleShape(SampleShape::Kind::Circle, palette().color(QPalette::WindowText), 1, frame2);
    thin->setGeometry(twipsToPixels(240) - frame2Box.left() + 1, 34, 7, 7);
    auto* thick = new SampleShape(SampleShape::Kind::Circle, palette().color(QPalette::WindowText), 3, frame2);
    thick->setBorder(3, true);
    thick->setGeometry(twipsToPixels(240 + 735) - frame2Box.left() - 8, 34, 7, 7);

    Slider1 = new QSlider(Qt::Horizontal, this);
    Slider1->setObjectName(QStringLiteral("Slider1"));
    Slider1->setGeometry(twipsToPixels(240, 1080, 735, 255));
    Slider1->setRange(0, 1);
    Slider1->setPageStep(1);
    Slider1->setAccessibleName(QStringLiteral("Fill mode"));
    connect(Slider1, &QSlider::valueChanged, this, &Form3::Slider1_Change);

    const struct
    {
        const char* name;
        Icon icon;
        int left;
        int top;
        const char* toolTip;
        void (Form3::*handler)();
    } buttons[] = {
        {"Image2", Icon::FloppyArrowDown, 1200, 840, "Load colors", &Form3::Image2_Click},
        {"Image6", Icon::FloppyArrowUp, 1612, 840, "Save colors", &Form3::Image6_Click},
        {"Image3", Icon::QuestionMark, 1200, 1260, "Help", &Form3::Image3_Click},
        {"Image1", Icon::Cross, 1620, 1260, "Close", &Form3::Image1_Click},
    };
    for (const auto& entry : buttons)
        connect(placeButton(this, entry.name, entry.icon, entry.toolTip, entry.left, entry.top),
                &PictureButton::clicked, this, entry.handler);
}

// A cancelled dialog leaves its colour as it was, so the sample takes the
// previous choice again.
QColor Form3::chooseColour()
{
    const QColor chosen = m_dialogs.chooseColour(this, m_dialogColour);
    if (chosen.isValid())
        m_dialogColour = chosen;
    return m_dialogColour;
}

MarkStyle Form3::markStyle() const
{
    return {Shape2->borderColour(), Shape1->borderColour(), Shape1->insideSolid()};
}

void Form3::reportChange(const QString& status)
{
    m_main.setMarkStyle(markStyle());
    m_main.ProgressSweep();
    m_main.setStatus(status);
}

void Form3::Image4_Click()
{
    Shape2->setBorderColour(chooseColour());
    reportChange(QStringLiteral("Line Color changed"));
}

void Form3::Image5_Click()
{
    Shape1->setBorderColour(chooseColour());
    reportChange(QStringLiteral("Link Color changed"));
}

void Form3::Slider1_Change(int value)
{
    if (value != 0)
        Shape1->setBorder(5, true);
    else
        Shape1->setBorder(2, false);
    reportChange(QStringLiteral("Fill mode changed"));
}

void Form3::Image2_Click()
{
    m_dialogs.message(this, QStringLiteral("Load"), QStringLiteral("This will be developed soon"),
                      kit::MessageButtons::Ok, kit::MessageIcon::Information);
}

void Form3::Image6_Click()
{
    m_dialogs.message(this, QStringLiteral("Save"), QStringLiteral("This will be developed soon"),
                      kit::MessageButtons::Ok, kit::MessageIcon::Information);
}

void Form3::Image3_Click()
{
    m_dialogs.message(this, QStringLiteral("Help"), QStringLiteral("Help will be developed soon"),
                      kit::MessageButtons::Ok, kit::MessageIcon::Information);
}

void Form3::Image1_Click() { hide(); }

} // namespace plevo
