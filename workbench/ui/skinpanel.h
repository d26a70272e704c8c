#pragma once

#include "workbench/core/colourfile.h"
#include "workbench/core/regionshape.h"
#include "workbench/core/skin.h"

#include <QImage>
#include <QWidget>

#include <optional>
#include <string_view>
#include <vector>

class QCheckBox;
class QComboBox;
class QLineEdit;
class QPushButton;
class QTimer;

namespace kit {
class Dialogs;
class PictureBox;
class Settings;
}

namespace tessel {

using kit::PictureBox;

// The skin preview of the main window: the player's main window composed from
// the ten bitmaps of a skin directory, with its transport buttons, position
// knob, title and channel, and the colours' previews, static and animated, in
// the place the player plays them. It also holds the controls that the compact
// layout keeps, and switches between the two layouts.
//
// It lies over the whole client area of the main window, as the other panels
// do, so that every control keeps its place in the window's coordinates.
class SkinPanel : public QWidget
{
    Q_OBJECT
public:
    static constexpr QPoint kFullPreviewAt {285, 59};
    static constexpr QPoint kCompactPreviewAt {3, 1};

    SkinPanel(kit::Dialogs& dialogs, kit::Settings& settings, QWidget* parent = nullptr);

    const QString& skinDirectory() const { return m_skinDirectory; }
    // Where the skin is read from: the skin archive opened last, or else the
    // skin directory.
    QString skinPath() const;
    // The directory of the file at `path` becomes the skin directory, and the
    // skin is read from that directory again.
    void setSkinDirectoryFromFile(const QString& path);
    // "AutoSkin Load": a colour file opened brings the skin beside it.
    bool autoSkinLoad() const;
    bool compact() const { return m_compact; }
    // What Open Skin does once a file is chosen: a skin archive is the skin,
    // any other file names its folder, and a folder is the skin folder. A skin
    // that cannot be opened leaves the one open before in place.
    void openSkin(const QString& chosen);

    // Loads the ten pictures from skinPath(). A skin that cannot be opened at
    // all is reported and leaves the pictures as they were; returns whether it
    // could be opened.
    bool LoadSkin();
    void DrawMainWindow();
    // The skin's main window as the preview composes it, with nothing drawn
    // over it; a null picture until a picture of the skin has loaded.
    QImage skinMainWindow() const;
    // Paints the three static previews from `table`.
    void PaintPreview(const ColourTable& table);
    // Shows the window cut to `shape` from now on, or whole without one.
    void showShape(const std::optional<ShapeMask>& shape);
    // Composes the window afresh and draws the polygons of `counts` and `list`
    // over it. Returns the count text of the last polygon drawn.
    std::string_view DrawRegion(std::string_view counts, std::string_view list);
    // Outlines the polygon of `corners` over the preview in a colour of its
    // own, until the window is next composed.
    void outlinePolygon(const std::vector<QPoint>& corners);

public slots:
    void Command4_Click();
    void Command5_Click();
    void Command9_Click();
    void Command10_Click();
    void Timer2_Timer();
    void Combo2_Click();
    void Text2_Change();
    void Check2_Click();
    void Picture6_MouseDown(Qt::MouseButton button, QPoint at);
    void Picture6_MouseMove(Qt::MouseButtons buttons, QPoint at);
    void Picture6_MouseUp(Qt::MouseButton button, QPoint at);
    void Picture17_MouseDown(Qt::MouseButton button, QPoint at);
    void Picture17_MouseMove(Qt::MouseButtons buttons, QPoint at);
    void Picture17_MouseUp(Qt::MouseButton button, QPoint at);

signals:
    // Start Vis commits the colour editor's bars before it starts or stops.
    void commitWanted();
    // Open Skin loaded the skin at `path`, a folder or an archive, chosen by the author.
    void skinOpened(const QString& path);
    // The pictures were read from the skin at `path`, a folder or an archive.
    void skinLoaded(const QString& path);
    // Min or Max switched the layout.
    void compactChanged(bool compact);
    // The title box holds the word that opens the show.
    void triggerWordTyped();

private:
    void createControls();
    void applyLayout();
    void updateActions();
    void showKnob(const QRect& piece);
    MainWindowLook look() const;

    kit::Dialogs& m_dialogs;
    kit::Settings& m_settings;

    PictureBox* Picture6;
    PictureBox* Picture17;
    QComboBox* Combo2;
    QLineEdit* Text2;
    QCheckBox* Check1;
    QCheckBox* Check2;
    QPushButton* Command5;
    QPushButton* Command9;
    QPushButton* Command10;

    // The visualization preview.
    PictureBox* Picture1;
    PictureBox* Picture2;
    PictureBox* Picture4;
    PictureBox* Picture5;
    QComboBox* Combo1;
    QPushButton* Command4;
    QTimer* Timer2;

    QString m_skinDirectory;
    QString m_skinArchive;
    SkinPictures m_skin;
    TransportButton pressedButton = TransportButton::None;
    TransportButton m_grabbedButton = TransportButton::None;
    int m_knobGrabX = 0;
    int styleOffset = 0;
    QImage m_visArea;
    std::vector<int> m_bars;
    bool m_compact = false;
    std::vector<QWidget*> m_fullLayoutOnly;
    std::optional<ShapeMask> m_shape;
};

} // namespace tessel
