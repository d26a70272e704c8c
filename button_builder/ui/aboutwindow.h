#pragma once

#include <QDialog>

class QLabel;
class QLineEdit;
class QPushButton;
class QTabWidget;

namespace knapro {

// Product, version and credits on three tabs. Created afresh each time it is shown.
class frmAbout : public QDialog
{
    Q_OBJECT
public:
    explicit frmAbout(QWidget* parent = nullptr);

public slots:
    void cmdOK_Click();

private:
    QWidget* createTab(int index, const QString& text);

    QTabWidget* tabAbout = nullptr;
    QLineEdit* txtHomepage = nullptr;
    QPushButton* cmdOK = nullptr;
};

} // namespace knapro
