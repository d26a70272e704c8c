#include "button_builder/ui/mainwindow.h"

#include "button_builder/core/bmpfile.h"
#include "button_builder/core/commandstates.h"
#include "button_builder/core/overlay.h"
#include "button_builder/core/picture.h"
#include "button_builder/core/skinwindows.h"
#include "button_builder/knapro_version.h"
#include "button_builder/ui/aboutwindow.h"
#include "button_builder/ui/artwork.h"
#include "common/core/fileio.h"
#include "common/core/pathstatus.h"
#include "common/core/textconversion.h"
#include "common/ui/dialogs.h"
#include "common/core/settings.h"
#include "common/core/skinsource.h"
#include "common/ui/picturebox.h"
#include "common/ui/recentfilesmenu.h"
#include "common/ui/rememberedfolders.h"
#include "common/ui/standardkeys.h"
#include "common/ui/windowplacement.h"

#include <QAction>
#include <QClipboard>
#include <QCursor>
#include <QDir>
#include <QFileInfo>
#include <QFile>
#include <QGuiApplication>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QTabWidget>

#include <vector>

namespace knapro {
namespace {

constexpr int kClientWidth = 331;
constexpr int kClientHeight = 392;
const QString kWrongSizeTitle = QStringLiteral("Wrong Size");
const QString kWrongSizeText = QStringLiteral("Please make sure that the image is 275 x 116 pixels.");

// The builder's handlers number the mouse buttons 1 left, 2 right, 4 middle.
int mouseButtonNumber(Qt::MouseButton button)
{
    switch (button) {
    case Qt::LeftButton: return 1;
    case Qt::RightButton: return 2;
    case Qt::MiddleButton: return 4;
    default: return 0;
    }
}

// Five pairs of caption and pattern.
const QString kOpenFilter = QStringLiteral(
    "All supported types|*.bmp;*.jpg;*.jpeg;*.gif|Bitmap Files (*.bmp)|*.bmp|"
    "JPEG Files (*.jpg, *.jpeg)|*.jpg; *.jpeg|GIF Files (*.gif)|*.gif|All Files (*.*)|*.*");
const QString kBitmapExtension = QStringLiteral("*.bmp");
const QString kBitmapFilter = QStringLiteral("Bitmap Files (*.bmp)|*.bmp|");
const QString kTextFilter = QStringLiteral("Text Files (*.txt)|*.txt|");
// A skin folder is chosen by any file in it.
const QString kSkinFilter = QStringLiteral("Skin archives and bitmaps|*.wsz;*.zip;*.bmp|All Files (*.*)|*.*");
const QString kOpenSkinTitle = QStringLiteral("Open Skin");

} // namespace

frmButton::frmButton(kit::Dialogs& dialogs, kit::Settings& settings, QWidget* parent)
    : QMainWindow(parent)
    , m_dialogs(dialogs)
    , m_settings(settings)
{
    setObjectName(QStringLiteral("frmButton"));
    useBitmapSaveSettings();
    setWindowTitle(kit::toQString(version::caption()));
    setWindowIcon(logoPicture(64));
    setWindowFlag(Qt::WindowMaximizeButtonHint, false);

    createActions();
    createControls();
    createMenus();
    updateCommandStates();
    setFixedSize(kClientWidth, kClientHeight + menuBar()->sizeHint().height());
    kit::rememberPlacement(this, m_settings, objectName());
}

void frmButton::createActions()
{
    const auto action = [this](const char* name, const QString& caption, auto handler) {
        auto* created = new QAction(caption, this);
        created->setObjectName(QLatin1String(name));
        connect(created, &QAction::triggered, this, handler);
        return created;
    };
    mnuFileOpen = action("mnuFileOpen", QStringLiteral("&Open..."), &frmButton::OpenFile);
    mnuFileOpen->setShortcut(Qt::CTRL | Qt::Key_O);
    mnuFileOpenSkin = action("mnuFileOpenSkin", QStringLiteral("Open S&kin..."), &frmButton::mnuFileOpenSkin_Click);
    mnuFileOpenSkin->setShortcut(Qt::CTRL | Qt::SHIFT | Qt::Key_O);
    mnuFileClose = action("mnuFileClose", QStringLiteral("&Close"), &frmButton::mnuFileClose_Click);
    mnuFileClose->setShortcuts(kit::withStandardKeys(Qt::CTRL | Qt::Key_F4, QKeySequence::Close));
    mnuFileCloseAll = action("mnuFileCloseAll", QStringLiteral("Clo&se All"), &frmButton::mnuFileCloseAll_Click);
    mnuFileRanVis = action("mnuFileRanVis", QStringLiteral("Random Tessel &Generator"), &frmButton::mnuFileRanVis_Click);
    mnuFileRanVis->setShortcut(Qt::CTRL | Qt::Key_G);
    mnuFileSave = action("mnuFileSave", QStringLiteral("Save &As..."), &frmButton::mnuFileSave_Click);
    mnuFileSave->setShortcut(Qt::CTRL | Qt::Key_S);
    mnuFileExit = action("mnuFileExit", QStringLiteral("E&xit"), &frmButton::mnuFileExit_Click);
    mnuFileExit->setShortcuts(kit::withStandardKeys(Qt::CTRL | Qt::Key_Q, QKeySequence::Quit));
    mnuEditCopy = action("mnuEditCopy", QStringLiteral("&Copy"), &frmButton::mnuEditCopy_Click);
    mnuEditCopy->setShortcut(Qt::CTRL | Qt::Key_C);
    mnuHelpAbout = action("mnuHelpAbout", QStringLiteral("&About Knapro..."), &frmButton::mnuHelpAbout_Click);

    mnuPopupSave = action("mnuPopupSave", QStringLiteral("&Save"), &frmButton::mnuFileSave_Click);
    mnuPopupCopy = action("mnuPopupCopy", QStringLiteral("&Copy to Clipboard"), &frmButton::mnuEditCopy_Click);
    mnuPopupOpen = action("mnuPopupOpen", QStringLiteral("&Open"), &frmButton::OpenFile);
    mnuPopupClose = action("mnuPopupClose", QStringLiteral("Cl&ose"), &frmButton::mnuFileClose_Click);

    m_recentFiles = new kit::RecentFilesMenu(m_settings, m_dialogs, this, [this](const QString& path) { openSkinOrPicture(path); });
}

void frmButton::createMenus()
{
    QMenu* mnuFile = menuBar()->addMenu(QStringLiteral("&File"));
    mnuFile->setObjectName(QStringLiteral("mnuFile"));
    mnuFile->addActions({mnuFileOpen, mnuFileOpenSkin});
    mnuFile->addMenu(m_recentFiles->menu());
    mnuFile->addActions({mnuFileClose, mnuFileCloseAll});
    mnuFile->addSeparator();
    mnuFile->addAction(mnuFileRanVis);
    mnuFile->addSeparator();
    mnuFile->addAction(mnuFileSave);
    mnuFile->addSeparator();
    mnuFile->addAction(mnuFileExit);

    QMenu* mnuEdit = menuBar()->addMenu(QStringLiteral("&Edit"));
    mnuEdit->setObjectName(QStringLiteral("mnuEdit"));
    mnuEdit->addAction(mnuEditCopy);

    for (int tab = 0; tab < kTabCount; ++tab)
        m_tabs[static_cast<size_t>(tab)].elementMenu = createElementMenu(tab);

    QMenu* mnuHelp = menuBar()->addMenu(QStringLiteral("&Help"));
    mnuHelp->setObjectName(QStringLiteral("mnuHelp"));
    mnuHelp->addAction(mnuHelpAbout);

    mnuPopup = new QMenu(QStringLiteral("Popup"), this);
    mnuPopup->setObjectName(QStringLiteral("mnuPopup"));
    mnuPopup->addActions({mnuPopupSave, mnuPopupCopy});
    mnuPopup->addSeparator();
    mnuPopup->addActions({mnuPopupOpen, mnuPopupClose});
    mnuPopup->setDefaultAction(mnuPopupSave);
}

QMenu* frmButton::createElementMenu(int tab)
{
    const TabDescriptor& descriptor = tabDescriptors()[static_cast<size_t>(tab)];
    QMenu* menu = menuBar()->addMenu(kit::toQString(descriptor.menuCaption));
    menu->setObjectName(kit::toQString(descriptor.menuName));

    // parents[d] is the menu that takes the items of depth d.
    std::vector<QMenu*> parents {menu};
    for (const MenuItem& item : elementMenu(tab)) {
        parents.resize(static_cast<size_t>(item.depth) + 1);
        QMenu* parentMenu = parents.back();
        switch (item.kind) {
        case MenuItem::Kind::Separator:
            parentMenu->addSeparator();
            break;
        case MenuItem::Kind::Submenu: {
            QMenu* submenu = parentMenu->addMenu(kit::toQString(item.caption));
            submenu->setObjectName(kit::toQString(item.name));
            parents.push_back(submenu);
            break;
        }
        case MenuItem::Kind::Command: {
            QAction* command = parentMenu->addAction(kit::toQString(item.caption));
            command->setObjectName(kit::toQString(item.name));
            const std::string_view name = item.name;
            connect(command, &QAction::triggered, this, [this, name] { elementCommand_Click(name); });
            break;
        }
        }
    }
    return menu;
}

void frmButton::createControls()
{
    auto* client = new QWidget(this);
    client->setFixedSize(kClientWidth, kClientHeight);
    setCentralWidget(client);

    tabButton = new QTabWidget(client);
    tabButton->setObjectName(QStringLiteral("tabButton"));
    tabButton->setGeometry(8, 8, 313, 377);
    for (const TabDescriptor& descriptor : tabDescriptors())
        tabButton->addTab(new QWidget, kit::toQString(descriptor.caption));
    for (int tab = 0; tab < kTabCount; ++tab)
        createTabControls(tab);
    connect(tabButton, &QTabWidget::currentChanged, this, &frmButton::tabButton_Click);

    picButton = new PictureBox(client);
    picButton->setObjectName(QStringLiteral("picButton"));
    picButton->move(24, 296);
    picButton->hide();
    connect(picButton, &PictureBox::mouseDown, this, [this](Qt::MouseButton button) { picButton_MouseDown(mouseButtonNumber(button)); });

    const auto button = [client](const char* name, const QString& caption, const QString& toolTip, int x) {
        auto* created = new QPushButton(caption, client);
        created->setObjectName(QLatin1String(name));
        created->setToolTip(toolTip);
        created->setGeometry(x, 345, 81, 25);
        return created;
    };
    cmdOpen = button("cmdOpen", QStringLiteral("&Open"), QStringLiteral("Open a new background"), 48);
    cmdSave = button("cmdSave", QStringLiteral("&Save"), QStringLiteral("Save the current button"), 128);
    cmdExit = button("cmdExit", QStringLiteral("E&xit"), QStringLiteral("Do I really need to explain this?"), 216);
    connect(cmdOpen, &QPushButton::clicked, this, &frmButton::OpenFile);
    connect(cmdSave, &QPushButton::clicked, this, &frmButton::mnuFileSave_Click);
    connect(cmdExit, &QPushButton::clicked, this, &frmButton::mnuFileExit_Click);
}

void frmButton::createTabControls(int tab)
{
    TabControls& controls = m_tabs[static_cast<size_t>(tab)];
    const QString suffix = QStringLiteral("(%1)").arg(tab);

    // The window's layout measures each tab's pictures from the tab control's outer
    // corner, while QTabWidget puts its own pages wherever the style draws the tab
    // bar and frame. Parenting the controls to the tab control keeps every style's
    // positions exact; in return tabButton_Click has to show the current tab's set.
    controls.page = new QWidget(tabButton);
    controls.page->setGeometry(16, 40, kPictureWidth, 128 + kPictureHeight);
    controls.page->setVisible(tab == tabButton->currentIndex());

    controls.picBack = new PictureBox(controls.page);
    controls.picBack->setObjectName(QStringLiteral("picBack") + suffix);
    controls.picBack->setGeometry(0, 0, kPictureWidth, kPictureHeight);
    controls.picBack->setToolTip(QStringLiteral("Original Image"));
    connect(controls.picBack, &PictureBox::clicked, this, &frmButton::OpenFile);

    controls.imgBack = new PictureBox(controls.page);
    controls.imgBack->setObjectName(QStringLiteral("imgBack") + suffix);
    controls.imgBack->setGeometry(0, 128, kPictureWidth, kPictureHeight);

    controls.imgCover = new PictureBox(controls.page);
    controls.imgCover->setObjectName(QStringLiteral("imgCover") + suffix);
    controls.imgCover->setGeometry(0, 128, kPictureWidth, kPictureHeight);
    controls.imgCover->setPicture(overlayPicture(tab));
    connect(controls.imgCover, &PictureBox::mouseDown, this, [this, tab](Qt::MouseButton button) { imgCover_MouseDown(tab, mouseButtonNumber(button)); });

    for (const ClickableArea& area : clickableAreas(tab)) {
        auto* box = new PictureBox(controls.imgCover);
        box->setObjectName(kit::toQString(controlDisplayName(area)));
        box->setGeometry(toQRect(area.area));
        box->setToolTip(kit::toQString(area.label));
        box->setCursor(Qt::PointingHandCursor);
        if (area.action == AreaAction::RandomColourFile)
            connect(box, &PictureBox::clicked, this, &frmButton::mnuFileRanVis_Click);
        else
            connect(box, &PictureBox::mouseDown, this, [this, &area](Qt::MouseButton button) {
                elementArea_MouseDown(area, mouseButtonNumber(button));
            });
    }
}

const QImage& frmButton::currentPicture() const { return m_tabs[static_cast<size_t>(intTab)].picture; }

void frmButton::updateCommandStates()
{
    std::array<QSize, kTabCount> sizes;
    for (size_t tab = 0; tab < sizes.size(); ++tab)
        sizes[tab] = m_tabs[tab].picture.isNull() ? QSize() : m_tabs[tab].picture.size();
    const CommandStates states = commandStates(sizes, intTab, m_previewShown);

    mnuFileClose->setEnabled(states.closeEnabled);
    mnuPopupClose->setEnabled(states.closeEnabled);
    mnuFileCloseAll->setEnabled(states.closeAllEnabled);
    mnuFileSave->setEnabled(states.saveEnabled);
    mnuPopupSave->setEnabled(states.saveEnabled);
    cmdSave->setEnabled(states.saveEnabled);
    mnuEditCopy->setEnabled(states.copyEnabled);
    mnuPopupCopy->setEnabled(states.copyEnabled);
    for (size_t tab = 0; tab < m_tabs.size(); ++tab) {
        QAction* menu = m_tabs[tab].elementMenu->menuAction();
        menu->setVisible(states.elementMenuVisible[tab]);
        menu->setEnabled(states.elementMenuEnabled[tab]);
    }
    picButton->setVisible(m_previewShown);
}

void frmButton::hidePreview()
{
    m_previewShown = false;
    updateCommandStates();
}

void frmButton::setTabPicture(int tab, const QImage& picture)
{
    TabControls& controls = m_tabs[static_cast<size_t>(tab)];
    controls.picture = picture;
    controls.picBack->setPicture(picture);
    controls.imgBack->setPicture(picture);
}

void frmButton::showWrongSize()
{
    m_dialogs.message(this, kWrongSizeTitle, kWrongSizeText, kit::MessageButtons::Ok, kit::MessageIcon::Critical);
}

QString frmButton::OpenFileName()
{
    kit::FileRequest request;
    request.title = QStringLiteral("Open File");
    request.directory = QDir::currentPath();
    request.fileName = kit::toQString(tabDescriptors()[static_cast<size_t>(intTab)].defaultFileName);
    request.filter = kOpenFilter;
    request.filterIndex = 0;
    request.defaultExtension = kBitmapExtension;
    return kit::openFileRemembering(m_dialogs, m_settings, this, kit::FolderKind::SkinPictures, request);
}

void frmButton::OpenFile()
{
    const QString path = OpenFileName();
    if (!path.isEmpty())
        openPicture(tabButton->currentIndex(), path);
}

void frmButton::openPicture(int tab, const QString& path)
{
    intTab = tab;
    const OpenedPicture opened = loadPicture(path);
    if (opened.image.isNull() && opened.size.isEmpty()) {
        m_dialogs.message(this, QStringLiteral("Unsupported File Type"), QStringLiteral("This file type is not supported."),
                          kit::MessageButtons::Ok, kit::MessageIcon::Information);
        return;
    }
    // A picture larger than a window is not even decoded: it is named by the
    // size its header gives, and the tab keeps what it held.
    if (!opened.image.isNull()) {
        setTabPicture(intTab, opened.image);
        m_recentFiles->add(path);
        hidePreview();
    }
    if (opened.size != QSize(kPictureWidth, kPictureHeight)) {
        const QString size = QStringLiteral("Your image is only %1 x %2.").arg(opened.size.width()).arg(opened.size.height());
        m_dialogs.message(this, kWrongSizeTitle, size + QLatin1Char('\r') + kWrongSizeText, kit::MessageButtons::Ok,
                          kit::MessageIcon::Critical);
    }
}

void frmButton::mnuFileOpenSkin_Click()
{
    kit::FileRequest request;
    request.title = kOpenSkinTitle;
    request.directory = QDir::currentPath();
    request.filter = kSkinFilter;
    const QString chosen = kit::openFileRemembering(m_dialogs, m_settings, this, kit::FolderKind::SkinPictures, request);
    if (chosen.isEmpty())
        return;
    openSkin(kit::isSkinArchiveName(kit::toPath(chosen)) ? chosen : QFileInfo(chosen).absolutePath());
}

void frmButton::openSkin(const QString& path)
{
    const kit::SkinOpen opened = kit::SkinSource::open(kit::toPath(path));
    if (!opened.skin) {
        m_dialogs.message(this, kOpenSkinTitle, kit::toQString(opened.message), kit::MessageButtons::Ok,
                          kit::MessageIcon::Critical);
        return;
    }
    const SkinWindowPictures pictures = readSkinWindowPictures(*opened.skin);
    for (int tab = 0; tab < kTabCount; ++tab)
        setTabPicture(tab, pictures[static_cast<size_t>(tab)].picture);
    intTab = tabButton->currentIndex();
    picButton->setPicture(QImage());
    hidePreview();
    m_recentFiles->add(path);
    if (const QString report = skinWindowReport(*opened.skin, pictures); !report.isEmpty())
        m_dialogs.message(this, kOpenSkinTitle, report, kit::MessageButtons::Ok,
                          skinWindowsComplete(pictures) ? kit::MessageIcon::Information : kit::MessageIcon::Exclamation);
}

void frmButton::openSkinOrPicture(const QString& path)
{
    if (kit::isDirectory(path) || kit::isSkinArchiveName(kit::toPath(path)))
        openSkin(path);
    else
        openPicture(tabButton->currentIndex(), path);
}

void frmButton::Buttons(const ElementRect& cut, const QString& strTool, int intMouse)
{
    if (currentPicture().isNull()) {
        OpenFile();
        return;
    }
    if (!hasWindowSize(currentPicture())) {
        showWrongSize();
        return;
    }
    const QImage element = cutElement(currentPicture(), cut);
    picButton->setPicture(element);
    picButton->resize(element.size());
    picButton->setToolTip(strTool);
    m_previewShown = true;
    updateCommandStates();
    if (intMouse == 2)
        mnuPopup->popup(QCursor::pos());
}

void frmButton::elementArea_MouseDown(const ClickableArea& area, int button)
{
    Buttons(area.cut, kit::toQString(area.label), button);
}

void frmButton::elementCommand_Click(std::string_view command)
{
    if (const std::optional<Element> element = elementForCommand(command))
        Buttons(element->cut, kit::toQString(element->label));
}

void frmButton::imgCover_MouseDown(int index, int button)
{
    const QImage& picture = m_tabs[static_cast<size_t>(index)].picture;
    if (picture.isNull())
        OpenFile();
    else if (!hasWindowSize(picture))
        showWrongSize();
    else if (button == 2)
        m_tabs[static_cast<size_t>(index)].elementMenu->popup(QCursor::pos());
}

void frmButton::picButton_MouseDown(int button)
{
    if (button == 2)
        mnuPopup->popup(QCursor::pos());
}

void frmButton::tabButton_Click()
{
    m_previewShown = false;
    intTab = tabButton->currentIndex();
    for (size_t tab = 0; tab < m_tabs.size(); ++tab)
        m_tabs[tab].page->setVisible(static_cast<int>(tab) == intTab);
    updateCommandStates();
}

QString frmButton::SaveFileName()
{
    kit::FileRequest request;
    request.title = QStringLiteral("Save As");
    request.directory = QDir::currentPath();
    request.fileName = m_saveDialogFileName;
    request.filter = strFilter;
    request.filterIndex = 0;
    request.defaultExtension = strDefaultExt;
    request.confirmOverwrite = true;
    return kit::saveFileRemembering(m_dialogs, m_settings, this, m_saveFolderKind, request);
}

bool frmButton::writeFileReportingFailure(const QString& path, const std::string& bytes)
{
    const std::string reason = kit::replaceFile(kit::toPath(path), bytes);
    if (reason.empty())
        return true;
    m_dialogs.message(this, QStringLiteral("Save Failed"), kit::couldNotSaveText(path, kit::fromSystemText(reason)),
                      kit::MessageButtons::Ok, kit::MessageIcon::Critical);
    return false;
}

void frmButton::SaveFileAs()
{
    const QString path = SaveFileName();
    if (!path.isEmpty())
        writeFileReportingFailure(path, bmpFileBytes(picButton->picture()));
}

// The save dialog offers bitmaps under an empty name, except while the colour file
// generator has just borrowed it for a text file.
void frmButton::useBitmapSaveSettings()
{
    strDefaultExt = kBitmapExtension;
    strFilter = kBitmapFilter;
    m_saveDialogFileName.clear();
    m_saveFolderKind = kit::FolderKind::SaveTargets;
}

void frmButton::mnuFileSave_Click()
{
    useBitmapSaveSettings();
    SaveFileAs();
}

void frmButton::mnuEditCopy_Click()
{
    QClipboard* clipboard = QGuiApplication::clipboard();
    clipboard->clear();
    clipboard->setImage(picButton->picture());
}

void frmButton::mnuFileClose_Click()
{
    setTabPicture(intTab, QImage());
    picButton->setPicture(QImage());
    hidePreview();
    cmdOpen->setFocus();
}

void frmButton::mnuFileCloseAll_Click()
{
    for (int tab = 0; tab < kTabCount; ++tab)
        setTabPicture(tab, QImage());
    picButton->setPicture(QImage());
    hidePreview();
    cmdOpen->setFocus();
}

void frmButton::mnuFileRanVis_Click() { RandomColourFile(); }

void frmButton::RandomColourFile()
{
    strDefaultExt = QStringLiteral("*.txt");
    strFilter = kTextFilter;
    m_saveDialogFileName = QStringLiteral("Tessel.txt");
    m_saveFolderKind = kit::FolderKind::ColourFiles;
    const QString path = SaveFileName();
    if (path.isEmpty())
        return;
    writeFileReportingFailure(path, randomColourFileBytes([this] { return m_generator.Random(); }));
    useBitmapSaveSettings();
}

void frmButton::mnuHelpAbout_Click()
{
    auto* about = new frmAbout(this);
    about->setAttribute(Qt::WA_DeleteOnClose);
    about->setWindowModality(Qt::ApplicationModal);
    about->show();
}

void frmButton::mnuFileExit_Click() { QCoreApplication::quit(); }

} // namespace knapro
