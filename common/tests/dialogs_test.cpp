#include "common/ui/dialogs.h"

#include <gtest/gtest.h>

TEST(NameFilters, TurnPipeListsIntoQtFiltersThatMatchTheSamePatterns)
{
    const QStringList filters = kit::nameFiltersFromPipeList(
        "All supported types|*.bmp;*.jpg;*.jpeg;*.gif|Bitmap Files (*.bmp)|*.bmp|"
        "JPEG Files (*.jpg, *.jpeg)|*.jpg; *.jpeg|GIF Files (*.gif)|*.gif|All Files (*.*)|*.*");
    EXPECT_EQ(filters, QStringList({"All supported types (*.bmp *.jpg *.jpeg *.gif)", "Bitmap Files (*.bmp)",
                                    "JPEG Files (*.jpg *.jpeg)", "GIF Files (*.gif)", "All Files (*)"}));
}

TEST(NameFilters, IgnoreATrailingSeparatorAndAnEmptyText)
{
    EXPECT_EQ(kit::nameFiltersFromPipeList("Text Files (*.txt)|*.txt|"), QStringList({"Text Files (*.txt)"}));
    EXPECT_TRUE(kit::nameFiltersFromPipeList("").isEmpty());
}

TEST(DisplayText, ShowsEveryKindOfLineBreakAsOne)
{
    EXPECT_EQ(kit::displayText("Your image is only 276 x 116.\rPlease"), "Your image is only 276 x 116.\nPlease");
    EXPECT_EQ(kit::displayText("a\r\nb\n\rc\nd"), "a\nb\nc\nd");
    EXPECT_EQ(kit::displayText("Help\n\r\n\rUse"), "Help\n\nUse");
}
