#include "button_builder/ui/splashwindow.h"

#include "button_builder/core/runcounter.h"
#include "button_builder/knapro_version.h"
#include "button_builder/ui/artwork.h"
#include "common/core/textconversion.h"

#include <QFrame>
#include <QGuiApplication>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QTimer>

namespace knapro {

frmSplash::frmSplash(const std::filesystem::path& counterDirectory, std::function<void()> openMainWindow, QWidget* parent)
    : QWidget(parent, Qt::SplashScreen)
    , m_openMainWindow(std::move(openMainWindow))
{
    setObjectName(QStringLiteral("frmSplash"));
    setAttribute(Qt::WA_DeleteOnClose);
    setFixedSize(389, 206);
    setWindowTitle(kit::toQString(version::kProductName));

    auto* frame = new QFrame(this);
    frame->setFrameShape(QFrame::StyledPanel);
    frame->setGeometry(8, 4, 377, 166);

    imgIcon = new QLabel(frame);
    imgIcon->setObjectName(QStringLiteral("imgIcon"));
    imgIcon->setGeometry(12, 12, 100, 100);
    imgIcon->setPixmap(logoPicture(100));

    lblTitle = new QLabel(frame);
    lblTitle->setObjectName(QStringLiteral("lblTitle"));
    lblTitle->setGeometry(128, 14, 240, 44);
    QFont titleFont = lblTitle->font();
    titleFont.setPixelSize(32);
    titleFont.setBold(true);
    lblTitle->setFont(titleFont);
    lblTitle->setText(windowTitle() + QLatin1Char('\r'));

    lblProduct = new QLabel(frame);
    lblProduct->setObjectName(QStringLiteral("lblProduct"));
    lblProduct->setGeometry(128, 60, 240, 52);
    lblProduct->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    lblProduct->setWordWrap(true);
    lblProduct->setText(QStringLiteral("Version %1\n%2")
                            .arg(kit::toQString(version::versionText()), kit::toQString(version::kLegalCopyright)));

    const int count = countThisStart(counterDirectory);
    lblTimes = new QLabel(frame);
    lblTimes->setObjectName(QStringLiteral("lblTimes"));
    lblTimes->setGeometry(12, 126, 353, 28);
    lblTimes->setFont(QFont(QStringLiteral("Verdana"), 10));
    lblTimes->setAlignment(Qt::AlignCenter);
    lblTimes->setText(kit::toQString(timesSentence(count)));

    cmdOK = new QPushButton(QStringLiteral("Start the Program NOW"), this);
    cmdOK->setObjectName(QStringLiteral("cmdOK"));
    cmdOK->setGeometry(8, 176, 377, 25);
    cmdOK->setDefault(true);
    connect(cmdOK, &QPushButton::clicked, this, &frmSplash::cmdOK_Click);

    tmrSplash = new QTimer(this);
    tmrSplash->setObjectName(QStringLiteral("tmrSplash"));
    tmrSplash->setInterval(2000);
    connect(tmrSplash, &QTimer::timeout, this, &frmSplash::tmrSplash_Timer);
    tmrSplash->start();

    if (const QScreen* screen = QGuiApplication::primaryScreen())
        move(screen->availableGeometry().center() - rect().center());
}

void frmSplash::cmdOK_Click() { leaveSplash(); }

void frmSplash::tmrSplash_Timer() { leaveSplash(); }

void frmSplash::leaveSplash()
{
    // The button and the timer may both fire before the splash is gone; only the
    // first of them opens the main window.
    if (m_left)
        return;
    m_left = true;
    tmrSplash->stop();
    m_openMainWindow();
    hide();
    close();
}

} // namespace knapro
