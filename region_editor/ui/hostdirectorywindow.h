#pragma once

#include "region_editor/ui/directorychooser.h"

#include <QWidget>

namespace kit {
class Dialogs;
}

namespace plevo {

// Lets the author browse to the player's directory. The choice stays in this
// window; nothing else reads it.
class Form8 : public QWidget
{
    Q_OBJECT
public:
    Form8(kit::Dialogs& dialogs, QWidget* owner);

    QString directory() const;

private slots:
    void Image4_Click();
    void Image1_Click();

private:
    kit::Dialogs& m_dialogs;
    DirectoryChooser m_chooser;
};

} // namespace plevo
