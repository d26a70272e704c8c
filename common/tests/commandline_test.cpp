#include "common/core/commandline.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <memory>

namespace {

using Action = kit::CommandLine::Action;

constexpr kit::ProgramInfo kProgram{"tessel", "Tessel", "1.0", "Tessel edits colours.", "FILE"};

// All that was written to `stream`.
std::string written(std::FILE* stream)
{
    std::string text;
    std::rewind(stream);
    for (int c; (c = std::getc(stream)) != EOF;)
        text += static_cast<char>(c);
    return text;
}

TEST(CommandLine, ReadsOptionsAndTheFileOperandTheUsualWay)
{
    struct Case {
        std::vector<std::string> args;
        bool takesFile;
        Action action;
        std::optional<std::string> file;
        std::string error;
    };
    const Case cases[] = {
        {{}, true, Action::Run, std::nullopt, ""},
        {{"Tessel.txt"}, true, Action::Run, "Tessel.txt", ""},
        {{"/skins/my skin/Tessel.txt"}, true, Action::Run, "/skins/my skin/Tessel.txt", ""},
        {{"-"}, true, Action::Run, "-", ""},
        {{"--", "--help"}, true, Action::Run, "--help", ""},
        {{"--", "-h"}, true, Action::Run, "-h", ""},
        {{"-h"}, false, Action::Help, std::nullopt, ""},
        {{"--help"}, false, Action::Help, std::nullopt, ""},
        {{"--version"}, false, Action::Version, std::nullopt, ""},
        {{"Tessel.txt", "--help"}, true, Action::Help, std::nullopt, ""},
        {{"--version", "--bogus"}, false, Action::Version, std::nullopt, ""},
        {{"--bogus", "--help"}, false, Action::Misuse, std::nullopt, "unknown option '--bogus'"},
        {{"-x"}, true, Action::Misuse, std::nullopt, "unknown option '-x'"},
        {{"--help=x"}, false, Action::Misuse, std::nullopt, "unknown option '--help=x'"},
        {{"--vers"}, false, Action::Misuse, std::nullopt, "unknown option '--vers'"},
        {{"-hv"}, false, Action::Misuse, std::nullopt, "unknown option '-hv'"},
        {{"a.txt", "b.txt"}, true, Action::Misuse, std::nullopt, "unexpected argument 'b.txt'"},
        {{"Region.txt"}, false, Action::Misuse, std::nullopt, "unexpected argument 'Region.txt'"},
        {{"--", "x"}, false, Action::Misuse, std::nullopt, "unexpected argument 'x'"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(::testing::PrintToString(c.args));
        const kit::CommandLine parsed = kit::parseCommandLine(c.args, c.takesFile);
        EXPECT_EQ(parsed.action, c.action);
        EXPECT_EQ(parsed.file, c.file);
        EXPECT_EQ(parsed.error, c.error);
    }
}

TEST(CommandLine, ReadsArgvAfterTheProgramName)
{
    const char* argv[] = {"tessel", "--", "skin.txt", nullptr};
    const kit::CommandLine parsed = kit::parseCommandLine(3, argv, true);
    EXPECT_EQ(parsed.action, Action::Run);
    EXPECT_EQ(parsed.file, "skin.txt");
}

TEST(CommandLine, AnswersOnTheRightStreamWithTheUsualStatus)
{
    const std::string usage = "Usage: tessel [OPTION]... [FILE]\n"
                              "Tessel edits colours.\n"
                              "\n"
                              "Options:\n"
                              "  -h, --help     print this help and exit\n"
                              "      --version  print the version and exit\n";
    const std::string version = "Tessel 1.0\n"
                                "Copyright (C) The Skin Kit authors.\n"
                                "Free software under the MIT licence; there is NO WARRANTY.\n";
    struct Case {
        std::vector<std::string> args;
        std::optional<int> status;
        std::string out;
        std::string err;
    };
    const Case cases[] = {
        {{"Tessel.txt"}, std::nullopt, "", ""},
        {{"--help"}, 0, usage, ""},
        {{"--version"}, 0, version, ""},
        {{"--bogus"}, 2, "", "tessel: unknown option '--bogus'\n" + usage},
        {{"a", "b"}, 2, "", "tessel: unexpected argument 'b'\n" + usage},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(::testing::PrintToString(c.args));
        const std::unique_ptr<std::FILE, int (*)(std::FILE*)> out(std::tmpfile(), std::fclose);
        const std::unique_ptr<std::FILE, int (*)(std::FILE*)> err(std::tmpfile(), std::fclose);
        ASSERT_TRUE(out && err);
        EXPECT_EQ(kit::answerCommandLine(kit::parseCommandLine(c.args, true), kProgram, out.get(), err.get()), c.status);
        EXPECT_EQ(written(out.get()), c.out);
        EXPECT_EQ(written(err.get()), c.err);
    }
}

TEST(CommandLine, AFailedWriteIsNotReportedAsSuccess)
{
    const std::unique_ptr<std::FILE, int (*)(std::FILE*)> full(std::fopen("/dev/full", "w"), std::fclose);
    ASSERT_TRUE(full);
    EXPECT_EQ(kit::answerCommandLine(kit::parseCommandLine({"--help"}, false), kProgram, full.get(), stderr), 1);
    EXPECT_EQ(kit::answerCommandLine(kit::parseCommandLine({"--version"}, false), kProgram, full.get(), stderr), 1);
}

} // namespace

TEST(CommandLine, AsksForADisplayOnlyWhereThePlatformNeedsOne)
{
    const struct { const char* platform; const char* display; const char* wayland; bool missing; } cases[] = {
        {nullptr, nullptr, nullptr, true},
        {nullptr, "", "", true},
        {nullptr, ":0", nullptr, false},
        {nullptr, nullptr, "wayland-0", false},
        {"xcb", nullptr, "wayland-0", true},
        {"xcb", ":99", nullptr, false},
        {"wayland", ":0", nullptr, true},
        {"wayland-egl", nullptr, "wayland-1", false},
        {"wayland;xcb", ":0", nullptr, false},
        {"offscreen", nullptr, nullptr, false},
        {"vnc:size=800x600", nullptr, nullptr, false},
        {"xcb:nograb", ":1", nullptr, false},
    };
    for (const auto& c : cases)
        EXPECT_EQ(kit::missingDisplay(c.platform, c.display, c.wayland).has_value(), c.missing)
            << (c.platform ? c.platform : "(unset)") << " " << (c.display ? c.display : "(unset)");
}
