#include "button_builder/core/runcounter.h"

#include "common/core/fileio.h"

#include <algorithm>

namespace knapro {

std::int16_t parseRunCount(std::string_view text)
{
    size_t pos = text.find_first_not_of(" \t\r\n");
    if (pos == std::string_view::npos)
        return 0;
    if (text[pos] == '-')
        return 0;
    if (text[pos] == '+')
        ++pos;
    int value = 0;
    for (; pos < text.size() && text[pos] >= '0' && text[pos] <= '9'; ++pos)
        value = std::min(value * 10 + (text[pos] - '0'), static_cast<int>(kHighestRunCount));
    return static_cast<std::int16_t>(value);
}

std::int16_t nextRunCount(std::int16_t count)
{
    return count >= kHighestRunCount ? kHighestRunCount : static_cast<std::int16_t>(count + 1);
}

std::string runCountFileText(std::int16_t count) { return std::to_string(count) + "\r\n"; }

std::string ordinalSuffix(int count)
{
    if (count == 11 || count == 12 || count == 13)
        return "th";
    const std::string digits = std::to_string(count);
    switch (digits.back()) {
    case '1': return "st";
    case '2': return "nd";
    case '3': return "rd";
    default: return "th";
    }
}

std::string timesSentence(int count)
{
    return "For the record, this is your " + std::to_string(count) + ordinalSuffix(count) + " time.";
}

std::int16_t countThisStart(const std::filesystem::path& directory)
{
    const std::filesystem::path file = directory / kRunCounterFileName;
    std::string text;
    std::error_code error;
    const bool exists = std::filesystem::exists(std::filesystem::symlink_status(file, error));
    if (exists && !kit::readWholeFile(file, text, kRunCounterFileSizeLimit).empty())
        return nextRunCount(0);
    const std::int16_t count = nextRunCount(parseRunCount(text));
    // Counting must not stop the start, nor hold it up with a message: a counter
    // that cannot be written only means that the next start counts this one again.
    // The counter is Knapro's own state, not a document: it is written without
    // the flush to disk of a save, which made every start wait for the disk
    // before the splash could show.
    static_cast<void>(kit::writeScratchFile(file, runCountFileText(count)));
    return count;
}

void carryOverRunCounter(const std::filesystem::path& dataDirectory, const std::filesystem::path& legacyDirectory)
{
    std::error_code error;
    if (std::filesystem::exists(dataDirectory, error) || !std::filesystem::create_directories(dataDirectory, error))
        return;
    std::string text;
    if (legacyDirectory.empty()
        || !kit::readWholeFile(legacyDirectory / kRunCounterFileName, text, kRunCounterFileSizeLimit).empty())
        return;
    static_cast<void>(kit::replaceFile(dataDirectory / kRunCounterFileName, runCountFileText(parseRunCount(text))));
}

} // namespace knapro
