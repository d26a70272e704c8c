#pragma once

#include <cstdint>
#include <filesystem>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// A skin as the player finds it: a folder, or a .wsz or .zip archive. An archive
// is read whole into memory and unpacked there through libzip, member by member
// as it is asked for; nothing is ever written to disk. libzip is loaded with the
// kit's zip module (ziparchive.h) when the first archive is opened; without the
// module an archive is refused with a message that says so.
//
// What it promises:
// - Names are looked up as the player looks them up on Windows: without regard
//   to the case of ASCII letters, in the skin's own folder. That folder is the
//   top of the archive (or the folder opened), or, where nothing lies at the top
//   but one folder holds every file, that one folder ("Blue/main.bmp" in
//   Blue.wsz). Files in __MACOSX/, where macOS keeps its own notes, take no part
//   in that choice. A folder is read as the player reads it: its top, and only
//   when that holds no file, the folders right under it; never deeper. Hidden
//   files and folders in it (.git, .svn and the like) and the folders of CVS,
//   darcs and macOS are no part of the skin and are left out.
// - Where names clash (main.bmp and MAIN.BMP), a lookup takes the one spelled
//   exactly as asked; failing that the first in the order of their bytes, so
//   MAIN.BMP before Main.bmp; of identical names, the first in the archive.
// - An archive is outside input and is bounded (SkinLimits): its own size, the
//   number of members, each member's unpacked size and their total, and the
//   ratio of unpacked to packed size. A member is refused, with its reason, when
//   its name climbs out with "..", is absolute or holds control characters;
//   when it is encrypted, packed in a way libzip
//   cannot unpack, too large, or unpacks far beyond its packed size as a zip
//   bomb does. Refused members are listed but never read. A member whose data
//   turns out damaged, or longer than it declared, fails when read.
// - An archive that cannot be read at all (not a zip, damaged or cut short, a
//   name marked as UTF-8 that is not, over a bound, holding no readable file,
//   or its files spread over several folders with none at the top) is refused
//   with a message that says why.
// - Names travel as UTF-8: an archive's names as stored (a name without the
//   UTF-8 mark that is not UTF-8 is taken in the zip format's old code page,
//   437), a folder's names as the file system gives them.
// A source holds no open file. It is not to be read from two threads at once.
namespace kit {

struct SkinLimits
{
    std::uintmax_t archiveBytes = 32u << 20; // the archive file itself
    std::uint64_t members = 4096;            // files and folders in it
    std::uint64_t memberBytes = 32u << 20;   // one member, unpacked
    std::uint64_t totalBytes = 128u << 20;   // every member, unpacked
    // A member unpacking to more than this many times its packed size is a zip
    // bomb, once it is larger than ratioFreeBytes: small bitmaps of one flat
    // colour pack far better than that and are harmless.
    std::uint64_t ratio = 100;
    std::uint64_t ratioFreeBytes = 1u << 20;
};

struct SkinMember
{
    std::string storedName; // as stored, with "/" between folders; control characters as \xNN
    // Below the skin's folder ("main.bmp", "extras/readme.txt"); empty when the
    // member lies outside it or its name is refused.
    std::string name;
    std::uint64_t size = 0; // unpacked, as declared
    bool directory = false;
    std::string refusal;    // why it is never read; empty for a member that may be
};

struct SkinRead
{
    std::string bytes;
    std::string error; // why the member could not be read; empty on success
};

class SkinSource;

struct SkinOpen
{
    std::shared_ptr<const SkinSource> skin; // null when refused
    std::string reason;  // why it was refused: "not a zip archive"
    std::string message; // the same, naming it: "Blue.wsz: not a zip archive"
};

class SkinSource
{
public:
    // A directory is a skin folder; anything else is read as an archive,
    // whatever its name.
    static SkinOpen open(const std::filesystem::path& path, const SkinLimits& limits = {});
    // An archive already in memory, named `displayName` in messages.
    static SkinOpen openArchive(std::string bytes, std::string displayName, const SkinLimits& limits = {});

    bool isArchive() const { return m_archive != nullptr; }
    const std::filesystem::path& path() const { return m_path; }
    // The archive's file name ("Blue.wsz"), or the folder's path.
    const std::string& displayName() const { return m_displayName; }
    // "Blue/" when the skin lies one folder deep; empty when it lies at the top.
    const std::string& folder() const { return m_folder; }

    // Every file and folder, in the archive's order (a folder's: by name).
    const std::vector<SkinMember>& members() const { return m_members; }

    // The file called `name` in the skin's folder, by the rules above, refused
    // or not; null when there is none.
    const SkinMember* find(std::string_view name) const;

    // The whole member, unpacked and checked against its checksum.
    SkinRead read(const SkinMember& member) const;

    // How messages name a member: "Blue.wsz: Blue/text.bmp", or a folder's
    // file by its path.
    std::string memberDisplayName(const SkinMember& member) const;

    // Groups of two or more files whose names differ only in the case of their
    // letters, each group in the order of their bytes.
    std::vector<std::vector<const SkinMember*>> caseClashes() const;

    ~SkinSource();

private:
    struct Archive;
    SkinSource() = default;
    static SkinOpen finish(std::shared_ptr<SkinSource> skin);

    std::filesystem::path m_path;
    std::string m_displayName;
    std::string m_folder;
    std::vector<SkinMember> m_members;
    std::uint64_t m_memberBytesLimit = 0;
    std::unique_ptr<Archive> m_archive;
};

// Whether `path` is named as a skin archive is: .wsz or .zip in any case.
bool isSkinArchiveName(const std::filesystem::path& path);

} // namespace kit
