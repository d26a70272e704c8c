#include "region_editor/ui/splashwindow.h"

#include "region_editor/core/twips.h"
#include "region_editor/ui/logopictures.h"
#include "region_editor/ui/pacer.h"
#include "region_editor/ui/presentationtexts.h"

#include <QGuiApplication>
#include <QLabel>
#include <QPainter>
#include <QPointer>
#include <QScreen>

namespace plevo {
namespace {

// The splash's background, stretched over the widget each time it is painted,
// as a label with scaled contents stretches it. Such a label keeps two more
// copies of the picture for the splash's few seconds, one of them the whole
// window's size.
class StretchedPicture final : public QWidget
{
public:
    StretchedPicture(QPixmap picture, QWidget* parent) : QWidget(parent), m_picture(std::move(picture)) {}

protected:
    void paintEvent(QPaintEvent*) override
    {
        const qreal ratio = devicePixelRatio();
        QImage stretched = m_picture.toImage().scaled(size() * ratio, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
        stretched.setDevicePixelRatio(ratio);
        QPainter(this).drawImage(0, 0, stretched);
    }

private:
    QPixmap m_picture;
};

QLabel* placeLabel(QWidget* parent, const char* name, const QString& text, const QFont& font, int leftTwips,
                   int topTwips)
{
    auto* label = new QLabel(text, parent);
    label->setObjectName(QLatin1String(name));
    label->setFont(font);
    label->setAttribute(Qt::WA_TranslucentBackground);
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText, QColor(0xe8, 0xf0, 0xf8));
    label->setPalette(palette);
    label->adjustSize();
    label->move(twipsToPixels(leftTwips), twipsToPixels(topTwips));
    return label;
}

} // namespace

Form2::Form2(Pacer& pacer, std::function<void()> showMainWindow)
    : QWidget(nullptr, Qt::SplashScreen | Qt::FramelessWindowHint)
    , m_pacer(pacer)
    , m_showMainWindow(std::move(showMainWindow))
{
    setObjectName(QStringLiteral("Form2"));
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(QStringLiteral("Plevo"));
    setFixedSize(twipsToPixels(6960), twipsToPixels(3480));
    // The picture is a pixel short of the window at the bottom.
    QPalette dark = palette();
    dark.setColor(QPalette::Window, Qt::black);
    setPalette(dark);
    setAutoFillBackground(true);

    Image1 = new StretchedPicture(splashPicture(), this);
    Image1->setObjectName(QStringLiteral("Image1"));
    Image1->setGeometry(0, 0, twipsToPixels(6975), twipsToPixels(3465));

    // The emblem is painted at the label's own size.
    Image2 = new QLabel(this);
    Image2->setObjectName(QStringLiteral("Image2"));
    Image2->setGeometry(twipsToPixels(600), twipsToPixels(720), twipsToPixels(1800), twipsToPixels(1665));
    Image2->setPixmap(programIcon(Image2->size()));

    Label1 = placeLabel(this, "Label1", QStringLiteral("Plevo"), arialFont(48, true), 3240, 240);
    Label2 = placeLabel(this, "Label2", QStringLiteral("Version 1.0"), arialFont(21.75), 3960, 1200);
    Label3 = placeLabel(this, "Label3", QStringLiteral("1998 ") + kMakerName, arialFont(14), 2880, 2160);
    Label4 = placeLabel(this, "Label4", QStringLiteral("\u00AE"), arialFont(10), 5840, 2150);
    Label5 = placeLabel(this, "Label5", QStringLiteral("By %1\n%2").arg(kAuthorName, kMailAddress), arialFont(8),
                        4440, 2880);

    if (const QScreen* screen = QGuiApplication::primaryScreen())
        move(screen->availableGeometry().center() - rect().center());
}

void Form2::run()
{
    show();
    raise();
    // The author may close the splash while it waits, and the window is gone
    // then; the main window still follows after the three seconds.
    const QPointer<Form2> splash(this);
    const std::function<void()> showMainWindow = std::move(m_showMainWindow);
    m_pacer.letEventsRunFor(std::chrono::seconds(3));
    if (splash)
        close();
    showMainWindow();
}

} // namespace plevo
