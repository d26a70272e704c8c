#pragma once

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace plevo {

inline constexpr std::string_view kCountFileName = "~NP~01.tmp";
inline constexpr std::string_view kListFileName = "~PL~01.tmp";
inline constexpr std::string_view kRegionFileName = "Region.txt";
// The project's home page and contact, in the region file's comment block and in
// the presentation windows.
inline constexpr std::string_view kHomePage = "https://plevo.example.org";
inline constexpr std::string_view kContact = "regions@plevo.example.org";
// Far more than anyone clicks: a million points take under 10 MB.
inline constexpr std::uintmax_t kScratchFileSizeLimit = 64u << 20;

// The running state of the polygon, held as the texts the Point Index window shows.
struct PointIndex
{
    std::string lastX = "0";
    std::string lastY = "0";
    std::string total = "0";
};

enum class FileRole { CountFile, ListFile, RegionFile };
enum class FileAction { Write, Read };

struct FileProblem
{
    FileRole role;
    FileAction action;
    std::filesystem::path path;
    std::string reason; // the system's words
};

struct SaveResult
{
    bool saved = false;
    // Why nothing was saved; or, after a save, a scratch file that could not be
    // written or read.
    std::optional<FileProblem> problem;
};

// Lines 1 to 11 of Region.txt, each ended by CR LF: the comment block, the note
// line and the "[Normal]" section line.
std::string regionFileHeader();

// "*", `text` centred in 44 characters (the odd blank goes to the right), "*".
std::string starredLine(std::string_view text);

// The clicked corners of one polygon and the two scratch files that mirror them:
// the count file ("NumPoints=" total CR LF, rewritten whole) and the list file
// ("PointList=" and "x,y," per point, appended to). The points are also kept in
// memory, so that a scratch file that could not be written does not lose a point:
// the next successful write brings both files back in step, and a save that
// cannot use the files writes the points it holds.
class PointStore
{
public:
    // The scratch files live in `scratchDirectory`; with an empty path there are
    // none and the points are only held in memory.
    explicit PointStore(std::filesystem::path scratchDirectory);

    const PointIndex& index() const { return m_index; }
    // The points recorded since the list was last emptied, in click order, as
    // the readouts showed them.
    const std::vector<std::pair<std::string, std::string>>& points() const { return m_points; }
    std::filesystem::path countFile() const { return m_directory / kCountFileName; }
    std::filesystem::path listFile() const { return m_directory / kListFileName; }

    // Empties the point list: total becomes "0" and both files are written empty.
    // lastX and lastY keep their values.
    std::optional<FileProblem> NewFile();

    // Records the point shown by the readouts: lastX and lastY take the texts,
    // total grows by one, then UpdateFiles runs.
    std::optional<FileProblem> recordPoint(std::string x, std::string y);

    // Writes `directory`/Region.txt from the scratch files behind the fixed
    // header, replacing any file of that name, then empties the point list.
    // Scratch files that cannot be written or read do not stop the save: the
    // points held in memory are written instead, and the problem comes back with
    // the saved result. When the region file cannot be written, nothing changes:
    // not the points, not the scratch files, not an existing Region.txt.
    SaveResult SaveRegionFile(const std::filesystem::path& directory);

    // Deletes the list file, then the count file. A file that is already gone is fine.
    void deleteFiles();

private:
    std::optional<FileProblem> UpdateFiles();
    std::optional<FileProblem> rewriteBothFiles();
    std::optional<FileProblem> readBothFiles(std::string& count, std::string& list);
    bool keepsFiles() const { return !m_directory.empty(); }
    std::string countFileText() const;
    std::string listFileText() const;

    std::filesystem::path m_directory;
    PointIndex m_index;
    std::vector<std::pair<std::string, std::string>> m_points;
    bool m_filesInStep = false;
};

} // namespace plevo
