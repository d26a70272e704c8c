#include "common/testing/qtprinters.h"
#include "common/testing/temporarysettings.h"
#include "common/ui/windowplacement.h"

#include <QWidget>

#include <gtest/gtest.h>

TEST(WindowPlacement, AWindowOpensWhereItWasLastClosedUnlessThatPlaceIsUnknown)
{
    kit::testing::TemporarySettings settings;
    {
        QWidget first;
        first.setFixedSize(120, 80);
        kit::rememberPlacement(&first, *settings, "frmButton");
        first.move(140, 90);
        first.show();
        first.close();
    }
    QWidget again;
    again.setFixedSize(120, 80);
    kit::rememberPlacement(&again, *settings, "frmButton");
    again.show();
    EXPECT_EQ(again.pos(), QPoint(140, 90));

    settings->setWindowGeometry("damaged", "not a geometry");
    QWidget untouched;
    untouched.move(7, 9);
    kit::rememberPlacement(&untouched, *settings, "damaged");
    EXPECT_EQ(untouched.pos(), QPoint(7, 9));
}
