#include "region_editor/ui/savewindow.h"

#include "common/core/textconversion.h"
#include "common/ui/dialogs.h"
#include "region_editor/core/twips.h"
#include "region_editor/ui/closeshortcut.h"
#include "region_editor/ui/directorylists.h"
#include "region_editor/ui/icons.h"
#include "region_editor/ui/mainwindow.h"
#include "region_editor/ui/picturebutton.h"

#include <QGroupBox>

namespace plevo {

Form7::Form7(Form1& main, kit::Dialogs& dialogs)
    : QWidget(&main, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint)
    , m_main(main)
    , m_dialogs(dialogs)
    , m_chooser(this, QStringLiteral("Choose drive/directory"), QRect(0, 0, 2775, 2775), QRect(120, 240, 2535, 2115),
                QRect(120, 2400, 1245, 315))
{
    setObjectName(QStringLiteral("Form7"));
    setWindowTitle(QStringLiteral("Save file"));
    setFixedSize(twipsToPixels(2790), twipsToPixels(2775));
    closeWithShortcut(this, &Form7::Image1_Click);

    struct Button
    {
        const char* name;
        Icon icon;
        int left;
        const char* toolTip;
        void (Form7::*handler)();
    };
    for (const Button& entry :
         {Button{"Image2", Icon::Floppy, 1440, "Save Region.txt here", &Form7::Image2_Click},
          Button{"Image3", Icon::Lightning, 1760, "Where is the player?", &Form7::Image3_Click},
          Button{"Image4", Icon::QuestionMark, 2040, "Help", &Form7::Image4_Click},
          Button{"Image1", Icon::Cross, 2340, "Close", &Form7::Image1_Click}}) {
        auto* button = placeButton(m_chooser.Frame1, entry.name, entry.icon, entry.toolTip, entry.left, 2400);
        connect(button, &PictureButton::clicked, this, entry.handler);
    }
}

QString Form7::directory() const { return m_chooser.Dir1->path(); }

void Form7::setDirectory(const QString& path) { m_chooser.Dir1->setPath(path); }

void Form7::Image2_Click()
{
    const SaveResult result = m_main.SaveRegionFile(directory());
    if (!result.saved) {
        // Only the region file itself can stop a save: scratch files that fail
        // are told about by the main window, and the save goes on without them.
        const FileProblem& problem = *result.problem;
        m_dialogs.message(this, QStringLiteral("Save file"),
                          kit::couldNotSaveText(kit::fromPath(problem.path), kit::fromSystemText(problem.reason)),
                          kit::MessageButtons::Ok, kit::MessageIcon::Critical);
        m_main.setStatus(QStringLiteral("Save file failed"));
        return;
    }
    m_main.setStatus(QStringLiteral("Save file OK"));
    close();
}

void Form7::Image3_Click() { m_main.showHostDirectoryWindow(); }

void Form7::Image4_Click()
{
    m_dialogs.message(this, QStringLiteral("Help"),
                      QStringLiteral("Choose the directory that you want to save the regeion.txt file to.  If you want "
                                     "to use it in your own skin, save it to the same directory as the Main.bmp file of "
                                     "your skin"),
                      kit::MessageButtons::Ok, kit::MessageIcon::None);
}

void Form7::Image1_Click() { close(); }

} // namespace plevo
