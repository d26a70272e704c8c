#include "common/core/fileio.h"
#include "common/core/textconversion.h"

#include <QScopeGuard>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

namespace fs = std::filesystem;

TEST(TextConversion, PathsKeepEveryByteAndShowWhatCannotBeDecoded)
{
    const struct { const char* name; std::string bytes; QString shown; } cases[] = {
        {"UTF-8", "/skins/caf\xC3\xA9/\xF0\x9F\x8E\xB5", QString::fromUtf8("/skins/caf\xC3\xA9/\xF0\x9F\x8E\xB5")},
        {"Latin-1", "/skins/caf\xE9", QString::fromUtf8("/skins/caf\xEF\xBF\xBD")},
        {"a cut sequence", "\xE2\x82/x", QString::fromUtf8("\xEF\xBF\xBD\xEF\xBF\xBD/x")},
        {"an encoded surrogate", "\xED\xB2\x80", QString::fromUtf8("\xEF\xBF\xBD\xEF\xBF\xBD\xEF\xBF\xBD")},
        {"an overlong slash", "\xC0\xAF", QString::fromUtf8("\xEF\xBF\xBD\xEF\xBF\xBD")},
        {"past U+10FFFF", "\xF4\x90\x80\x80", QString::fromUtf8("\xEF\xBF\xBD\xEF\xBF\xBD\xEF\xBF\xBD\xEF\xBF\xBD")},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const QString text = kit::fromPath(c.bytes);
        EXPECT_EQ(kit::toPath(text).native(), c.bytes);
        EXPECT_EQ(kit::displayPath(text), c.shown);
    }
}

TEST(TextConversion, ANameThatADialogDecodedLossilyIsFoundAgainWhereItIsUnambiguous)
{
    QTemporaryDir temporary;
    const fs::path top = kit::toPath(temporary.path());
    // QTemporaryDir cannot remove names that are not UTF-8.
    const auto removed = qScopeGuard([&top] { std::error_code ignored; fs::remove_all(top, ignored); });
    fs::create_directories(top / "caf\xE9" / "sub");
    ASSERT_EQ(kit::replaceFile(top / "caf\xE9" / "sub" / "main\xE9.bmp", "x"), "");
    ASSERT_EQ(kit::replaceFile(top / "twin\xE8", "x"), "");
    ASSERT_EQ(kit::replaceFile(top / "twin\xE9", "x"), "");
    const QString lossy = temporary.path() + QString::fromUtf8("/caf\xEF\xBF\xBD");
    const QString replacement = QString::fromUtf8("\xEF\xBF\xBD");

    const struct { QString fromDialog; fs::path expected; } cases[] = {
        {lossy + "/sub/main" + replacement + ".bmp", top / "caf\xE9" / "sub" / "main\xE9.bmp"},
        {lossy + "/Region.txt", top / "caf\xE9" / "Region.txt"}, // a new file, in a found folder
        {lossy + "/new" + replacement + ".txt", top / "caf\xE9" / ("new" + replacement.toStdString() + ".txt")},
        {temporary.path() + "/twin" + replacement, top / ("twin" + replacement.toStdString())}, // two match
        {temporary.path() + "/plain.txt", top / "plain.txt"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(kit::toPath(kit::recoverDecodedPath(c.fromDialog)), c.expected) << c.fromDialog.toStdString();
}

} // namespace
