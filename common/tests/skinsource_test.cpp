#include "common/core/skinsource.h"
#include "common/testing/ziparchive.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <sys/stat.h>

#include <filesystem>
#include <fstream>

namespace {

using kit::SkinSource;
using kit::testing::patched;
using kit::testing::zipArchive;
using kit::testing::ZipEntry;

// What a lookup gives: "-" for nothing, else the stored name and either the
// bytes or "!" and why they could not be read.
std::string lookUp(const SkinSource& skin, std::string_view name)
{
    const kit::SkinMember* member = skin.find(name);
    if (member == nullptr)
        return "-";
    const kit::SkinRead read = skin.read(*member);
    return member->storedName + " = " + (read.error.empty() ? read.bytes : "! " + read.error);
}

// A "*" in an expectation stands for any text.
bool matches(std::string_view text, std::string_view expected)
{
    const size_t star = expected.find('*');
    if (star == std::string_view::npos)
        return text == expected;
    const std::string_view tail = expected.substr(star + 1);
    return text.size() >= star + tail.size() && text.starts_with(expected.substr(0, star)) && text.ends_with(tail);
}

std::string le32(std::uint32_t value)
{
    return {char(value & 0xff), char(value >> 8 & 0xff), char(value >> 16 & 0xff), char(value >> 24)};
}

// The archive with its first member's declared unpacked size changed.
std::string declaringSize(std::string archive, std::uint32_t size)
{
    const std::string sizes = archive.substr(18, 8); // packed, then unpacked, in the first local header
    return patched(archive, sizes, sizes.substr(0, 4) + le32(size));
}

struct ArchiveCase
{
    const char* what;
    std::string archive;
    std::string refusal; // the whole message, when the archive is refused
    std::string folder;
    std::vector<std::pair<std::string, std::string>> lookups; // name asked, what it gives
};

TEST(SkinArchive, LoadsWhatThePlayerWouldAndRefusesTheRestSayingWhy)
{
    const std::string skin = zipArchive({{"main.bmp", "M"}, {"text.bmp", "T"}});
    const std::string bomb(2u << 20, '\0');
    const ArchiveCase cases[] = {
        {"names in mixed case", zipArchive({{"MAIN.BMP", "M"}, {"Text.Bmp", "T", false}}), "", "",
         {{"main.bmp", "MAIN.BMP = M"}, {"TEXT.bmp", "Text.Bmp = T"}, {"cbuttons.bmp", "-"}}},
        {"a skin in one folder, zipped with its folder entry",
         zipArchive({{"Blue/", ""}, {"Blue/main.bmp", "M", false}, {"Blue/extras/", ""}, {"Blue/extras/a.txt", "A"},
                     {"__MACOSX/Blue/._main.bmp", "x"}}),
         "", "Blue/", {{"main.bmp", "Blue/main.bmp = M"}, {"a.txt", "-"}, {"extras", "-"}}},
        {"a skin in one folder, zipped with Windows separators", zipArchive({{"Blue\\main.bmp", "M"}}), "", "Blue/",
         {{"main.bmp", "Blue\\main.bmp = M"}}},
        {"two folders", zipArchive({{"Blue/main.bmp", "M"}, {"Red/main.bmp", "R"}}),
         "x.wsz: its files lie in 2 folders (Blue/, Red/) and none at its top, so no one folder holds the skin", "", {}},
        {"a member that is a folder", zipArchive({{"main.bmp/", ""}, {"text.bmp", "T"}}), "", "",
         {{"main.bmp", "-"}, {"text.bmp", "text.bmp = T"}}},
        {"an empty archive", zipArchive({}), "x.wsz: holds no files", "", {}},
        {"a truncated archive", skin.substr(0, skin.size() - 30),
         "x.wsz: damaged or cut short: the directory of its members is missing", "", {}},
        {"not a zip", "BM this is a bitmap", "x.wsz: not a zip archive", "", {}},
        {"a zip bomb", zipArchive({{"main.bmp", bomb}, {"text.bmp", "T"}}), "", "",
         {{"main.bmp", "main.bmp = ! unpacks to * times its packed size, as a zip bomb does"}, {"text.bmp", "text.bmp = T"}}},
        {"nothing but a zip bomb", zipArchive({{"main.bmp", bomb}}),
         "x.wsz: holds no file the kit may read (main.bmp: unpacks to *", "", {}},
        {"names leaving the skin", zipArchive({{"../main.bmp", "E"}, {"/text.bmp", "E"}, {"C:\\numbers.bmp", "E"},
                                              {"..\\cbuttons.bmp", "E"}, {"posbar.bmp", "P"}}),
         "", "", {{"main.bmp", "-"}, {"text.bmp", "-"}, {"numbers.bmp", "-"}, {"cbuttons.bmp", "-"}}},
        {"an encrypted member", zipArchive({{"main.bmp", "M", true, true}, {"text.bmp", "T"}}), "", "",
         {{"main.bmp", "main.bmp = ! encrypted; the player cannot read it"}, {"text.bmp", "text.bmp = T"}}},
        {"names that are not text, and one in the old code page",
         patched(zipArchive({{"main-Q7Q7.bmp", "M"}, {"caf\xc3\xa9.txt", "C"}, {"te\x82t.bmp", "T"}}), "Q7Q7", "\x01xyz"),
         "", "", {{"main-\x01xyz.bmp", "-"}, {"caf\xc3\xa9.txt", "caf\xc3\xa9.txt = C"}, {"te\xc3\xa9t.bmp", "te\xc3\xa9t.bmp = T"}}},
        {"a name marked as UTF-8 that is not",
         patched(zipArchive({{"caf\xc3\xa9\xc3\xa9.bmp", "C"}, {"main.bmp", "M"}}), "\xc3\xa9\xc3\xa9", "\xe9Z\xe9Z"),
         "x.wsz: damaged: its list of members contradicts itself or its contents", "", {}},
        {"data that does not match its checksum", patched(zipArchive({{"main.bmp", "MMMMMMMM", false}}), "MMMMM", "MMXMM"),
         "", "", {{"main.bmp", "main.bmp = ! damaged: its data does not match its checksum"}}},
        {"a member that unpacks to more than it declares",
         declaringSize(zipArchive({{"main.bmp", std::string(1000, 'a')}}), 10), "", "",
         {{"main.bmp", "main.bmp = ! damaged: it unpacks to more than it declares"}}},
    };
    for (const ArchiveCase& test : cases) {
        SCOPED_TRACE(test.what);
        const kit::SkinOpen open = SkinSource::openArchive(test.archive, "x.wsz");
        EXPECT_TRUE(matches(open.message, test.refusal)) << open.message;
        EXPECT_EQ(open.skin == nullptr, !test.refusal.empty());
        if (!open.skin)
            continue;
        EXPECT_EQ(open.skin->folder(), test.folder);
        for (const auto& [name, expected] : test.lookups)
            EXPECT_TRUE(matches(lookUp(*open.skin, name), expected)) << name << " gives " << lookUp(*open.skin, name);
    }
}

TEST(SkinArchive, ListsRefusedMembersWithTheirReasons)
{
    const std::string archive =
        zipArchive({{"../a.bmp", "E"}, {"C:/b.bmp", "E"}, {"c-Q7Q7.bmp", "E"}, {"e.bmp", "E", true, true}, {"f.bmp", "F"}});
    const kit::SkinOpen open = SkinSource::openArchive(patched(archive, "Q7Q7", "\x7f\x7fgh"), "x.wsz");
    ASSERT_TRUE(open.skin) << open.message;
    std::vector<std::string> listed;
    for (const kit::SkinMember& member : open.skin->members())
        if (!member.refusal.empty())
            listed.push_back(member.storedName + ": " + member.refusal);
    EXPECT_EQ(listed, (std::vector<std::string> {
                          "../a.bmp: its name climbs out of the skin with \"..\"",
                          "C:/b.bmp: its name is an absolute path",
                          "c-\\x7f\\x7fgh.bmp: its name is not valid text: it holds control characters",
                          "e.bmp: encrypted; the player cannot read it",
                      }));
}

TEST(SkinArchive, KeepsToItsBounds)
{
    const std::string three = zipArchive({{"a.bmp", "12345"}, {"b.bmp", "12345"}, {"c.bmp", "1"}});
    const std::pair<kit::SkinLimits, std::string> cases[] = {
        {{.archiveBytes = 100}, "x.wsz: larger than 100 bytes, too large for a skin"},
        {{.members = 2}, "x.wsz: holds more than 2 members, too many for a skin"},
        {{.totalBytes = 8}, "x.wsz: unpacks to more than 8 bytes in all, too much for a skin"},
        {{.memberBytes = 4}, ""},
    };
    for (const auto& [limits, message] : cases) {
        const kit::SkinOpen open = SkinSource::openArchive(three, "x.wsz", limits);
        EXPECT_EQ(open.message, message);
        if (open.skin) {
            EXPECT_EQ(lookUp(*open.skin, "a.bmp"), "a.bmp = ! unpacks to more than 4 bytes, too large for a skin file");
            EXPECT_EQ(lookUp(*open.skin, "c.bmp"), "c.bmp = 1");
        }
    }
}

TEST(SkinArchive, ClashingNamesGoToTheExactSpellingThenToTheFirstByBytes)
{
    const kit::SkinOpen open = SkinSource::openArchive(
        zipArchive({{"main.bmp", "1"}, {"Main.bmp", "2"}, {"MAIN.BMP", "3"}, {"text.bmp", "4"}}), "Blue.wsz");
    ASSERT_TRUE(open.skin);
    EXPECT_EQ(lookUp(*open.skin, "main.bmp"), "main.bmp = 1");
    EXPECT_EQ(lookUp(*open.skin, "Main.bmp"), "Main.bmp = 2");
    EXPECT_EQ(lookUp(*open.skin, "MAIN.bmp"), "MAIN.BMP = 3");
    const auto clashes = open.skin->caseClashes();
    ASSERT_EQ(clashes.size(), 1u);
    ASSERT_EQ(clashes[0].size(), 3u);
    EXPECT_EQ(clashes[0][0]->storedName, "MAIN.BMP");
    EXPECT_EQ(clashes[0][2]->storedName, "main.bmp");
    EXPECT_EQ(open.skin->memberDisplayName(*open.skin->find("text.bmp")), "Blue.wsz: text.bmp");
}

TEST(SkinFolder, ReadsAFolderByTheSameRules)
{
    const QTemporaryDir temporary;
    const std::filesystem::path top = temporary.path().toStdString();
    std::filesystem::create_directories(top / "Blue" / "extras");
    for (const char* name : {"Blue/Main.BMP", "Blue/main.bmp", "Blue/extras/a.txt"})
        std::ofstream(top / name, std::ios::binary) << name;

    const kit::SkinOpen open = SkinSource::open(top);
    ASSERT_TRUE(open.skin) << open.message;
    EXPECT_FALSE(open.skin->isArchive());
    EXPECT_EQ(open.skin->folder(), "Blue/");
    EXPECT_EQ(lookUp(*open.skin, "MAIN.bmp"), "Blue/Main.BMP = Blue/Main.BMP");
    EXPECT_EQ(open.skin->caseClashes().size(), 1u);
    EXPECT_EQ(open.skin->memberDisplayName(*open.skin->find("main.bmp")), (top / "Blue/main.bmp").string());

    std::ofstream(top / "Blue.wsz", std::ios::binary) << zipArchive({{"Blue/main.bmp", "M"}});
    const kit::SkinOpen archive = SkinSource::open(top / "Blue.wsz");
    ASSERT_TRUE(archive.skin) << archive.message;
    EXPECT_EQ(lookUp(*archive.skin, "main.bmp"), "Blue/main.bmp = M");
    EXPECT_EQ(SkinSource::open(top / "Red.wsz").message, "Red.wsz: No such file or directory");
}

// The player reads the skin's own folder and nothing below it, so neither do
// the kit's programs: a folder under version control opens as any other.
TEST(SkinFolder, ListsOnlyTheSkinsOwnFolderWithoutHiddenOrVersionControlFolders)
{
    struct Case
    {
        const char* what;
        std::vector<const char*> files;
        std::string members; // every member's stored name, or the refusal
    };
    const Case cases[] = {
        {"at the top, under git", {"main.bmp", ".gitignore", ".git/HEAD", ".git/objects/1", ".git/objects/2",
                                   ".git/objects/3", "CVS/Root", "__MACOSX/._main.bmp", "extras/a.txt", "extras/b/c.txt"},
         "extras/ main.bmp"},
        {"one folder deep, under git", {".git/HEAD", ".git/objects/1", ".git/objects/2", "Blue/main.bmp",
                                        "Blue/more/deeper/x.bmp"},
         "Blue/ Blue/main.bmp Blue/more/"},
        {"two folders deep", {"Blue/Skin/main.bmp"}, "holds no files"},
        {"two folders", {"Blue/main.bmp", "Red/main.bmp"}, "its files lie in 2 folders (Blue/, Red/)*"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        const QTemporaryDir temporary;
        const std::filesystem::path top = temporary.path().toStdString();
        for (const char* file : c.files) {
            std::filesystem::create_directories((top / file).parent_path());
            std::ofstream(top / file) << file;
        }
        // Fewer than the files under .git, so that listing them would refuse the skin.
        kit::SkinLimits limits;
        limits.members = 5;
        const kit::SkinOpen open = SkinSource::open(top, limits);
        std::string members;
        for (const kit::SkinMember& member : open.skin ? open.skin->members() : std::vector<kit::SkinMember> {})
            members += (members.empty() ? "" : " ") + member.storedName;
        EXPECT_TRUE(matches(open.skin ? members : open.reason, c.members)) << (open.skin ? members : open.reason);
    }
}

// What cannot be read in a folder has no size (not 2^64 - 1), and reading it tells why.
TEST(SkinFolder, AnEntryThatIsNoFileHasNoSizeAndReadingItSaysWhy)
{
    const QTemporaryDir temporary;
    const std::filesystem::path top = temporary.path().toStdString();
    std::ofstream(top / "main.bmp") << "BM";
    ASSERT_EQ(::mkfifo((top / "region.txt").c_str(), 0600), 0);
    std::filesystem::create_symlink(top / "gone.txt", top / "pledit.txt");
    const kit::SkinOpen open = SkinSource::open(top);
    ASSERT_TRUE(open.skin) << open.message;
    EXPECT_EQ(open.skin->find("main.bmp")->size, 2u);
    for (const char* name : {"region.txt", "pledit.txt"})
        EXPECT_EQ(open.skin->find(name)->size, 0u) << name;
    EXPECT_EQ(lookUp(*open.skin, "region.txt"), "region.txt = ! Not a regular file");
    EXPECT_EQ(lookUp(*open.skin, "pledit.txt"), "pledit.txt = ! No such file or directory");
}

} // namespace
