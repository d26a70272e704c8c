#include "workbench/ui/skinpanel.h"

#include "common/core/pathstatus.h"
#include "common/ui/dialogs.h"
#include "common/ui/picturebox.h"
#include "common/ui/rememberedfolders.h"
#include "workbench/core/pixels.h"
#include "workbench/core/regionfile.h"
#include "workbench/core/vispreview.h"
#include "workbench/ui/ticks.h"
#include "workbench/ui/windowtexts.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRandomGenerator>
#include <QTimer>

#include <algorithm>

namespace tessel {
namespace {

const QString kStartVis = QStringLiteral("S&tart Vis");
const QString kStopVis = QStringLiteral("S&top Vis");
// Typed into the title box, it opens the show.
const QString triggerWord = QStringLiteral("!Vortex");

// The controls that stay in the compact layout, at their places in each layout.
struct SkinControlPlace
{
    QRect full;
    QRect compact;
};
constexpr SkinControlPlace kOpenSkinPlace {{285, 4, 74, 24}, {282, 1, 90, 24}};
constexpr SkinControlPlace kRefreshSkinPlace {{361, 4, 86, 24}, {282, 28, 90, 24}};
constexpr SkinControlPlace kStartVisPlace {{449, 4, 72, 24}, {282, 55, 90, 24}};
constexpr SkinControlPlace kMinMaxPlace {{523, 4, 50, 24}, {282, 82, 90, 24}};
constexpr SkinControlPlace kTitleBoxPlace {{285, 31, 110, 24}, {376, 1, 96, 24}};
constexpr SkinControlPlace kChannelPlace {{397, 31, 76, 24}, {376, 28, 96, 24}};
constexpr SkinControlPlace kStayOnTopPlace {{477, 31, 98, 24}, {376, 55, 96, 24}};

} // namespace

SkinPanel::SkinPanel(kit::Dialogs& dialogs, kit::Settings& settings, QWidget* parent)
    : QWidget(parent)
    , m_dialogs(dialogs)
    , m_settings(settings)
    , m_visArea(blankPicture(kVisAreaSize))
    , m_bars(static_cast<size_t>(kVisAreaSize.width()))
{
    setObjectName(QStringLiteral("SkinPanel"));
    createControls();
    const std::pair<QPushButton*, void (SkinPanel::*)()> buttons[] = {
        {Command4, &SkinPanel::Command4_Click},
        {Command5, &SkinPanel::Command5_Click},
        {Command9, &SkinPanel::Command9_Click},
        {Command10, &SkinPanel::Command10_Click},
    };
    for (const auto& [control, handler] : buttons)
        connect(control, &QPushButton::clicked, this, handler);
    connect(Timer2, &QTimer::timeout, this, &SkinPanel::Timer2_Timer);
    connect(Combo2, &QComboBox::currentTextChanged, this, &SkinPanel::Combo2_Click);
    connect(Text2, &QLineEdit::textChanged, this, &SkinPanel::Text2_Change);
    connect(Check2, &QCheckBox::toggled, this, &SkinPanel::Check2_Click);
    connect(Picture6, &PictureBox::mouseDown, this, &SkinPanel::Picture6_MouseDown);
    connect(Picture6, &PictureBox::mouseMove, this, &SkinPanel::Picture6_MouseMove);
    connect(Picture6, &PictureBox::mouseUp, this, &SkinPanel::Picture6_MouseUp);
    connect(Picture17, &PictureBox::mouseDown, this, &SkinPanel::Picture17_MouseDown);
    connect(Picture17, &PictureBox::mouseMove, this, &SkinPanel::Picture17_MouseMove);
    connect(Picture17, &PictureBox::mouseUp, this, &SkinPanel::Picture17_MouseUp);
    applyLayout();
    updateActions();
    DrawMainWindow();
}

void SkinPanel::createControls()
{
    // Controls that only the full layout shows, placed once.
    const auto fullOnly = [this](auto* control, QRect at) {
        control->setGeometry(at);
        m_fullLayoutOnly.push_back(control);
        return control;
    };
    const auto named = [](auto* control, const QString& name) {
        control->setObjectName(name);
        return control;
    };
    const auto caption = [&](const QString& text, QRect at) { return fullOnly(new QLabel(text, this), at); };
    const auto button = [&](const QString& name, const QString& text) { return named(new QPushButton(text, this), name); };
    const auto picture = [&](QWidget* parent, const QString& name, QSize size) {
        auto* control = named(new PictureBox(parent), name);
        control->resize(size);
        return control;
    };

    // Beside the colour editor, since a colour file opened is what it acts on.
    Check1 = fullOnly(named(new QCheckBox(QStringLiteral("AutoSkin Load"), this), QStringLiteral("Check1")),
                      {4, 192, 112, 20});

    Picture6 = picture(this, QStringLiteral("Picture6"), kMainWindowSize);
    Picture5 = picture(Picture6, QStringLiteral("Picture5"), kVisAreaSize);
    Picture5->move(kVisAreaOffset);
    Picture5->setAttribute(Qt::WA_TransparentForMouseEvents);
    Picture5->hide();
    Picture17 = picture(Picture6, QStringLiteral("Picture17"), kKnobUp.size());
    Picture17->move(kKnobLeftmost, kKnobTop);

    Command9 = button(QStringLiteral("Command9"), QStringLiteral("O&pen Skin"));
    Command5 = button(QStringLiteral("Command5"), QStringLiteral("&Refresh Skin"));
    Command4 = button(QStringLiteral("Command4"), kStartVis);
    Command10 = button(QStringLiteral("Command10"), QStringLiteral("&Min"));
    Text2 = named(new QLineEdit(QStringLiteral("Tessel 2.0 "), this), QStringLiteral("Text2"));
    Text2->setToolTip(QStringLiteral("The title shown in the skin's own font"));
    Combo2 = named(new QComboBox(this), QStringLiteral("Combo2"));
    Combo2->addItems({QStringLiteral("Stereo"), QStringLiteral("Mono"), QStringLiteral("Off")});
    Check2 = named(new QCheckBox(QStringLiteral("StayOnTop"), this), QStringLiteral("Check2"));

    caption(QStringLiteral("Spectrum"), {285, 179, 76, 14});
    caption(QStringLiteral("Oscilliscope"), {367, 179, 120, 14});
    Picture1 = fullOnly(picture(this, QStringLiteral("Picture1"), kSpectrumSize), {{285, 194}, kSpectrumSize});
    Picture2 = fullOnly(picture(this, QStringLiteral("Picture2"), kScopeSize), {{367, 194}, kScopeSize});
    caption(QStringLiteral("WindowShade Vis"), {285, 217, 112, 14});
    Picture4 = fullOnly(picture(this, QStringLiteral("Picture4"), kShadeSize), {{399, 220}, kShadeSize});
    Combo1 = fullOnly(named(new QComboBox(this), QStringLiteral("Combo1")), {443, 214, 80, 22});
    Combo1->setEditable(true);
    Combo1->addItems({QStringLiteral("Normal"), QStringLiteral("Fire"), QStringLiteral("Lines")});
    Combo1->setToolTip(QStringLiteral("Analyzer style"));

    Timer2 = named(new QTimer(this), QStringLiteral("Timer2"));
    Timer2->setInterval(kTickInterval);
}

void SkinPanel::applyLayout()
{
    const auto place = [this](QWidget* control, const SkinControlPlace& at) {
        control->setGeometry(m_compact ? at.compact : at.full);
    };
    place(Command9, kOpenSkinPlace);
    place(Command5, kRefreshSkinPlace);
    place(Command4, kStartVisPlace);
    place(Command10, kMinMaxPlace);
    place(Text2, kTitleBoxPlace);
    place(Combo2, kChannelPlace);
    place(Check2, kStayOnTopPlace);
    Picture6->move(m_compact ? kCompactPreviewAt : kFullPreviewAt);
    for (QWidget* control : m_fullLayoutOnly)
        control->setVisible(!m_compact);
    Command10->setText(m_compact ? QStringLiteral("&Max") : QStringLiteral("&Min"));
}

void SkinPanel::updateActions() { Command5->setEnabled(!skinPath().isEmpty()); }

bool SkinPanel::autoSkinLoad() const { return Check1->isChecked(); }

void SkinPanel::Command10_Click()
{
    m_compact = !m_compact;
    applyLayout();
    emit compactChanged(m_compact);
}

// The visualization preview

void SkinPanel::PaintPreview(const ColourTable& table)
{
    QImage spectrum = blankPicture(kSpectrumSize);
    QImage scope = blankPicture(kScopeSize);
    QImage shade = blankPicture(kShadeSize);
    tessel::PaintPreview(table, spectrum, scope, shade);
    Picture1->setPicture(spectrum);
    Picture2->setPicture(scope);
    Picture4->setPicture(shade);
}

void SkinPanel::Command4_Click()
{
    emit commitWanted();
    if (Command4->text() == kStartVis) {
        Timer2->start();
        Picture5->show();
        Command4->setText(kStopVis);
    } else {
        Timer2->stop();
        Picture5->hide();
        Command4->setText(kStartVis);
    }
}

void SkinPanel::Timer2_Timer()
{
    styleOffset = styleOffsetFor(Combo1->currentText(), styleOffset);
    for (int& bar : m_bars)
        bar = static_cast<int>(QRandomGenerator::global()->bounded(static_cast<quint32>(barShape.size())));
    animationStep(Picture1->picture(), m_visArea, styleOffset, m_bars);
    Picture5->setPicture(m_visArea);
}

// The skin

QString SkinPanel::skinPath() const { return m_skinArchive.isEmpty() ? m_skinDirectory : m_skinArchive; }

void SkinPanel::setSkinDirectoryFromFile(const QString& path)
{
    m_skinDirectory = path.left(path.size() - QFileInfo(path).fileName().size());
    m_skinArchive.clear();
    updateActions();
}

bool SkinPanel::LoadSkin()
{
    const SkinLoad load = tessel::LoadSkin(skinPath());
    const QString text = skinLoadMessage(load);
    if (load.error != SkinLoadError::SkinRefused) {
        m_skin = load.pictures;
        showKnob(kKnobUp);
        emit skinLoaded(skinPath());
    }
    if (!text.isEmpty())
        showFailure(m_dialogs, this, text);
    return load.error != SkinLoadError::SkinRefused;
}

MainWindowLook SkinPanel::look() const
{
    MainWindowLook look;
    look.pressed = pressedButton;
    look.channel = channelFromText(Combo2->currentText());
    look.title = Text2->text();
    return look;
}

void SkinPanel::DrawMainWindow()
{
    QImage window = tessel::DrawMainWindow(m_skin, look());
    if (m_shape)
        cutToShape(window, *m_shape);
    Picture6->setPicture(window);
}

void SkinPanel::showShape(const std::optional<ShapeMask>& shape)
{
    m_shape = shape;
    DrawMainWindow();
}

QImage SkinPanel::skinMainWindow() const
{
    const auto& pictures = m_skin.images;
    const bool loaded = std::any_of(pictures.begin(), pictures.end(), [](const QImage& picture) { return !picture.isNull(); });
    return loaded ? tessel::DrawMainWindow(m_skin, look()) : QImage();
}

std::string_view SkinPanel::DrawRegion(std::string_view counts, std::string_view list)
{
    DrawMainWindow();
    const std::string_view lastCount = tessel::DrawRegion(Picture6->surface(), counts, list, qRgb(0, 0, 0));
    Picture6->update();
    return lastCount;
}

void SkinPanel::outlinePolygon(const std::vector<QPoint>& corners)
{
    // Magenta stands apart from the region's black lines, its green closing
    // lines and most skins.
    constexpr QRgb kOutline = qRgb(255, 0, 255);
    for (size_t i = 0; i < corners.size(); ++i)
        drawLine(Picture6->surface(), corners[i], corners[(i + 1) % corners.size()], kOutline);
    Picture6->update();
}

void SkinPanel::Command9_Click()
{
    kit::FileRequest request;
    request.title = QStringLiteral("Open Skin");
    const QString path = kit::openFileRemembering(m_dialogs, m_settings, this, kit::FolderKind::SkinPictures, request);
    if (!path.isEmpty())
        openSkin(path);
}

void SkinPanel::openSkin(const QString& chosen)
{
    const QString previousDirectory = m_skinDirectory;
    const QString previousArchive = m_skinArchive;
    if (kit::isDirectory(chosen)) {
        m_skinDirectory = QDir(chosen).path() + QLatin1Char('/');
        m_skinArchive.clear();
    } else {
        setSkinDirectoryFromFile(chosen);
        if (isSkinArchive(chosen))
            m_skinArchive = chosen;
    }
    updateActions();
    if (!LoadSkin()) {
        m_skinDirectory = previousDirectory;
        m_skinArchive = previousArchive;
        updateActions();
        return;
    }
    DrawMainWindow();
    emit skinOpened(skinPath());
}

void SkinPanel::Command5_Click()
{
    LoadSkin();
    DrawMainWindow();
}

void SkinPanel::Combo2_Click() { DrawMainWindow(); }

void SkinPanel::Text2_Change()
{
    DrawMainWindow();
    if (Text2->text() == triggerWord)
        emit triggerWordTyped();
}

void SkinPanel::Check2_Click()
{
    // Changing a window flag hides the window; it comes back where it was.
    QWidget* form = window();
    const QRect kept = form->geometry();
    const bool shown = form->isVisible();
    form->setWindowFlag(Qt::WindowStaysOnTopHint, Check2->isChecked());
    form->setGeometry(kept);
    if (shown)
        form->show();
}

void SkinPanel::showKnob(const QRect& piece)
{
    const QImage& positionBar = m_skin[SkinFile::PosBar];
    Picture17->setPicture(positionBar.isNull() ? QImage() : positionBar.copy(piece));
}

void SkinPanel::Picture6_MouseDown(Qt::MouseButton button, QPoint at)
{
    if (button != Qt::LeftButton)
        return;
    pressedButton = buttonAt(at);
    m_grabbedButton = pressedButton;
    DrawMainWindow();
}

void SkinPanel::Picture6_MouseMove(Qt::MouseButtons buttons, QPoint at)
{
    if (!(buttons & Qt::LeftButton))
        return;
    // A held button looks pressed only while the pointer is over it, like any push button.
    const TransportButton under = buttonAt(at) == m_grabbedButton ? m_grabbedButton : TransportButton::None;
    if (under == pressedButton)
        return;
    pressedButton = under;
    DrawMainWindow();
}

void SkinPanel::Picture6_MouseUp(Qt::MouseButton button, QPoint)
{
    if (button != Qt::LeftButton)
        return;
    pressedButton = TransportButton::None;
    m_grabbedButton = TransportButton::None;
    DrawMainWindow();
}

void SkinPanel::Picture17_MouseDown(Qt::MouseButton button, QPoint at)
{
    if (button != Qt::LeftButton)
        return;
    m_knobGrabX = at.x();
    showKnob(kKnobHeld);
}

void SkinPanel::Picture17_MouseMove(Qt::MouseButtons buttons, QPoint at)
{
    if (buttons & Qt::LeftButton)
        Picture17->move(knobLeft(Picture17->x() + at.x(), m_knobGrabX), kKnobTop);
}

void SkinPanel::Picture17_MouseUp(Qt::MouseButton button, QPoint)
{
    if (button == Qt::LeftButton)
        showKnob(kKnobUp);
}

} // namespace tessel
