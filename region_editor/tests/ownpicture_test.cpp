#include "region_editor/tests/plevotestsupport.h"

#include "common/testing/encodedpicture.h"
#include "common/testing/flatskin.h"
#include "common/testing/latin1folder.h"
#include "common/testing/pixelblocks.h"
#include "common/ui/picturebox.h"

#include <QAction>
#include <QMimeData>
#include <QSlider>
#include <QUrl>

#include <fstream>

using kit::MessageIcon;

namespace plevo::testing {
namespace {

// The author's picture: no pixel of it is pure green or pure magenta.
QImage authorPicture(QSize size = {275, 116})
{
    QImage picture(size, QImage::Format_RGB32);
    for (int y = 0; y < picture.height(); ++y)
        for (int x = 0; x < picture.width(); ++x)
            picture.setPixel(x, y, qRgb(x % 200, y % 200, 128));
    return picture;
}

const QColor kLine(0, 255, 0);
const QColor kLink(255, 0, 255);

class OwnPicture : public PlevoWindowTest
{
protected:
    QString saved(const QString& name, const QImage& picture)
    {
        const QString path = QDir(scratch.path()).filePath(name);
        EXPECT_TRUE(picture.save(path));
        return path;
    }
    kit::PictureBox* picture() const { return control<kit::PictureBox>("Image1"); }
    void drop(const QUrl& url) const
    {
        QMimeData data;
        data.setUrls({url});
        // Qt takes a drop only where the drag's entry was accepted.
        QDragEnterEvent enter(QPoint(5, 5), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(picture(), &enter);
        QDropEvent drop(QPointF(5, 5), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(picture(), &drop);
    }
    void chooseMarks(bool filled)
    {
        click("Image8");
        click("Image9");
        Form3* picker = form->colourPicker();
        dialogs.chooseColour(kLine).chooseColour(kLink);
        clickIn(picker->findChild<PictureButton*>("Image4"));
        clickIn(picker->findChild<PictureButton*>("Image5"));
        picker->findChild<QSlider*>("Slider1")->setValue(filled ? 1 : 0);
    }
};

TEST_F(OwnPicture, ADroppedOrOpenedPictureShowsTheAuthorsPixelsAndKeepsThePoints)
{
    drop(QUrl::fromLocalFile(saved("dropped.bmp", authorPicture())));
    EXPECT_TRUE(kit::testing::showsPixelForPixel(picture()->grab(), authorPicture(), 1));
    EXPECT_EQ(form->status(), "Picture dropped.bmp");

    // A file manager sends a name that is not UTF-8 ("café" in Latin-1) as its
    // percent-encoded bytes.
    const QImage other = authorPicture().mirrored(false, true);
    const kit::testing::Latin1Folder latin1(scratch.path());
    std::ofstream(latin1.path() / "dropped.bmp", std::ios::binary) << kit::testing::encodedPicture(other, "BMP");
    drop(QUrl::fromEncoded(QByteArray("file://") + QFile::encodeName(scratch.path()).toPercentEncoding("/") +
                           "/caf%E9/dropped.bmp"));
    EXPECT_TRUE(picture()->picture() == other);
    clickPicture({10, 10});

    const QImage flipped = authorPicture().mirrored(true, false);
    dialogs.choosePath(saved("main.png", flipped));
    form->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(form.get()));
    QTest::keySequence(form.get(), QKeySequence::Open);
    EXPECT_EQ(dialogs.lastCall().file.title, "Open Picture");
    EXPECT_TRUE(picture()->picture() == flipped);
    EXPECT_EQ(QColor(picture()->grab().toImage().pixel(200, 100)), QColor(flipped.pixel(200, 100)));
    EXPECT_EQ(form->pointIndex().total, "1");

    // The file panel's own load button still only says what it always said.
    click("Image4");
    click("Image13");
    EXPECT_EQ(dialogs.lastCall().text, "Loading files code not ready");
    EXPECT_TRUE(picture()->picture() == flipped);
}

TEST_F(OwnPicture, ADroppedSkinShowsItsMainWindowAsThePlayerDrawsIt)
{
    using namespace kit::testing;
    const auto archive = [this](const QString& name, const std::vector<kit::SkinFile>& without) {
        const QString path = QDir(scratch.path()).filePath(name);
        QFile file(path);
        const std::string bytes = zipArchive(flatSkinMembers("Real/", without));
        EXPECT_TRUE(file.open(QIODevice::WriteOnly) && file.write(bytes.data(), qint64(bytes.size())) == qint64(bytes.size()));
        return path;
    };
    drop(QUrl::fromLocalFile(archive("Real.wsz", {})));
    EXPECT_EQ(form->status(), "Picture Real.wsz");
    EXPECT_TRUE(dialogs.messages().empty());
    const QImage shown = picture()->grab().toImage();
    EXPECT_EQ(QColor(shown.pixel(kPlayPoint)), QColor(flatSkinColour(kit::SkinFile::CButtons)));
    EXPECT_EQ(QColor(shown.pixel(kTitleBarPoint)), QColor(flatSkinColour(kit::SkinFile::TitleBar)));
    EXPECT_EQ(QColor(shown.pixel(kBackgroundPoint)), QColor(flatSkinColour(kit::SkinFile::Main)));

    drop(QUrl::fromLocalFile(archive("Lacking.wsz", {kit::SkinFile::TitleBar})));
    EXPECT_EQ(dialogs.lastCall().text, "Lacking.wsz: the main window is shown without titlebar.bmp, which the skin "
                                       "lacks or Plevo cannot read, so what they draw is not in it.");
    EXPECT_EQ(dialogs.lastCall().icon, MessageIcon::Information);
    EXPECT_EQ(QColor(picture()->picture().pixel(kTitleBarPoint)), QColor(flatSkinColour(kit::SkinFile::Main)));
}

TEST_F(OwnPicture, ThePictureDialogReopensInTheFolderLastUsed)
{
    const QString first = saved("first.bmp", authorPicture());
    dialogs.choosePath(first).cancelPath();
    form->openPictureFromDialog();
    form->openPictureFromDialog();
    ASSERT_EQ(dialogs.calls().size(), 2u);
    EXPECT_EQ(dialogs.calls()[1].file.directory, QFileInfo(first).absolutePath());
}

TEST_F(OwnPicture, APictureThatCannotBeShownIsRefusedAndThePictureStays)
{
    const QImage before = picture()->picture();
    QFile text(QDir(scratch.path()).filePath("notes.bmp"));
    ASSERT_TRUE(text.open(QIODevice::WriteOnly) && text.write("not a picture") > 0);
    text.close();
    const struct
    {
        QString path;
        QString message;
    } cases[] = {
        {saved("wide.bmp", authorPicture({276, 116})),
         "%1 is 276 x 116 pixels. Plevo needs a picture of the player's main window, 275 x 116 pixels."},
        {saved("eq.bmp", authorPicture({275, 14})),
         "%1 is 275 x 14 pixels. Plevo needs a picture of the player's main window, 275 x 116 pixels."},
        {text.fileName(), "%1 is not a picture that Plevo can read."},
        {QDir(scratch.path()).filePath("gone.bmp"), "Plevo could not read %1: No such file or directory."},
    };
    for (const auto& [path, message] : cases) {
        EXPECT_FALSE(form->openPicture(path));
        EXPECT_EQ(dialogs.lastCall().title, "Open Picture");
        EXPECT_EQ(dialogs.lastCall().text, message.arg(QDir::toNativeSeparators(path)));
        EXPECT_EQ(dialogs.lastCall().icon, MessageIcon::Exclamation);
        EXPECT_TRUE(picture()->picture() == before);
    }
}

TEST_F(OwnPicture, TheRecordedPolygonIsDrawnInThePickersColoursAtEveryMagnification)
{
    ASSERT_TRUE(form->openPicture(saved("main.bmp", authorPicture())));
    for (QPoint corner : {QPoint(20, 20), QPoint(100, 20), QPoint(100, 80)})
        clickPicture(corner);
    chooseMarks(false);

    for (int magnification : {1, 2, 4}) {
        SCOPED_TRACE(magnification);
        const QImage shown = picture()->grab().toImage().convertToFormat(QImage::Format_RGB32);
        const auto at = [&](double x, double y) { return QColor(shown.pixel(int(x * magnification), int(y * magnification))); };
        // Edges run between the centres of the clicked skin pixels.
        EXPECT_EQ(at(60.5, 20.5), kLine);
        EXPECT_EQ(at(100.5, 50.5), kLine);
        // Outlined corners: a ring in the link colour, the picture inside it.
        EXPECT_EQ(at(20.5, 20.5 - 4.0 / magnification), kLink);
        EXPECT_NE(at(20.5 - 1.0 / magnification, 20.5 + 1.0 / magnification), kLink);
        // Away from the polygon, the author's pixels.
        EXPECT_EQ(at(60.5, 60.5), QColor(authorPicture().pixel(60, 60)));
        if (magnification < 4) {
            click("Image18");
            click("Image15");
        }
    }
    chooseMarks(true);
    const QImage filled = picture()->grab().toImage();
    EXPECT_EQ(QColor(filled.pixel(20 * 4 + 1, 20 * 4 + 3)), kLink);

    // Emptying the point list takes the drawing away.
    click("Image4");
    click("Image20");
    EXPECT_TRUE(kit::testing::showsPixelForPixel(picture()->grab(), authorPicture(), 1, 4));
}

} // namespace
} // namespace plevo::testing
