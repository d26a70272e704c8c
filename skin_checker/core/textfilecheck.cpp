#include "skin_checker/core/checks.h"

#include "common/core/colourlines.h"
#include "common/core/regionmask.h"
#include "common/core/skinsource.h"
#include "skin_checker/core/inifile.h"
#include "skin_checker/core/regionshape.h"

#include <algorithm>
#include <cctype>
#include <charconv>
#include <cmath>
#include <numeric>

namespace skincheck {
namespace {

constexpr int kPlayerColourEntries = 24;
// A region file of a thousand polygons is a few hundred kilobytes; a larger
// text is no skin file, and reading it would only cost memory.
constexpr std::uint64_t kMostTextBytes = 4u << 20;

// The text of the file called `name`, or null when it is missing, refused, too
// large (with an error finding) or unreadable.
const kit::SkinMember* readText(Checking& checking, std::string_view name, std::string& text)
{
    const kit::SkinMember* member = checking.usable(name);
    if (member == nullptr)
        return nullptr;
    if (member->size > kMostTextBytes) {
        checking.add(Level::Error, member->storedName,
                     "is " + std::to_string(member->size) + " bytes, far more than any " + std::string(name)
                         + "; it is not read");
        return nullptr;
    }
    return checking.read(*member, text) ? member : nullptr;
}

std::string lineText(int line) { return "line " + std::to_string(line); }

// "[name]". (Built by appending: GCC 12 warns wrongly about "[" + std::string.)
std::string bracketed(std::string_view name)
{
    std::string text = "[";
    text.append(name).append("]");
    return text;
}

// The shortest text that reads back as `value`: "300", "12.5", "-4".
std::string numberText(double value)
{
    char text[32];
    const auto written = std::to_chars(text, text + sizeof text, value);
    return std::string(text, written.ptr);
}

// ---- region.txt -------------------------------------------------------------

struct RegionCheck
{
    FindingList& findings;
    const std::string& file;
    const RegionWindow& window;
    const IniSection& section;

    Finding& add(Level level, std::string reason, std::optional<int> polygon = {})
    {
        Finding& finding = findings.add(level, file, bracketed(window.section) + " " + reason);
        finding.regionSection = window.section;
        finding.polygon = polygon;
        return finding;
    }

    // The numbers of `entry`, or nothing after an error finding.
    bool numbers(const IniEntry& entry, std::vector<std::int64_t>& numbers)
    {
        const NumberList list = readNumberList(entry.value);
        if (!list.notANumber.empty()) {
            add(Level::Error, std::string(entry.key) + " on " + lineText(entry.line) + " holds \"" + shown(list.notANumber)
                                  + "\", which is no whole number");
            return false;
        }
        numbers = list.numbers;
        return true;
    }

    void run()
    {
        for (const IniEntry& entry : section.entries) {
            const IniEntry* first = findEntry(section, entry.key);
            if (first != &entry && (sameName(entry.key, "NumPoints") || sameName(entry.key, "PointList")))
                add(Level::Warning, std::string(entry.key) + " appears again on " + lineText(entry.line)
                                        + "; the player reads only the first, on " + lineText(first->line));
        }
        const IniEntry* counts = findEntry(section, "NumPoints");
        const IniEntry* points = findEntry(section, "PointList");
        if (counts == nullptr || points == nullptr) {
            add(Level::Error, std::string("has no ") + (counts == nullptr ? "NumPoints" : "PointList")
                                  + "; the player would show nothing of the window");
            return;
        }
        std::vector<std::int64_t> count;
        std::vector<std::int64_t> list;
        if (!numbers(*counts, count) || !numbers(*points, list))
            return;
        if (count.empty()) {
            add(Level::Error, "holds no polygon; the player would show nothing of the window");
            return;
        }
        polygons(count, list);
    }

