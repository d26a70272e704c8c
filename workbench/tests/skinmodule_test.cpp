#include "workbench/skinreading/skinreading.h"

#include "common/core/fileio.h"
#include "common/core/textconversion.h"
#include "common/testing/ziparchive.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

// The program reads skins through the module the build leaves beside it; a
// folder without it says why.
TEST(SkinModule, LoadsOnceFromTheFirstFolderThatHoldsItAndReadsSkinArchives)
{
    QTemporaryDir temporary;
    const QString archive = temporary.filePath(QStringLiteral("Blue.wsz"));
    ASSERT_EQ(kit::replaceFile(kit::toPath(archive),
                               kit::testing::zipArchive({{"Blue/", ""}, {"Blue/REGION.TXT", "[Normal]\r\nNumPoints=3\r\n"}})),
              "");

    QString problem;
    const tessel::SkinReading* reading =
        tessel::skinReading({temporary.path(), QStringLiteral(TESSEL_MODULE_DIR)}, &problem);
    ASSERT_NE(reading, nullptr) << problem.toStdString();
    EXPECT_EQ(reading->readFile(archive, "region.txt").bytes, "[Normal]\r\nNumPoints=3\r\n");
    EXPECT_EQ(reading->loadSkin(archive).error, tessel::SkinLoadError::Missing);
    EXPECT_TRUE(reading->checkSkin(archive, "Blue.wsz").readable);
    EXPECT_EQ(tessel::skinReading({}), reading);
}
