#include "region_editor/ui/creditswindow.h"

#include "region_editor/core/motion.h"
#include "region_editor/core/twips.h"
#include "region_editor/ui/logopictures.h"
#include "region_editor/ui/pacer.h"
#include "region_editor/ui/picturebutton.h"
#include "region_editor/ui/presentationtexts.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>

namespace plevo {
namespace {

QString creditsText()
{
    const QString rule(30, QLatin1Char('-'));
    return QStringList({rule,
                        QStringLiteral("      Plevo version 1.0b"),
                        rule,
                        QStringLiteral(" by %1,").arg(kAuthorName),
                        QStringLiteral(" %1 1998").arg(kMakerName),
                        QString(),
                        QStringLiteral(" Plevo draws the region of a"),
                        QStringLiteral(" player skin: click the"),
                        QStringLiteral(" corners of the main window"),
                        QStringLiteral(" and save them as Region.txt."),
                        QStringLiteral(" Free software under the MIT"),
                        QStringLiteral(" licence."),
                        rule,
                        QStringLiteral(" Please send your reports,"),
                        QStringLiteral(" comments and suggestions to"),
                        QStringLiteral(" ") + kMailAddress,
                        QStringLiteral(" or visit"),
                        QStringLiteral(" ") + kWebPage,
                        QString(),
                        QStringLiteral(" Thanks for using Plevo!"),
                        QStringLiteral("       ") + kAuthorName})
        .join(QLatin1Char('\n'));
}

} // namespace

Form9::Form9(Pacer& pacer, QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::FramelessWindowHint)
    , m_pacer(pacer)
    , m_creditsTop(kCreditsFirstTop)
{
    setObjectName(QStringLiteral("Form9"));
    setWindowTitle(QStringLiteral("Plevo"));
    setFixedSize(twipsToPixels(3750), twipsToPixels(3645));

    auto* background = new QLabel(this);
    background->setPixmap(creditsPicture());
    background->setGeometry(0, 0, 250, 244);

    Label2 = new QLabel(QStringLiteral("Plevo 1.0"), this);
    Label2->setObjectName(QStringLiteral("Label2"));
    Label2->setFont(arialFont(30));
    QPalette light = Label2->palette();
    light.setColor(QPalette::WindowText, QColor(0xe8, 0xf0, 0xf8));
    Label2->setPalette(light);
    Label2->adjustSize();
    Label2->move(twipsToPixels(240), twipsToPixels(120));

    Picture1 = new QWidget(this);
    Picture1->setObjectName(QStringLiteral("Picture1"));
    Picture1->setGeometry(twipsToPixels(240), twipsToPixels(720), twipsToPixels(2535), twipsToPixels(2775));
    Picture1->setAutoFillBackground(true);
    QPalette viewport = Picture1->palette();
    viewport.setColor(QPalette::Window, QColor(0x06, 0x0a, 0x10));
    Picture1->setPalette(viewport);

    Label1 = new QLabel(creditsText(), Picture1);
    Label1->setObjectName(QStringLiteral("Label1"));
    QFont mono(QStringLiteral("DejaVu Sans Mono"));
    mono.setStyleHint(QFont::Monospace);
    mono.setPixelSize(9);
    Label1->setFont(mono);
    Label1->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    QPalette green = Label1->palette();
    green.setColor(QPalette::WindowText, QColor(0x48, 0xe8, 0x78));
    Label1->setPalette(green);
    Label1->setGeometry(0, twipsToPixels(m_creditsTop), twipsToPixels(2415), twipsToPixels(3735));

    connect(placeButton(this, "Image1", Icon::Cross, "Close", 3220, 1295), &PictureButton::clicked, this,
            &Form9::Image1_Click);

    // The stop flag. It sits where the viewport is, so it is never shown.
    Text2 = new QLineEdit(QStringLiteral("0"), this);
    Text2->setObjectName(QStringLiteral("Text2"));
    Text2->move(twipsToPixels(1200), twipsToPixels(1320));
    Text2->hide();
}

void Form9::run()
{
    show();
    raise();
    const QPointer<Form9> alive = this;
    do {
        m_creditsTop = nextCreditsTop(m_creditsTop);
        Label1->move(0, twipsToPixels(m_creditsTop));
        m_pacer.letEventsRunFor(std::chrono::milliseconds(100));
        QCoreApplication::processEvents();
        if (!alive)
            return;
    } while (Text2->text() == QLatin1String("0"));
    Text2->setText(QStringLiteral("0"));
    emit ended();
}

void Form9::Image1_Click() { Text2->setText(QStringLiteral("1")); }

void Form9::closeEvent(QCloseEvent* event)
{
    // A close from the desktop ends the credits the way the cross does.
    event->ignore();
    Image1_Click();
}

} // namespace plevo
