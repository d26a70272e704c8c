#include "region_editor/ui/hostdirectorywindow.h"

#include "common/ui/dialogs.h"
#include "region_editor/core/twips.h"
#include "region_editor/ui/closeshortcut.h"
#include "region_editor/ui/directorylists.h"
#include "region_editor/ui/icons.h"
#include "region_editor/ui/picturebutton.h"

#include <QGroupBox>

namespace plevo {

Form8::Form8(kit::Dialogs& dialogs, QWidget* owner)
    : QWidget(owner, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint)
    , m_dialogs(dialogs)
    , m_chooser(this, QStringLiteral("Where is WinAmp.exe?"), QRect(0, 0, 2655, 2775), QRect(120, 240, 2415, 2115),
                QRect(120, 2400, 1455, 315))
{
    setObjectName(QStringLiteral("Form8"));
    setWindowTitle(QStringLiteral("WinAmp directory"));
    setFixedSize(twipsToPixels(2640), twipsToPixels(2760));
    closeWithShortcut(this, &Form8::Image1_Click);

    // The floppy here has no action: the player's directory is only browsed.
    placeButton(m_chooser.Frame1, "Image2", Icon::Floppy, "Player directory", 1620, 2400);
    connect(placeButton(m_chooser.Frame1, "Image4", Icon::QuestionMark, "Help", 1900, 2400), &PictureButton::clicked,
            this, &Form8::Image4_Click);
    connect(placeButton(m_chooser.Frame1, "Image1", Icon::Cross, "Close", 2220, 2400), &PictureButton::clicked, this,
            &Form8::Image1_Click);
}

QString Form8::directory() const { return m_chooser.Dir1->path(); }

void Form8::Image4_Click()
{
    m_dialogs.message(this, QStringLiteral("WinAmp directory"), QStringLiteral("Choose your WinAmp directory"),
                      kit::MessageButtons::Ok, kit::MessageIcon::Information);
}

void Form8::Image1_Click() { close(); }

} // namespace plevo
