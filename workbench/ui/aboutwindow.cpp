#include "workbench/ui/aboutwindow.h"

#include "common/core/textconversion.h"
#include "common/ui/picturebox.h"
#include "workbench/core/pixels.h"
#include "workbench/identity.h"
#include "workbench/ui/ticks.h"
#include "workbench/ui/windowtexts.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QLabel>
#include <QPainter>
#include <QTimer>

#include <algorithm>

namespace tessel {
namespace {

constexpr QSize kPatternSize {360, 240};
constexpr QPoint kPatternCentre {180, 130};
constexpr QPoint kTextAt {10, 8};
constexpr int kYouShift = 20;
constexpr QSize kLogoSize {48, 48};

// Tessel's mark: a tiling of triangles, each shaded by where it lies.
QImage logo()
{
    QImage picture = blankPicture(kLogoSize);
    constexpr int kCell = 12;
    for (int y = 0; y < kLogoSize.height(); ++y)
        for (int x = 0; x < kLogoSize.width(); ++x) {
            const int column = x / kCell, row = y / kCell;
            const bool upper = (x % kCell) + (y % kCell) < kCell;
            const int shade = upper ? 0 : 1;
            picture.setPixel(x, y, qRgb(60 + 45 * column, 90 + 35 * row + 40 * shade, 200 - 30 * column + 20 * shade));
        }
    return picture;
}

} // namespace

Form4::Form4(QWidget* parent)
    : QWidget(parent, Qt::Window)
    , m_pattern(kPatternCentre)
{
    setObjectName(QStringLiteral("Form4"));
    setWindowTitle(QStringLiteral("About Veskit"));
    setFont(textFont());
    setFixedSize(kPatternSize.width() + 16, kPatternSize.height() + kLogoSize.height() + 24);

    Picture3 = new PictureBox(this);
    Picture3->setObjectName(QStringLiteral("Picture3"));
    Picture3->setGeometry({{8, 8}, kPatternSize});
    // Its picture covers it whole, so the window beneath is not filled first at every tick.
    Picture3->setAttribute(Qt::WA_OpaquePaintEvent);
    m_line.setTextFormat(Qt::PlainText);
    m_line.setTextWidth(kPatternSize.width() - 2 * kTextAt.x());
    // The surface the pattern builds up on, never shown itself.
    Picture2 = new PictureBox(this);
    Picture2->setObjectName(QStringLiteral("Picture2"));
    Picture2->resize(kPatternSize);
    Picture2->hide();
    Picture1 = new PictureBox(this);
    Picture1->setObjectName(QStringLiteral("Picture1"));
    Picture1->setGeometry({{8, kPatternSize.height() + 16}, kLogoSize});
    Picture1->setPicture(logo());
    auto* caption = new QLabel(QStringLiteral("Veskit 1.x\n%1 %2: %3")
                                   .arg(kit::toQString(identity::kName), kit::toQString(identity::kVersionText),
                                        kit::toQString(identity::kSummary)),
                               this);
    caption->setWordWrap(true);
    caption->setGeometry(Picture1->geometry().right() + 12, Picture1->y(), kPatternSize.width() - kLogoSize.width() - 12,
                         kLogoSize.height());

    Timer1 = new QTimer(this);
    Timer1->setObjectName(QStringLiteral("Timer1"));
    Timer1->setInterval(kTickInterval);
    Timer2 = new QTimer(this);
    Timer2->setObjectName(QStringLiteral("Timer2"));
    Timer2->setInterval(kTickInterval);
    connect(Timer1, &QTimer::timeout, this, &Form4::Timer1_Timer);
    connect(Timer2, &QTimer::timeout, this, &Form4::Timer2_Timer);
}

void Form4::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    if (event->spontaneous())
        return;
    stopFlag = false;
    m_fade = {};
    m_drift.reset(randomColour(), randomColour());
    m_pattern = AboutPattern(kPatternCentre);
    Picture2->setPicture(blankPicture(kPatternSize));
    Picture3->setPicture(Picture2->picture());
    Timer1->start();
    Timer2->start();
}

void Form4::closeEvent(QCloseEvent* event)
{
    Timer1->stop();
    Timer2->stop();
    stopFlag = true;
    event->accept();
}

void Form4::Timer1_Timer()
{
    // Held while the step runs: the step lets events through, among them this timer's.
    Timer1->stop();
    m_pattern.draw(Picture2->surface(), m_drift.step(randomColour()));
    QCoreApplication::processEvents();
    if (stopFlag)
        return;
    showPatternWithText();
    Timer1->start();
}

void Form4::Timer2_Timer() { m_fade.step(); }

void Form4::showPatternWithText()
{
    // Into the shown picture itself: a new picture at every tick costs more than its drawing.
    QImage& shown = Picture3->surface();
    copyPixels(Picture2->picture(), Picture2->picture().rect(), shown, {0, 0});
    QPainter painter(&shown);
    const int strength = std::clamp(m_fade.brightness, 0, 255);
    painter.setPen(QColor(strength, strength, strength));
    const int x = kTextAt.x() + (m_fade.lineIndex == 7 ? kYouShift : 0);
    if (m_lineLaidOut != m_fade.lineIndex) {
        m_line.setText(kit::toQString(aboutLine(m_fade.lineIndex)));
        m_lineLaidOut = m_fade.lineIndex;
    }
    painter.drawStaticText(x, kTextAt.y(), m_line);
    Picture3->update();
}

} // namespace tessel
