#pragma once

#include "region_editor/ui/directorychooser.h"

#include <QWidget>

namespace kit {
class Dialogs;
}

namespace plevo {

class Form1;

// The save window: pick a directory, press the floppy, and Region.txt is written
// there. A failed save keeps the window open and everything as it was.
class Form7 : public QWidget
{
    Q_OBJECT
public:
    Form7(Form1& main, kit::Dialogs& dialogs);

    QString directory() const;
    void setDirectory(const QString& path);

private slots:
    void Image2_Click();
    void Image3_Click();
    void Image4_Click();
    void Image1_Click();

private:
    Form1& m_main;
    kit::Dialogs& m_dialogs;
    DirectoryChooser m_chooser;
};

} // namespace plevo