    // Each polygon is checked as it is read, and only its corners are kept for
    // the shape of all of them, so that the cost grows with the file, not with
    // a window-sized mask for each polygon.
    void polygons(const std::vector<std::int64_t>& count, const std::vector<std::int64_t>& list)
    {
        size_t next = 0;
        const std::int64_t asked = std::accumulate(count.begin(), count.end(), std::int64_t {0});
        const auto available = static_cast<std::int64_t>(list.size() / 2);
        if (2 * asked != static_cast<std::int64_t>(list.size())) {
            // The polygon the list runs out in, or the last one when it holds too many.
            std::int64_t covered = 0;
            size_t runsOut = 0;
            while (runsOut + 1 < count.size() && covered + std::max<std::int64_t>(count[runsOut], 0) <= available)
                covered += std::max<std::int64_t>(count[runsOut++], 0);
            add(Level::Error,
                "NumPoints asks for " + std::to_string(asked) + " points in all, but PointList holds "
                    + std::to_string(list.size()) + " numbers, " + std::to_string(available) + " points"
                    + (list.size() % 2 ? " and a lone x" : ""),
                static_cast<int>(runsOut));
        }
        // Polygons that are whole and have three corners are filled, together as
        // the player fills them; only when every polygon is such does an empty
        // shape say the window vanishes. A polygon that shows nothing even on
        // its own is pointed out.
        bool allWhole = true;
        std::vector<std::vector<QPoint>> filled;
        std::vector<int> empty;
        for (size_t polygon = 0; polygon < count.size(); ++polygon) {
            const std::int64_t corners = count[polygon];
            if (corners < 3)
                add(Level::Error, "polygon " + std::to_string(polygon + 1) + " has " + std::to_string(corners)
                                      + " points; a polygon needs at least 3", static_cast<int>(polygon));
            RegionPolygon shape;
            for (std::int64_t i = 0; i < corners && next + 1 < list.size(); ++i, next += 2)
                shape.push_back({list[next], list[next + 1]});
            if (corners < 3 || static_cast<std::int64_t>(shape.size()) != corners) {
                allWhole = false;
                continue;
            }
            outside(shape, static_cast<int>(polygon));
            filled.push_back(cornersOf(shape));
            if (!kit::showsAnyPixel(std::span(&filled.back(), 1), window.width, window.height))
                empty.push_back(static_cast<int>(polygon));
        }
        const auto shows = [this](std::span<const std::vector<QPoint>> polygons) {
            const std::vector<bool> mask = kit::windingMask(polygons, window.width, window.height);
            return std::find(mask.begin(), mask.end(), true) != mask.end();
        };
        if (allWhole && !shows(filled)) {
            add(Level::Error, "covers no pixel of the " + std::to_string(window.width) + " x "
                                  + std::to_string(window.height) + " window; the player would show nothing of it");
            return;
        }
        for (const int polygon : empty)
            add(Level::Warning, "polygon " + std::to_string(polygon + 1) + " covers no pixel of the window", polygon);
    }

