#include "common/ui/picturebox.h"

#include "common/core/textconversion.h"

#include <QApplication>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QMimeData>
#include <QMouseEvent>
#include <QPainter>
#include <QPointer>
#include <QWindow>

#include <cmath>
#include <utility>

namespace kit {
namespace {

bool isPictureBox(const QWidget* widget) { return qobject_cast<const PictureBox*>(widget) != nullptr; }

QWidget* widgetAt(QWidget* window, QPoint pixel)
{
    QWidget* child = window->childAt(pixel);
    return child ? child : window;
}

bool startsPress(const QMouseEvent* mouse)
{
    return (mouse->type() == QEvent::MouseButtonPress || mouse->type() == QEvent::MouseButtonDblClick)
        && mouse->buttons() == mouse->button();
}

bool isMouseEvent(QEvent::Type type)
{
    return type == QEvent::MouseButtonPress || type == QEvent::MouseButtonDblClick || type == QEvent::MouseMove
        || type == QEvent::MouseButtonRelease;
}

// Qt gives a pointer event to the widget under the pointer's position rounded to
// whole window pixels, and hands it that rounded position. On a screen of 2 or
// 1.5 device pixels to a window pixel the pointer also stands between window
// pixels: the rounding moves the right and lower half of a pixel onto the next
// one, gives the last half-pixel of a widget to whatever lies beyond it, and the
// half-pixel before its first one to the widget. This filter, one for the whole
// application, notes where the window system put the pointer and, wherever a
// picture box is on either side, gives the event to the widget whose pixel the
// pointer is in, at the exact position. A press so moved takes the buttons' later
// moves and release with it, as Qt's own press would.
class PointerRouter final : public QObject
{
public:
    static void installOnce()
    {
        static QPointer<PointerRouter> router;
        if (!router && qApp) {
            router = new PointerRouter(qApp);
            qApp->installEventFilter(router);
        }
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (!isMouseEvent(event->type()) || !event->spontaneous())
            return false;
        auto* mouse = static_cast<QMouseEvent*>(event);
        if (watched->isWindowType()) {
            m_windowEvent = {static_cast<QWindow*>(watched), mouse->type(), mouse->timestamp(), mouse->position()};
            return false;
        }
        // Only what came through a window was hit-tested by Qt; the events this
        // filter sends on are not spontaneous, nor are those of parents that an
        // ignored event travels on to.
        if (!watched->isWidgetType())
            return false;
        return route(static_cast<QWidget*>(watched), mouse);
    }

private:
    using QObject::QObject;

    struct WindowEvent
    {
        QPointer<QWindow> window;
        QEvent::Type type = QEvent::None;
        quint64 timestamp = 0;
        QPointF position;
    };

    bool route(QWidget* receiver, QMouseEvent* mouse)
    {
        QWidget* window = receiver->window();
        const bool throughWindow = m_windowEvent.window && m_windowEvent.window == window->windowHandle()
            && m_windowEvent.type == mouse->type() && m_windowEvent.timestamp == mouse->timestamp();
        const QPointF inWindow = throughWindow ? m_windowEvent.position : receiver->mapTo(window, mouse->position());
        const QEvent::Type type = mouse->type();

        QWidget* target = receiver;
        if (startsPress(mouse) || (type == QEvent::MouseMove && mouse->buttons() == Qt::NoButton)) {
            QWidget* exact = widgetAt(window, PictureBox::pixelAt(inWindow));
            if (widgetAt(window, inWindow.toPoint()) == receiver)
                target = exact;
            if (type != QEvent::MouseMove)
                m_grabber = target == receiver ? nullptr : target;
        } else if (m_grabber) {
            target = m_grabber;
        }
        if (type == QEvent::MouseButtonRelease && mouse->buttons() == Qt::NoButton)
            m_grabber = nullptr;
        if (!isPictureBox(target) && !isPictureBox(receiver))
            return false;
        const QPointF local = target->mapFrom(window, inWindow);
        if (target == receiver && local == mouse->position())
            return false;

        QMouseEvent moved(type, local, inWindow, mouse->globalPosition(), mouse->button(), mouse->buttons(),
                          mouse->modifiers(), mouse->pointingDevice());
        moved.setTimestamp(mouse->timestamp());
        QCoreApplication::sendEvent(target, &moved);
        // Accepted, or Qt would pass the original on to the receiver's parents.
        mouse->accept();
        return true;
    }

    WindowEvent m_windowEvent;
    QPointer<QWidget> m_grabber;
};

} // namespace

PictureBox::PictureBox(QWidget* parent)
    : QWidget(parent)
{
    PointerRouter::installOnce();
}

QPoint PictureBox::pixelAt(QPointF position)
{
    return {static_cast<int>(std::floor(position.x())), static_cast<int>(std::floor(position.y()))};
}

void PictureBox::setPicture(const QImage& picture)
{
    m_picture = picture;
    update();
}

void PictureBox::fill(QRgb colour)
{
    if (!m_picture.isNull() && m_picture.size() == size() && m_picture.pixel(0, 0) == colour)
        return;
    QImage filled(size(), QImage::Format_RGB32);
    filled.fill(colour);
    setPicture(filled);
}

void PictureBox::setMagnification(int magnification)
{
    m_magnification = std::max(1, magnification);
    update();
}

void PictureBox::setOverlay(Overlay overlay)
{
    m_overlay = std::move(overlay);
    update();
}

void PictureBox::setAcceptsFileDrops(bool accepts) { setAcceptDrops(accepts); }

void PictureBox::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    if (!m_picture.isNull()) {
        // Scaled up for the screen, skin pixels must stay sharp squares.
        painter.setRenderHint(QPainter::SmoothPixmapTransform, false);
        painter.drawImage(QRect(QPoint(0, 0), m_picture.size() * m_magnification), m_picture);
    }
    if (m_overlay)
        m_overlay(painter, m_magnification);
}

void PictureBox::mousePressEvent(QMouseEvent* event)
{
    event->accept();
    m_pressed = event->button();
    emit mouseDown(event->button(), pixelAt(event->position()));
}

void PictureBox::mouseMoveEvent(QMouseEvent* event) { emit mouseMove(event->buttons(), pixelAt(event->position())); }

void PictureBox::mouseReleaseEvent(QMouseEvent* event)
{
    event->accept();
    const QPoint at = pixelAt(event->position());
    const bool click = event->button() == m_pressed && rect().contains(at);
    m_pressed = Qt::NoButton;
    emit mouseUp(event->button(), at);
    if (click)
        emit clicked(event->button());
}

void PictureBox::dragEnterEvent(QDragEnterEvent* event)
{
    const QList<QUrl> urls = event->mimeData()->urls();
    if (urls.size() == 1 && urls.front().isLocalFile())
        event->acceptProposedAction();
}

void PictureBox::dropEvent(QDropEvent* event)
{
    const QList<QUrl> urls = event->mimeData()->urls();
    if (urls.size() != 1 || !urls.front().isLocalFile())
        return;
    event->acceptProposedAction();
    // toLocalFile() decodes the name as UTF-8 and loses the bytes that are not;
    // the percent-encoded path still holds them all.
    const QByteArray bytes = QByteArray::fromPercentEncoding(urls.front().path(QUrl::FullyEncoded).toLatin1());
    emit fileDropped(fromPath(bytes.toStdString()));
}

} // namespace kit
