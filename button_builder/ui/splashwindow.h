#pragma once

#include <QWidget>

#include <filesystem>
#include <functional>

class QLabel;
class QPushButton;
class QTimer;

namespace knapro {

// The start window: names the product and its version, counts this start in the
// run counter file, and after two seconds, or at once on its button, opens the
// main window and goes away.
class frmSplash : public QWidget
{
    Q_OBJECT
public:
    // The run counter file is kept in `counterDirectory`; `openMainWindow` is called
    // exactly once, when the splash gives way.
    frmSplash(const std::filesystem::path& counterDirectory, std::function<void()> openMainWindow,
              QWidget* parent = nullptr);

public slots:
    void cmdOK_Click();
    void tmrSplash_Timer();

private:
    void leaveSplash();

    std::function<void()> m_openMainWindow;
    bool m_left = false;
    QLabel* imgIcon = nullptr;
    QLabel* lblTitle = nullptr;
    QLabel* lblProduct = nullptr;
    QLabel* lblTimes = nullptr;
    QPushButton* cmdOK = nullptr;
    QTimer* tmrSplash = nullptr;
};

} // namespace knapro
