#include "region_editor/core/cdsound.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

TEST(CdSound, TheModuleIsFoundInTheFirstFolderThatHoldsIt)
{
    QTemporaryDir empty;
    const plevo::CdSound sound = plevo::loadCdSound({empty.path(), QStringLiteral(PLEVO_MODULE_DIR)});
    ASSERT_NE(sound.makeDrive, nullptr) << sound.problem.toStdString();
    EXPECT_TRUE(sound.problem.isEmpty());
    EXPECT_NE(sound.drive(), nullptr);
    EXPECT_NE(sound.audio(), nullptr);
}

TEST(CdSound, WithoutTheModuleThePlayerSaysItIsNotInstalled)
{
    QTemporaryDir empty;
    const plevo::CdSound sound = plevo::loadCdSound({empty.path()});
    EXPECT_EQ(sound.makeDrive, nullptr);
    EXPECT_FALSE(sound.problem.isEmpty());
    const auto drive = sound.drive();
    const auto audio = sound.audio();
    plevo::CdPlayer player(*drive, *audio);
    const plevo::CdStatus status = player.perform(plevo::CdCommand::Open);
    EXPECT_EQ(status.problem, plevo::CdProblem::NotInstalled);
    EXPECT_EQ(plevo::cdProblemText(status.problem), "Not installed");
}

} // namespace
