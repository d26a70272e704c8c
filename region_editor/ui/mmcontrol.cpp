#include "region_editor/ui/mmcontrol.h"

#include <QPainter>
#include <QPainterPath>
#include <QToolButton>

namespace plevo {
namespace {

constexpr QSize kGlyphSize(16, 12);

// The classic transport glyphs, drawn in black on a 16 x 12 face; Qt greys them
// out itself on a disabled button.
QPixmap glyph(CdCommand command)
{
    QPixmap pixmap(kGlyphSize);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setPen(Qt::NoPen);
    p.setBrush(Qt::black);
    const auto triangle = [&](qreal tipX, qreal baseX) {
        p.drawPolygon(QPolygonF({QPointF(baseX, 1), QPointF(tipX, 6), QPointF(baseX, 11)}));
    };
    switch (command) {
    case CdCommand::Prev:
        p.drawRect(2, 1, 2, 10);
        triangle(4, 9);
        triangle(9, 14);
        break;
    case CdCommand::Next:
        triangle(7, 2);
        triangle(12, 7);
        p.drawRect(12, 1, 2, 10);
        break;
    case CdCommand::Play:
        triangle(12, 4);
        break;
    case CdCommand::Pause:
        p.drawRect(4, 1, 3, 10);
        p.drawRect(9, 1, 3, 10);
        break;
    case CdCommand::Stop:
        p.drawRect(3, 1, 10, 10);
        break;
    case CdCommand::Eject:
        p.drawPolygon(QPolygonF({QPointF(2, 7), QPointF(8, 1), QPointF(14, 7)}));
        p.drawRect(2, 9, 12, 2);
        break;
    default:
        break;
    }
    return pixmap;
}

struct TransportButton
{
    const char* name;
    CdCommand command;
    const char* toolTip;
};

constexpr TransportButton kButtons[] = {
    {"Prev", CdCommand::Prev, "Previous track"}, {"Next", CdCommand::Next, "Next track"},
    {"Play", CdCommand::Play, "Play"},           {"Pause", CdCommand::Pause, "Pause"},
    {"Stop", CdCommand::Stop, "Stop"},           {"Eject", CdCommand::Eject, "Eject"},
};

} // namespace

MMControl::MMControl(std::unique_ptr<CdDevice> device, QWidget* parent)
    : QWidget(parent)
    , m_device(std::move(device))
{
    connect(m_device.get(), &CdDevice::answered, this, &MMControl::answered);
    m_statusUpdate.setInterval(250);
    connect(&m_statusUpdate, &QTimer::timeout, this, [this] { m_device->request(CdCommand::Status); });
    for (const TransportButton& entry : kButtons) {
        auto* button = new QToolButton(this);
        button->setObjectName(QLatin1String(entry.name) + QLatin1String("Button"));
        button->setIcon(QIcon(glyph(entry.command)));
        button->setIconSize(kGlyphSize);
        button->setToolTip(QLatin1String(entry.toolTip));
        button->setAccessibleName(QLatin1String(entry.toolTip));
        button->setEnabled(false);
        connect(button, &QToolButton::clicked, this, [this, command = entry.command] { press(command); });
        m_buttons.push_back(button);
    }
}

MMControl::~MMControl() = default;

void MMControl::resizeEvent(QResizeEvent*)
{
    // The buttons share the control's width, the spare pixels going to the first ones.
    const int count = static_cast<int>(m_buttons.size());
    int left = 0;
    for (int i = 0; i < count; ++i) {
        const int share = width() / count + (i < width() % count ? 1 : 0);
        m_buttons[static_cast<size_t>(i)]->setGeometry(left, 0, share, height());
        left += share;
    }
}

void MMControl::Command(CdCommand command, int track) { m_device->request(command, track); }

void MMControl::press(CdCommand command)
{
    if (command == CdCommand::Stop)
        emit StopClick();
    else if (command == CdCommand::Eject)
        emit EjectClick();
    m_device->request(command);
}

void MMControl::answered(CdCommand command, const CdStatus& status)
{
    m_status = status;
    for (QToolButton* button : m_buttons)
        button->setEnabled(status.mode != CdMode::Closed);
    if (status.mode == CdMode::Playing || status.mode == CdMode::Paused) {
        if (!m_statusUpdate.isActive())
            m_statusUpdate.start();
    } else {
        m_statusUpdate.stop();
    }
    if (command == CdCommand::Next)
        emit NextCompleted();
    else if (command == CdCommand::Prev)
        emit PrevCompleted();
    emit Done(command, status);
}

} // namespace plevo