    void outside(const RegionPolygon& shape, int polygon)
    {
        const auto isOutside = [this](const RegionPoint& p) {
            return p.x < 0 || p.y < 0 || p.x > window.width || p.y > window.height;
        };
        const auto count = std::count_if(shape.begin(), shape.end(), isOutside);
        if (count == 0)
            return;
        const RegionPoint first = *std::find_if(shape.begin(), shape.end(), isOutside);
        add(Level::Warning,
            "polygon " + std::to_string(polygon + 1) + " has " + std::to_string(count) + (count == 1 ? " point" : " points")
                + " outside the " + std::to_string(window.width) + " x " + std::to_string(window.height)
                + " window, the first at " + std::to_string(first.x) + "," + std::to_string(first.y),
            polygon);
    }
};

// ---- pledit.txt --------------------------------------------------------------

bool isColour(std::string_view value)
{
    return value.size() == 7 && value[0] == '#'
           && std::all_of(value.begin() + 1, value.end(), [](char c) { return std::isxdigit(static_cast<unsigned char>(c)); });
}

} // namespace

void checkRegionText(std::string_view text, const std::string& file, FindingList& findings)
{
    const std::vector<IniSection> sections = readIniFile(text);
    bool anyKnown = false;
    for (const IniSection& section : sections) {
        const auto windows = regionWindows();
        const auto window = std::find_if(windows.begin(), windows.end(),
                                         [&](const RegionWindow& w) { return sameName(w.section, section.name); });
        if (window == windows.end()) {
            findings.add(Level::Note, file,
                       bracketed(shown(section.name)) + " on " + lineText(section.line) + " is no section the player reads");
            continue;
        }
        anyKnown = true;
        const IniSection* first = findSection(sections, section.name);
        if (first != &section) {
            findings.add(Level::Warning, file,
                       bracketed(window->section) + " appears again on " + lineText(section.line)
                           + "; the player reads only the first, on " + lineText(first->line))
                .regionSection = window->section;
            continue;
        }
        RegionCheck {findings, file, *window, section}.run();
    }
    if (!anyKnown)
        findings.add(Level::Warning, file,
                   "holds none of the sections the player reads: [Normal], [Equalizer], [WindowShade], [EqualizerWS]");
}

void checkRegionFile(Checking& checking)
{
    std::string text;
    if (const kit::SkinMember* member = readText(checking, "region.txt", text))
        checkRegionText(text, member->storedName, checking.findings);
}

void checkColourText(std::string_view text, const std::string& file, FindingList& findings)
{
    const std::vector<kit::ColourLine> lines = kit::readColourLines(text, kPlayerColourEntries);
    static constexpr const char* kComponents[] = {"red", "green", "blue"};
    for (size_t entry = 0; entry < lines.size(); ++entry) {
        const kit::ColourLine& line = lines[entry];
        const std::string where = "entry " + std::to_string(entry) + " (" + lineText(line.lineNumber) + ")";
        if (!line.wholeLine) {
            findings.add(Level::Error, file,
                       where + " \"" + shown(line.text) + "\" does not hold three numbers separated by commas")
                .colourEntry = static_cast<int>(entry);
            continue;
        }
        std::vector<std::string> wrong;
        for (size_t c = 0; c < 3; ++c) {
            const double value = line.values[c];
            if (value < 0 || value > 255)
                wrong.push_back(std::string(kComponents[c]) + " " + numberText(value) + " is outside 0 to 255");
            else if (value != std::floor(value))
                wrong.push_back(std::string(kComponents[c]) + " " + numberText(value) + " is not a whole number");
        }
        if (!wrong.empty())
            findings.add(Level::Warning, file, where + ": " + listed(wrong)).colourEntry =
                static_cast<int>(entry);
    }
    if (lines.size() < kPlayerColourEntries) {
        const auto first = static_cast<int>(lines.size());
        const std::string missing = first + 1 == kPlayerColourEntries
                                        ? "entry " + std::to_string(first) + " stays"
                                        : "entries " + std::to_string(first) + " to "
                                              + std::to_string(kPlayerColourEntries - 1) + " stay";
        findings.add(Level::Warning, file,
                   "holds " + std::to_string(lines.size()) + " of the player's " + std::to_string(kPlayerColourEntries)
                       + " entries; " + missing + " at the player's default")
            .colourEntry = first;
    }
}

void checkColourFile(Checking& checking)
{
    std::string text;
    if (const kit::SkinMember* member = readText(checking, "tessel.txt", text))
        checkColourText(text, member->storedName, checking.findings);
}

void checkPlaylistText(std::string_view text, const std::string& file, FindingList& findings)
{
    const std::vector<IniSection> sections = readIniFile(text);
    const IniSection* section = findSection(sections, "Text");
    if (section == nullptr) {
        findings.add(Level::Warning, file,
                   "has no [Text] section; the playlist keeps the player's own colours and font");
        return;
    }
    for (const char* key : {"Normal", "Current", "NormalBG", "SelectedBG", "Font"}) {
        const IniEntry* entry = findEntry(*section, key);
        const bool isFont = std::string_view(key) == "Font";
        if (entry == nullptr)
            findings.add(Level::Warning, file, std::string("[Text] has no ") + key + "; the player keeps its own");
        else if (isFont ? entry->value.empty() : !isColour(entry->value))
            findings.add(Level::Warning, file,
                       std::string("[Text] ") + key + " on " + lineText(entry->line) + " is \"" + shown(entry->value)
                           + (isFont ? "\"; a font name is needed" : "\", not a colour of the form #RRGGBB"));
    }
}

void checkPlaylistFile(Checking& checking)
{
    std::string text;
    if (const kit::SkinMember* member = readText(checking, "pledit.txt", text))
        checkPlaylistText(text, member->storedName, checking.findings);
}

} // namespace skincheck
