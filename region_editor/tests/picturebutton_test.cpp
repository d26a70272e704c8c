#include "region_editor/ui/picturebutton.h"

#include <QSignalSpy>
#include <QTest>
#include <gtest/gtest.h>

TEST(PictureButton, IsATwentyPixelPictureThatNamesItself)
{
    QPixmap picture(20, 20);
    picture.fill(Qt::red);
    plevo::PictureButton button(picture, "Save");
    EXPECT_EQ(button.size(), QSize(20, 20));
    EXPECT_EQ(button.toolTip(), "Save");
    EXPECT_EQ(button.accessibleName(), "Save");
    EXPECT_EQ(button.cursor().shape(), Qt::PointingHandCursor);
}

TEST(PictureButton, RunsItsHandlerOnALeftClickOnly)
{
    QPixmap picture(20, 20);
    picture.fill(Qt::blue);
    plevo::PictureButton button(picture, "Quit");
    button.show();
    QSignalSpy clicks(&button, &QAbstractButton::clicked);

    QTest::mouseClick(&button, Qt::RightButton);
    QTest::mouseClick(&button, Qt::MiddleButton);
    EXPECT_EQ(clicks.count(), 0);
    QTest::mouseClick(&button, Qt::LeftButton);
    EXPECT_EQ(clicks.count(), 1);
}
