#include "common/core/skinsource.h"

#include "common/core/fileio.h"
#include "common/core/ziparchive.h"

#include <algorithm>
#include <map>
#include <set>

namespace kit {

// The archive's bytes and the zip module's reading of them, which reads
// straight from the bytes and so is declared after them, to go first.
struct SkinSource::Archive
{
    std::string bytes;
    std::unique_ptr<ZipArchive> zip;
    std::vector<std::uint64_t> indices; // of each member, in m_members' order
};

SkinSource::~SkinSource() = default;

namespace {

constexpr std::string_view kMacNotes = "__MACOSX/";

std::string sizeText(std::uint64_t bytes)
{
    if (bytes >= (1u << 20) && bytes % (1u << 20) == 0)
        return std::to_string(bytes >> 20) + " MB";
    if (bytes >= 1024 && bytes % 1024 == 0)
        return std::to_string(bytes >> 10) + " KB";
    return std::to_string(bytes) + (bytes == 1 ? " byte" : " bytes");
}

char lowerAscii(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; }

std::string folded(std::string_view text)
{
    std::string result(text);
    std::transform(result.begin(), result.end(), result.begin(), lowerAscii);
    return result;
}

bool isControl(unsigned char c) { return c < 0x20 || c == 0x7f; }

// Names in a skin folder that hold no part of the skin: hidden files and
// folders, version control's among them (.git, .svn, .hg), and the folders that
// version control and macOS keep without a dot.
bool isHidden(std::string_view name)
{
    return name.starts_with('.') || name == "CVS" || name == "_darcs" || name == "__MACOSX";
}

// Whether `text` is well-formed UTF-8: no stray or missing continuation bytes,
// no overlong forms, no surrogates, nothing above U+10FFFF.
bool isUtf8(std::string_view text)
{
    size_t at = 0;
    while (at < text.size()) {
        const auto lead = static_cast<unsigned char>(text[at]);
        int length = 0;
        std::uint32_t point = 0;
        if (lead < 0x80) {
            ++at;
            continue;
        }
        if (lead >= 0xc2 && lead <= 0xdf) {
            length = 2;
            point = lead & 0x1fu;
        } else if (lead >= 0xe0 && lead <= 0xef) {
            length = 3;
            point = lead & 0x0fu;
        } else if (lead >= 0xf0 && lead <= 0xf4) {
            length = 4;
            point = lead & 0x07u;
        } else {
            return false;
        }
        if (text.size() - at < static_cast<size_t>(length))
            return false;
        for (int i = 1; i < length; ++i) {
            const auto next = static_cast<unsigned char>(text[at + static_cast<size_t>(i)]);
            if ((next & 0xc0u) != 0x80u)
                return false;
            point = (point << 6) | (next & 0x3fu);
        }
        const std::uint32_t smallest = length == 3 ? 0x800 : length == 4 ? 0x10000 : 0x80;
        if (point < smallest || point > 0x10ffff || (point >= 0xd800 && point <= 0xdfff))
            return false;
        at += static_cast<size_t>(length);
    }
    return true;
}

// `raw` for showing: control characters and bytes that are no UTF-8 as \xNN.
std::string printable(std::string_view raw)
{
    static constexpr char kHex[] = "0123456789abcdef";
    std::string shown;
    for (size_t at = 0; at < raw.size(); ++at) {
        const auto c = static_cast<unsigned char>(raw[at]);
        size_t length = 1;
        if (c >= 0x80)
            for (length = 2; length <= 4 && at + length <= raw.size(); ++length)
                if (isUtf8(raw.substr(at, length)))
                    break;
        if (!isControl(c) && (c < 0x80 || (length <= 4 && at + length <= raw.size()))) {
            shown.append(raw.substr(at, length));
            at += length - 1;
        } else {
            shown += "\\x";
            shown += kHex[c >> 4];
            shown += kHex[c & 0xf];
        }
    }
    return shown;
}

// A stored name with "/" between its parts (Windows tools write "\"), without
// empty and "." parts. Sets `refusal` for a name that leaves the skin.
std::string normalName(std::string_view stored, bool& directory, std::string& refusal)
{
    std::string name(stored);
    std::replace(name.begin(), name.end(), '\\', '/');
    directory = !name.empty() && name.back() == '/';
    if (name.starts_with('/') || (name.size() >= 2 && name[1] == ':')) {
        refusal = "its name is an absolute path";
        return {};
    }
    std::string normal;
    size_t start = 0;
    while (start <= name.size()) {
        size_t end = name.find('/', start);
        if (end == std::string::npos)
            end = name.size();
        const std::string_view part = std::string_view(name).substr(start, end - start);
        if (part == "..") {
            refusal = "its name climbs out of the skin with \"..\"";
            return {};
        }
        if (!part.empty() && part != ".") {
            if (!normal.empty())
                normal += '/';
            normal += part;
        }
        start = end + 1;
    }
    return normal;
}

// Where the skin lies among the readable files: "" for the top, "Blue/" for one
// folder. Sets `refusal` when it lies nowhere.
std::string skinFolder(const std::vector<SkinMember>& members, const std::vector<std::string>& normal,
                       std::string& refusal)
{
    std::set<std::string> folders;
    bool any = false;
    for (size_t i = 0; i < members.size(); ++i) {
        if (members[i].directory || !members[i].refusal.empty() || normal[i].starts_with(kMacNotes))
            continue;
        any = true;
        const size_t slash = normal[i].find('/');
        if (slash == std::string::npos)
            return {};
        folders.insert(normal[i].substr(0, slash + 1));
    }
    if (!any) {
        const auto refused = std::find_if(members.begin(), members.end(),
                                          [](const SkinMember& member) { return !member.refusal.empty(); });
        refusal = refused == members.end()
                      ? std::string("holds no files")
                      : "holds no file the kit may read (" + refused->storedName + ": " + refused->refusal + ")";
        return {};
    }
    if (folders.size() == 1)
        return *folders.begin();
    std::string listed;
    for (const std::string& folder : folders)
        listed += (listed.empty() ? "" : ", ") + folder;
    refusal = "its files lie in " + std::to_string(folders.size()) + " folders (" + listed
              + ") and none at its top, so no one folder holds the skin";
    return {};
}

// Why the member that `entry` describes may not be unpacked; empty when it may.
std::string contentRefusal(const ZipEntry& entry, const SkinLimits& limits)
{
    if (entry.encrypted)
        return "encrypted; the player cannot read it";
    if (!entry.methodSupported)
        return "packed by method " + std::to_string(entry.method) + ", which the kit cannot unpack";
    if (entry.size > limits.memberBytes)
        return "unpacks to more than " + sizeText(limits.memberBytes) + ", too large for a skin file";
    const std::uint64_t ratio = entry.size / std::max<std::uint64_t>(entry.packedSize, 1);
    if (entry.size > limits.ratioFreeBytes && ratio > limits.ratio)
        return "unpacks to " + std::to_string(ratio) + " times its packed size, as a zip bomb does";
    return {};
}

SkinOpen refused(std::string displayName, std::string reason)
{
    SkinOpen open;
    open.message = displayName + ": " + reason;
    open.reason = std::move(reason);
    return open;
}

} // namespace

SkinOpen SkinSource::finish(std::shared_ptr<SkinSource> skin)
{
    // A member's name holds its stored name until here, or nothing when that
    // is no text.
    std::vector<std::string> normal(skin->m_members.size());
    for (size_t i = 0; i < skin->m_members.size(); ++i) {
        SkinMember& member = skin->m_members[i];
        bool directory = false;
        std::string refusal;
        normal[i] = normalName(member.name, directory, refusal);
        member.directory = member.directory || directory;
        if (!refusal.empty())
            member.refusal = refusal;
        member.name.clear();
    }
    std::string refusal;
    skin->m_folder = skinFolder(skin->m_members, normal, refusal);
    if (!refusal.empty())
        return refused(skin->m_displayName, refusal);
    for (size_t i = 0; i < skin->m_members.size(); ++i)
        if (!normal[i].empty() && normal[i].starts_with(skin->m_folder))
            skin->m_members[i].name = normal[i].substr(skin->m_folder.size());
    SkinOpen open;
    open.skin = std::move(skin);
    return open;
}

SkinOpen SkinSource::openArchive(std::string bytes, std::string displayName, const SkinLimits& limits)
{
    if (bytes.size() > limits.archiveBytes)
        return refused(displayName, "larger than " + sizeText(limits.archiveBytes) + ", too large for a skin");

    auto skin = std::shared_ptr<SkinSource>(new SkinSource);
    skin->m_displayName = std::move(displayName);
    skin->m_memberBytesLimit = limits.memberBytes;
    skin->m_archive = std::make_unique<Archive>();
    Archive& archive = *skin->m_archive;
    archive.bytes = std::move(bytes);

    const ZipModule& module = zipModule();
    if (module.reader == nullptr)
        return refused(skin->m_displayName, "cannot be opened: the kit's reader of zip archives is missing ("
                                                + module.problem + ")");
    ZipOpening opening = module.reader->open(archive.bytes);
    if (!opening.archive)
        return refused(skin->m_displayName, opening.reason);
    archive.zip = std::move(opening.archive);

    const std::uint64_t count = archive.zip->count();
    if (count > limits.members)
        return refused(skin->m_displayName, "holds more than " + std::to_string(limits.members)
                                                + " members, too many for a skin");

    std::uint64_t total = 0;
    for (std::uint64_t index = 0; index < count; ++index) {
        ZipEntry entry;
        if (std::string reason = archive.zip->describe(index, entry); !reason.empty())
            return refused(skin->m_displayName, reason);

        SkinMember member;
        const std::string_view rawName(entry.rawName);
        member.storedName = printable(rawName);
        member.size = entry.size;
        if (std::any_of(rawName.begin(), rawName.end(), [](char c) { return isControl(static_cast<unsigned char>(c)); }))
            member.refusal = "its name is not valid text: it holds control characters";
        else if (!isUtf8(rawName) && !entry.name437.empty())
            member.storedName = entry.name437;
        member.name = member.refusal.empty() ? member.storedName : std::string();
        if (member.refusal.empty())
            member.refusal = contentRefusal(entry, limits);
        if (member.refusal.empty()) {
            total += entry.size;
            if (total > limits.totalBytes)
                return refused(skin->m_displayName, "unpacks to more than " + sizeText(limits.totalBytes)
                                                        + " in all, too much for a skin");
        }
        skin->m_members.push_back(std::move(member));
        archive.indices.push_back(index);
    }
    return finish(std::move(skin));
}

SkinOpen SkinSource::open(const std::filesystem::path& path, const SkinLimits& limits)
{
    std::error_code error;
    if (!std::filesystem::is_directory(path, error)) {
        const std::string name = path.filename().string();
        std::string bytes;
        if (std::string reason = readWholeFile(path, bytes, limits.archiveBytes); !reason.empty()) {
            if (std::filesystem::is_regular_file(path, error) && std::filesystem::file_size(path, error) > limits.archiveBytes)
                reason = "larger than " + sizeText(limits.archiveBytes) + ", too large for a skin";
            return refused(name, reason);
        }
        SkinOpen open = openArchive(std::move(bytes), name, limits);
        if (open.skin)
            std::const_pointer_cast<SkinSource>(open.skin)->m_path = path;
        return open;
    }

    auto skin = std::shared_ptr<SkinSource>(new SkinSource);
    skin->m_path = path;
    skin->m_displayName = path.string();
    skin->m_memberBytesLimit = limits.memberBytes;
    std::string tooMany;
    // Lists the files and folders right inside `folder`, naming them below
    // `prefix`, and gathers its folders in `subfolders`.
    const auto list = [&](const std::filesystem::path& folder, const std::string& prefix,
                          std::vector<std::filesystem::path>* subfolders) {
        std::filesystem::directory_iterator entries(folder, std::filesystem::directory_options::skip_permission_denied,
                                                    error);
        for (; !error && entries != std::filesystem::directory_iterator(); entries.increment(error)) {
            const std::string name = entries->path().filename().string();
            if (isHidden(name))
                continue;
            if (skin->m_members.size() >= limits.members) {
                tooMany = "holds more than " + std::to_string(limits.members) + " files, too many for a skin";
                return;
            }
            std::error_code entryError;
            SkinMember member;
            member.directory = entries->is_directory(entryError);
            const std::string relative = prefix + name;
            member.storedName = printable(relative) + (member.directory ? "/" : "");
            // A FIFO, a dangling link or an entry that cannot be looked at has
            // no size; reading it tells why.
            const std::uintmax_t size = member.directory ? 0 : entries->file_size(entryError);
            member.size = entryError ? 0 : size;
            if (!isUtf8(relative) || std::any_of(relative.begin(), relative.end(),
                                                 [](char c) { return isControl(static_cast<unsigned char>(c)); }))
                member.refusal = "its name is not valid text";
            member.name = member.refusal.empty() ? member.storedName : std::string();
            if (member.directory && subfolders != nullptr)
                subfolders->push_back(entries->path());
            skin->m_members.push_back(std::move(member));
        }
    };
    std::vector<std::filesystem::path> subfolders;
    list(path, {}, &subfolders);
    // The player reads the skin's own folder only: the top, or, when the top
    // holds no file, the one folder under it that does.
    const bool topHoldsFiles = std::any_of(skin->m_members.begin(), skin->m_members.end(),
                                           [](const SkinMember& member) { return !member.directory; });
    if (!topHoldsFiles)
        for (const std::filesystem::path& folder : subfolders)
            if (!error && tooMany.empty())
                list(folder, folder.filename().string() + "/", nullptr);
    if (!tooMany.empty())
        return refused(skin->m_displayName, tooMany);
    if (error)
        return refused(skin->m_displayName, error.message());
    std::sort(skin->m_members.begin(), skin->m_members.end(),
              [](const SkinMember& a, const SkinMember& b) { return a.storedName < b.storedName; });
    return finish(std::move(skin));
}

const SkinMember* SkinSource::find(std::string_view name) const
{
    const std::string wanted = folded(name);
    const SkinMember* best = nullptr;
    for (const SkinMember& member : m_members) {
        if (member.directory || member.name.empty() || member.name.find('/') != std::string::npos
            || folded(member.name) != wanted)
            continue;
        if (member.name == name)
            return &member;
        if (best == nullptr || member.name < best->name)
            best = &member;
    }
    return best;
}

SkinRead SkinSource::read(const SkinMember& member) const
{
    SkinRead result;
    if (!member.refusal.empty()) {
        result.error = member.refusal;
        return result;
    }
    if (member.directory) {
        result.error = "a folder, not a file";
        return result;
    }
    if (!m_archive) {
        result.error = readWholeFile(m_path / (m_folder + member.name), result.bytes, m_memberBytesLimit);
        if (!result.error.empty())
            result.bytes.clear();
        return result;
    }

    const auto at = static_cast<size_t>(&member - m_members.data());
    result.error = m_archive->zip->read(m_archive->indices[at], member.size, result.bytes);
    return result;
}

std::string SkinSource::memberDisplayName(const SkinMember& member) const
{
    if (m_archive)
        return m_displayName + ": " + member.storedName;
    return (m_path / member.storedName).string();
}

std::vector<std::vector<const SkinMember*>> SkinSource::caseClashes() const
{
    std::map<std::string, std::vector<const SkinMember*>> byFolded;
    for (const SkinMember& member : m_members)
        if (!member.directory)
            byFolded[folded(member.storedName)].push_back(&member);
    std::vector<std::vector<const SkinMember*>> clashes;
    for (auto& [name, group] : byFolded) {
        if (group.size() < 2)
            continue;
        std::stable_sort(group.begin(), group.end(),
                         [](const SkinMember* a, const SkinMember* b) { return a->storedName < b->storedName; });
        clashes.push_back(std::move(group));
    }
    return clashes;
}

bool isSkinArchiveName(const std::filesystem::path& path)
{
    const std::string extension = folded(path.extension().string());
    return extension == ".wsz" || extension == ".zip";
}

} // namespace kit
