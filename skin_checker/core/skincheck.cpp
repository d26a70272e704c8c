#include "skin_checker/core/skincheck.h"

#include "common/core/elementtable.h"
#include "common/core/skinsource.h"
#include "skin_checker/core/checks.h"

#include <algorithm>

namespace skincheck {
namespace {

constexpr std::string_view kPlayerFiles[] = {
    "main.bmp",   "cbuttons.bmp", "titlebar.bmp", "shufrep.bmp", "text.bmp",    "volume.bmp", "balance.bmp",
    "monoster.bmp", "playpaus.bmp", "numbers.bmp", "nums_ex.bmp", "posbar.bmp", "eqmain.bmp", "eq_ex.bmp",
    "pledit.bmp", "gen.bmp",      "genex.bmp",    "mb.bmp",      "video.bmp",   "region.txt", "tessel.txt",
    "pledit.txt",
};

std::string lowered(std::string_view text)
{
    std::string result(text);
    std::transform(result.begin(), result.end(), result.begin(),
                   [](char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; });
    return result;
}

// Which window Knapro takes `name` as the picture of, if any.
std::string knaproPicture(std::string_view name)
{
    const std::string file = lowered(name);
    for (int tab = 0; tab < kit::kTabCount; ++tab)
        for (const std::string_view window : kit::skinWindowNames(tab))
            if (file == window)
                return lowered(kit::tabDescriptors()[static_cast<size_t>(tab)].caption);
    return {};
}

void checkStructure(Checking& checking)
{
    const kit::SkinSource& skin = checking.skin;
    if (!skin.folder().empty())
        checking.add(Level::Note, skin.folder(), "the skin lies one folder deep, in " + skin.folder());
    for (const kit::SkinMember& member : skin.members())
        if (!member.refusal.empty())
            checking.add(!member.name.empty() && playerReads(member.name) ? Level::Error : Level::Warning,
                         member.storedName, member.refusal);
    for (const auto& clash : skin.caseClashes()) {
        // The same name more than once, which an archive may hold, is a fault
        // of its own; the group holds them in the archive's order.
        std::vector<std::string> names;
        for (const kit::SkinMember* member : clash) {
            if (!names.empty() && names.back() == member->storedName)
                continue;
            names.push_back(member->storedName);
            const auto times = std::count_if(clash.begin(), clash.end(), [member](const kit::SkinMember* other) {
                return other->storedName == member->storedName;
            });
            if (times > 1)
                checking.add(Level::Warning, member->storedName,
                             (times == 2 ? std::string("appears twice") : "appears " + std::to_string(times) + " times")
                                 + "; the kit reads the first, " + std::to_string(member->size) + " bytes");
        }
        if (names.size() < 2)
            continue;
        std::string reason = listed(names) + " differ only in case; on Windows they are one file";
        if (const kit::SkinMember* read = skin.find(lowered(clash.front()->name)); read && !clash.front()->name.empty())
            reason += ", and the kit reads " + read->storedName;
        checking.add(Level::Warning, clash.front()->storedName, reason);
    }
}

void noteUnread(Checking& checking)
{
    for (const kit::SkinMember& member : checking.skin.members()) {
        if (member.directory || !member.refusal.empty())
            continue;
        const bool inFolder = !member.name.empty() && member.name.find('/') == std::string::npos;
        if (inFolder && playerReads(member.name))
            continue;
        const std::string picture = inFolder ? knaproPicture(member.name) : std::string();
        checking.add(Level::Note, member.storedName,
                     picture.empty() ? "the player never reads it"
                                     : "the player never reads it; Knapro opens it as the " + picture + " picture");
    }
}

} // namespace

bool playerReads(std::string_view name)
{
    const std::string file = lowered(name);
    return file.ends_with(".cur") || std::find(std::begin(kPlayerFiles), std::end(kPlayerFiles), file) != std::end(kPlayerFiles);
}

Finding& FindingList::add(Level level, std::string file, std::string reason)
{
    if (++m_perFile[file] > kMostPerFile) {
        LeftOut& leftOut = m_leftOut[file];
        ++leftOut.count;
        leftOut.worst = std::max(leftOut.worst, level);
        m_dropped = {};
        return m_dropped;
    }
    Finding& finding = m_findings.emplace_back();
    finding.level = level;
    finding.file = std::move(file);
    finding.reason = std::move(reason);
    return finding;
}

std::vector<Finding> FindingList::take()
{
    for (const auto& [file, leftOut] : m_leftOut)
        m_findings.push_back({leftOut.worst, file,
                              "and " + std::to_string(leftOut.count) + " more findings, not listed (the worst: "
                                  + std::string(levelName(leftOut.worst)) + ")",
                              {}, {}, {}});
    m_perFile.clear();
    m_leftOut.clear();
    return std::move(m_findings);
}

const kit::SkinMember* Checking::usable(std::string_view name) const
{
    const kit::SkinMember* member = skin.find(name);
    return member != nullptr && member->refusal.empty() ? member : nullptr;
}

bool Checking::read(const kit::SkinMember& member, std::string& bytes)
{
    kit::SkinRead read = skin.read(member);
    if (!read.error.empty()) {
        add(Level::Error, member.storedName, "cannot be read: " + read.error);
        return false;
    }
    bytes = std::move(read.bytes);
    return true;
}

std::string shown(std::string_view text)
{
    constexpr size_t kMost = 30;
    std::string result;
    for (const char c : text.substr(0, kMost))
        result += c >= ' ' && c < 0x7f ? c : '?';
    if (text.size() > kMost)
        result += "...";
    return result;
}

std::string listed(const std::vector<std::string>& names, size_t most)
{
    std::string text;
    const size_t shownNames = names.size() > most ? most : names.size();
    for (size_t i = 0; i < shownNames; ++i) {
        if (i > 0)
            text += i + 1 == shownNames && shownNames == names.size() ? " and " : ", ";
        text += names[i];
    }
    if (shownNames < names.size())
        text += " and " + std::to_string(names.size() - shownNames) + " others";
    return text;
}

SkinReport checkSkin(const kit::SkinSource& skin, std::string name)
{
    SkinReport report;
    report.skin = std::move(name);
    report.readable = true;
    report.folder = skin.folder();
    FindingList findings;
    Checking checking {skin, findings};
    checkStructure(checking);
    checkBitmaps(checking);
    checkRegionFile(checking);
    checkColourFile(checking);
    checkPlaylistFile(checking);
    noteUnread(checking);
    report.findings = findings.take();
    return report;
}

SkinReport checkSkinAt(const std::filesystem::path& path, std::string name)
{
    const kit::SkinOpen open = kit::SkinSource::open(path);
    if (!open.skin) {
        SkinReport report;
        report.skin = std::move(name);
        report.findings.push_back({Level::Error, {}, open.reason, {}, {}, {}});
        return report;
    }
    return checkSkin(*open.skin, std::move(name));
}

} // namespace skincheck
