#include "common/ui/windowplacement.h"

#include "common/core/settings.h"

#include <QEvent>
#include <QWidget>

namespace kit {
namespace {

class PlacementKeeper final : public QObject
{
public:
    PlacementKeeper(QWidget* window, Settings& settings, const QString& name)
        : QObject(window)
        , m_window(window)
        , m_settings(settings)
        , m_name(name)
    {
        window->installEventFilter(this);
    }

    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (watched == m_window && (event->type() == QEvent::Hide || event->type() == QEvent::Close))
            m_settings.setWindowGeometry(m_name, m_window->saveGeometry());
        return false;
    }

private:
    QWidget* m_window;
    Settings& m_settings;
    QString m_name;
};

} // namespace

void rememberPlacement(QWidget* window, Settings& settings, const QString& name)
{
    // restoreGeometry refuses data it did not write and moves a window that would
    // lie off every screen back onto one.
    window->restoreGeometry(settings.windowGeometry(name));
    new PlacementKeeper(window, settings, name);
}

} // namespace kit
