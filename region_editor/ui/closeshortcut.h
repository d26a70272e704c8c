#pragma once

#include <QAction>
#include <QKeySequence>
#include <QWidget>

namespace plevo {

// The desktop's Close key (Ctrl+W) does what the window's own cross button does.
template <class Window> void closeWithShortcut(Window* window, void (Window::*cross)())
{
    auto* action = new QAction(QStringLiteral("Close"), window);
    action->setShortcuts(QKeySequence::Close);
    QObject::connect(action, &QAction::triggered, window, cross);
    window->addAction(action);
}

} // namespace plevo
