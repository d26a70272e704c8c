#include "region_editor/ui/aboutwindow.h"

#include "common/core/textconversion.h"
#include "region_editor/core/motion.h"
#include "region_editor/identity.h"
#include "region_editor/core/twips.h"
#include "region_editor/ui/logopictures.h"
#include "region_editor/ui/pacer.h"
#include "region_editor/ui/presentationtexts.h"

#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>

namespace plevo {
namespace {

void addSeparator(QWidget* parent, const QRect& shadow)
{
    const bool horizontal = shadow.width() > shadow.height();
    for (const auto& [role, offset] : {std::pair{QPalette::Dark, 0}, std::pair{QPalette::Light, 1}}) {
        auto* line = new QFrame(parent);
        line->setAutoFillBackground(true);
        QPalette palette = line->palette();
        palette.setColor(QPalette::Window, parent->palette().color(role));
        line->setPalette(palette);
        line->setGeometry(shadow.translated(horizontal ? 0 : offset, horizontal ? offset : 0));
    }
}

} // namespace

frmAbout::frmAbout(Pacer& pacer, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint)
    , m_pacer(pacer)
    , m_iconLeft(kAboutIconFirstLeft)
{
    setObjectName(QStringLiteral("frmAbout"));
    setWindowTitle(QStringLiteral("About Plevo"));
    setFixedSize(twipsToPixels(4110), twipsToPixels(3090));

    Image1 = new QLabel(this);
    Image1->setObjectName(QStringLiteral("Image1"));
    Image1->setScaledContents(true);
    Image1->setGeometry(twipsToPixels(m_iconLeft, 120, 1455, 1335));
    Image1->setPixmap(programIcon(Image1->size()));

    lblTitle = new QLabel(QStringLiteral("Plevo"), this);
    lblTitle->setObjectName(QStringLiteral("lblTitle"));
    lblTitle->setFont(arialFont(24, true));
    lblTitle->adjustSize();
    lblTitle->move(twipsToPixels(2235), 0);

    lblVersion = new QLabel(QStringLiteral("Version 1.00"), this);
    lblVersion->setObjectName(QStringLiteral("lblVersion"));
    lblVersion->setFont(arialFont(12));
    lblVersion->adjustSize();
    lblVersion->move(twipsToPixels(2340), twipsToPixels(840));

    lblDescription = new QLabel(
        QStringLiteral("%1 %2: %3. By %4, %5. %6")
            .arg(kit::toQString(identity::kName), kit::toQString(identity::kVersionText),
                 kit::toQString(identity::kSummary), kAuthorName, kMakerName, kLicence),
        this);
    lblDescription->setObjectName(QStringLiteral("lblDescription"));
    lblDescription->setWordWrap(true);
    lblDescription->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    QFont small = font();
    small.setPixelSize(10);
    lblDescription->setFont(small);
    lblDescription->setGeometry(twipsToPixels(120, 1560, 3870, 585));

    Label1 = new QLabel(QStringLiteral("Web page:"), this);
    Label1->setObjectName(QStringLiteral("Label1"));
    Label1->setGeometry(twipsToPixels(120, 2160, 1080, 300));

    Text1 = new QLineEdit(kWebPage, this);
    Text1->setObjectName(QStringLiteral("Text1"));
    Text1->setReadOnly(true);
    Text1->setGeometry(twipsToPixels(1200, 2160, 2790, 300));
    Text1->setCursorPosition(0);

    addSeparator(this, twipsToPixels(2100, 60, 15, 1320));
    addSeparator(this, twipsToPixels(120, 1440, 3870, 15));
    addSeparator(this, twipsToPixels(120, 2100, 3870, 15));
    addSeparator(this, twipsToPixels(120, 2550, 3870, 15));

    cmdOK = new QPushButton(QStringLiteral("OK"), this);
    cmdOK->setObjectName(QStringLiteral("cmdOK"));
    cmdOK->setGeometry(twipsToPixels(120, 2640, 3900, 345));
    cmdOK->setDefault(true);
    cmdOK->setFocus();
    connect(cmdOK, &QPushButton::clicked, this, &frmAbout::cmdOK_Click);
}

void frmAbout::showAndSlide()
{
    show();
    raise();
    activateWindow();
    const QPointer<frmAbout> alive = this;
    m_pacer.letEventsRunFor(std::chrono::seconds(1));
    if (!alive)
        return;
    while (aboutIconMoves(m_iconLeft)) {
        m_iconLeft += kAboutIconStep;
        Image1->move(twipsToPixels(m_iconLeft), Image1->y());
        Image1->repaint();
    }
}

void frmAbout::cmdOK_Click() { close(); }

} // namespace plevo
