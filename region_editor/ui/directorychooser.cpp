#include "region_editor/ui/directorychooser.h"

#include "common/core/textconversion.h"
#include "region_editor/core/twips.h"
#include "region_editor/ui/directorylists.h"

#include <QDir>
#include <QGroupBox>

#include <filesystem>

namespace plevo {
namespace {

QRect toPixels(const QRect& twips) { return twipsToPixels(twips.x(), twips.y(), twips.width(), twips.height()); }

} // namespace

DirectoryChooser::DirectoryChooser(QWidget* window, const QString& frameCaption, const QRect& frameTwips,
                                   const QRect& directoryTwips, const QRect& driveTwips)
{
    Frame1 = new QGroupBox(frameCaption, window);
    Frame1->setObjectName(QStringLiteral("Frame1"));
    Frame1->setGeometry(toPixels(frameTwips));

    Dir1 = new DirectoryList(Frame1);
    Dir1->setObjectName(QStringLiteral("Dir1"));
    Dir1->setGeometry(toPixels(directoryTwips));
    Dir1->setAccessibleName(QStringLiteral("Directory"));

    Drive1 = new DriveList(Frame1);
    Drive1->setObjectName(QStringLiteral("Drive1"));
    Drive1->setGeometry(toPixels(driveTwips));
    Drive1->setAccessibleName(QStringLiteral("Drive"));

    // The lists are narrow; the small font of a classic directory box keeps names readable.
    QFont listFont = Dir1->font();
    listFont.setPixelSize(11);
    Dir1->setFont(listFont);
    Drive1->setFont(listFont);

    DirectoryList* list = Dir1;
    QObject::connect(Drive1, &DriveList::rootChosen, list, &DirectoryList::setPath);
    std::error_code gone;
    const std::filesystem::path working = std::filesystem::current_path(gone);
    const QString start = gone ? QDir::currentPath() : kit::fromPath(working);
    Dir1->setPath(start);
    Drive1->showDriveOf(start);
}

} // namespace plevo
