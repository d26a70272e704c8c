#pragma once

#include <QRect>

class QGroupBox;
class QWidget;

namespace plevo {

class DirectoryList;
class DriveList;

// The frame, directory list and drive list that the save and host directory
// windows share. Choosing a drive moves the list to that drive's root; every
// chooser starts at the process's current directory.
struct DirectoryChooser
{
    QGroupBox* Frame1 = nullptr;
    DirectoryList* Dir1 = nullptr;
    DriveList* Drive1 = nullptr;

    // Geometry in twips, as the windows give it.
    DirectoryChooser(QWidget* window, const QString& frameCaption, const QRect& frameTwips, const QRect& directoryTwips,
                     const QRect& driveTwips);
};

} // namespace plevo
