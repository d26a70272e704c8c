#include "meter_plugin/tests/wine_run.h"

#include "common/core/fileio.h"
#include "common/portable/bmp.h"

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
    return runUnderWine("dovrik_test_host.exe", all, environment);
}

Picture Picture::read(const std::filesystem::path& path)
{
    Picture picture;
    std::string bytes;
    if (!kit::readWholeFile(path, bytes, 64 << 20).empty())
        return picture;
    const auto image = kit::bmp::read(bytes);
    if (!image)
        return picture;
    picture.width = image->width;
    picture.height = image->height;
    for (const kit::bmp::Rgb& colour : image->pixels)
        picture.pixels.push_back({colour.r, colour.g, colour.b});
    return picture;
}

std::ostream& operator<<(std::ostream& out, const Rgb& colour)
{
    return out << "rgb(" << colour.r << ", " << colour.g << ", " << colour.b << ")";
}

} // namespace dovrik::testing
