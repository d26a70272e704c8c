#include "form8.h"

#include "artwork.h"
#include "dialogs.h"
#include "directorylists.h"
#include "picturebutton.h"
#include "twips.h"

#include <QGroupBox>

namespace plevo {

using kit::twipsToPixels;

Form8::Form8(kit::Dialogs& dialogs, QWidget* owner)
    : QWidget(owner, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint)
    , m_dialogs(dialogs)
    , m_chooser(this, QStringLiteral("Where is WinAmp.exe?"), QRect(0, 0, 2655, 2775), QRect(120, 240, 2415, 2115),
                QRect(120, 2400, 1455, 315))
{
    setObjectName(QStringLiteral("Form8"));
    setWindowTitle(QStringLiteral("WinAmp directory"));
    setFixedSize(twipsToPixels(2640), twipsToPixels(2760));

    // The floppy here has no action: the player's directory is only browsed.
    auto* floppy = new kit::PictureButton(iconPixmap(Icon::Floppy), QStringLiteral("Player directory"), m_chooser.Frame1);
    floppy->setObjectName(QStringLiteral("Image2"));
    floppy->move(twipsToPixels(1620), twipsToPixels(2400));

    auto* help = new kit::PictureButton(iconPixmap(Icon::QuestionMark), QStringLiteral("Help"), m_chooser.Frame1);
    help->setObjectName(QStringLiteral("Image4"));
    help->move(twipsToPixels(1900), twipsToPixels(2400));
    connect(help, &kit::PictureButton::clicked, this, &Form8::Image4_Click);

    auto* cross = new kit::PictureButton(iconPixmap(Icon::Cross), QStringLiteral("Close"), m_chooser.Frame1);
    cross->setObjectName(QStringLiteral("Image1"));
    cross->move(twipsToPixels(2220), twipsToPixels(2400));
    connect(cross, &kit::PictureButton::clicked, this, &Form8::Image1_Click);
}

QString Form8::directory() const { return m_chooser.Dir1->path(); }

void Form8::Image4_Click()
{
    m_dialogs.message(this, QStringLiteral("WinAmp directory"), QStringLiteral("Choose your WinAmp directory"),
                      kit::MessageButtons::Ok, kit::MessageIcon::Information);
}

void Form8::Image1_Click() { close(); }

} // namespace plevo
