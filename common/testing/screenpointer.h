#pragma once

#include <QGuiApplication>
#include <QTest>
#include <QWidget>
#include <QWindow>

#include <cmath>
#include <functional>
#include <vector>

namespace kit::testing {

// The pointer as the window system reports it: at a whole device pixel of a
// window, handed to Qt's own hit test, which picks the widget. On a screen of
// `scale` device pixels to a window pixel that puts the pointer at fractions of
// a window pixel, as a real mouse does.
class ScreenPointer
{
public:
    explicit ScreenPointer(QWidget* widget)
        : m_widget(widget)
        , m_window(widget->window()->windowHandle())
        , m_scale(qApp->devicePixelRatio())
    {
    }

    double scale() const { return m_scale; }

    // The window's device pixels that lie in the widget's pixel `pixel`: the
    // ones whose top left corner falls inside it.
    std::vector<QPoint> devicePixelsOf(QPoint pixel) const
    {
        const QPoint inWindow = m_widget->mapTo(m_widget->window(), pixel);
        std::vector<QPoint> devicePixels;
        for (int y = first(inWindow.y()); y < first(inWindow.y() + 1); ++y)
            for (int x = first(inWindow.x()); x < first(inWindow.x() + 1); ++x)
                devicePixels.emplace_back(x, y);
        return devicePixels;
    }

    void move(QPoint devicePixel, Qt::MouseButtons held = Qt::NoButton)
    {
        send(devicePixel, held, Qt::NoButton, QEvent::MouseMove);
    }
    void click(QPoint devicePixel, Qt::MouseButton button = Qt::LeftButton)
    {
        move(devicePixel);
        send(devicePixel, button, button, QEvent::MouseButtonPress);
        send(devicePixel, Qt::NoButton, button, QEvent::MouseButtonRelease);
        // Far apart in time, so that two clicks never make a double click.
        m_time += 10000;
    }

private:
    int first(int windowPixel) const { return static_cast<int>(std::ceil(windowPixel * m_scale)); }

    void send(QPoint devicePixel, Qt::MouseButtons buttons, Qt::MouseButton button, QEvent::Type type)
    {
        const QPointF local = QPointF(devicePixel) / m_scale;
        qt_handleMouseEvent(m_window, local, m_window->mapToGlobal(local), buttons, button, type, Qt::NoModifier,
                            ++m_time);
        QCoreApplication::processEvents();
    }

    QWidget* m_widget;
    QWindow* m_window;
    double m_scale;
    int m_time = 1000;
};

} // namespace kit::testing
