#include "wine_run.h"

#include <cstdlib>
#include <fstream>
#include <iterator>
#include <ostream>
#include <stdexcept>
#include <system_error>
#include <sys/wait.h>
#include <unistd.h>

namespace dovrik::testing {
namespace {

// Appends a space and `argument` in single quotes, for the shell.
void appendQuoted(std::string& commandLine, const std::string& argument)
{
    commandLine += " '";
    for (char c : argument) {
        if (c == '\'')
            commandLine += "'\\''";
        else
            commandLine += c;
    }
    commandLine += '\'';
}

std::uint32_t littleEndian(const std::string& bytes, std::size_t at, int count)
{
    std::uint32_t value = 0;
    for (int i = count - 1; i >= 0; --i)
        value = value << 8 | static_cast<unsigned char>(bytes[at + static_cast<std::size_t>(i)]);
    return value;
}

} // namespace

bool ProgramRun::has(const std::string& line) const
{
    for (const std::string& candidate : lines)
        if (candidate == line)
            return true;
    return false;
}

std::vector<std::string> ProgramRun::startingWith(const std::string& prefix) const
{
    std::vector<std::string> found;
    for (const std::string& line : lines)
        if (line.starts_with(prefix))
            found.push_back(line);
    return found;
}

std::string ProgramRun::text() const
{
    std::string all;
    for (const std::string& line : lines)
        all += line + "\n";
    return all;
}

ProgramRun runCommand(const std::string& command, const std::vector<std::string>& arguments)
{
    // The output goes to a file rather than a pipe: a Wine server that the
    // command starts inherits the output and outlives the command by seconds.
    std::string outputPath = (std::filesystem::temp_directory_path() / "meter-output-XXXXXX").string();
    const int outputFile = mkstemp(outputPath.data());
    ProgramRun run;
    if (outputFile < 0)
        return run;
    close(outputFile);

    std::string commandLine = command;
    for (const std::string& argument : arguments)
        appendQuoted(commandLine, argument);
    commandLine += " >";
    appendQuoted(commandLine, outputPath);
    commandLine += " 2>&1 </dev/null";
    const int status = std::system(commandLine.c_str());
    run.exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : -1;

    std::ifstream output(outputPath, std::ios::binary);
    for (std::string line; std::getline(output, line);) {
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        run.lines.push_back(line);
    }
    std::filesystem::remove(outputPath);
    return run;
}

ProgramRun runUnderWine(const std::string& program, const std::vector<std::string>& arguments,
                        const std::vector<std::string>& environment)
{
    std::string command = "env";
    for (const std::string& setting : environment)
        appendQuoted(command, setting);
    appendQuoted(command, METER_WINE);
    appendQuoted(command, std::string(METER_WIN32_DIR) + "/" + program);
    return runCommand(command, arguments);
}

std::string windowsPath(const std::filesystem::path& path)
{
    std::string name = "Z:" + std::filesystem::absolute(path).string();
    for (char& c : name)
        if (c == '/')
            c = '\\';
    return name;
}

PluginFolder::PluginFolder()
{
    std::string pattern = (std::filesystem::temp_directory_path() / "meter-test-XXXXXX").string();
    if (!mkdtemp(pattern.data()))
        throw std::runtime_error("cannot create a temporary directory");
    path_ = pattern;
    std::filesystem::copy_file(std::filesystem::path(METER_WIN32_DIR) / "vis_Dovrik.dll", path_ / "vis_Dovrik.dll");
}

PluginFolder::~PluginFolder()
{
    std::error_code ignored;
    std::filesystem::remove_all(path_, ignored);
}

void PluginFolder::writeSettings(const std::string& text) const
{
    std::ofstream(settingsFile(), std::ios::binary) << text;
}

std::string PluginFolder::settingsText() const
{
    std::ifstream file(settingsFile(), std::ios::binary);
    if (!file)
        return "(none)";
    return {std::istreambuf_iterator<char>(file), {}};
}

ProgramRun PluginFolder::runHost(const std::vector<std::string>& arguments,
                                 const std::vector<std::string>& environment) const
{
    std::vector<std::string> all = {"--dll", windowsPath(path_ / "vis_Dovrik.dll"), "--dump", windowsPath(dumpFile())};
    all.insert(all.end(), arguments.begin(), arguments.end());
    return runUnderWine("dovrik_host.exe", all, environment);
}

Picture Picture::read(const std::filesystem::path& path)
{
    std::ifstream file(path, std::ios::binary);
    const std::string bytes{std::istreambuf_iterator<char>(file), {}};
    Picture picture;
    if (bytes.size() < 54 || bytes.compare(0, 2, "BM") != 0 || littleEndian(bytes, 28, 2) != 24
        || littleEndian(bytes, 30, 4) != 0)
        return picture;
    const auto width = static_cast<int>(littleEndian(bytes, 18, 4));
    const auto height = static_cast<int>(littleEndian(bytes, 22, 4));
    const std::size_t offset = littleEndian(bytes, 10, 4);
    const std::size_t rowBytes = (static_cast<std::size_t>(width) * 3 + 3) / 4 * 4;
    if (width <= 0 || height <= 0 || bytes.size() < offset + rowBytes * static_cast<std::size_t>(height))
        return picture;
    picture.width = width;
    picture.height = height;
    for (int y = 0; y < height; ++y) {
        const std::size_t row = offset + rowBytes * static_cast<std::size_t>(height - 1 - y);
        for (int x = 0; x < width; ++x) {
            const std::size_t at = row + static_cast<std::size_t>(x) * 3;
            picture.pixels.push_back({static_cast<unsigned char>(bytes[at + 2]), static_cast<unsigned char>(bytes[at + 1]),
                                      static_cast<unsigned char>(bytes[at])});
        }
    }
    return picture;
}

std::ostream& operator<<(std::ostream& out, const Rgb& colour)
{
    return out << "rgb(" << colour.r << ", " << colour.g << ", " << colour.b << ")";
}

} // namespace dovrik::testing
