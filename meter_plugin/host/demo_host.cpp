// The demo host that `./kit run meter` starts: a stand-in for the player's main
// window with the plug-in playing a built-in demo signal (or a WAV file), for a
// user to look at, right-click, configure and resize. Closing the window ends
// the plug-in, and ending the plug-in from its menu closes the window.
#include "meter_plugin/host/host_options.h"
#include "meter_plugin/host/plugin_host.h"
#include "meter_plugin/host/frequency_feed.h"

#include <windows.h>

#include <cstdio>
#include <string>
#include <vector>

namespace {

using namespace dovrik;
using namespace dovrik::host;

constexpr char kTitle[] = "vis_Dovrik host stand-in";

class DemoHost final : public PluginHost {
public:
    explicit DemoHost(const HostOptions& options) : PluginHost(options, kTitle), options_(options) {}

private:
    int visualize() override
    {
        FrequencyFeed feed(options_.signal);
        if (!feed.problem().empty())
            return fail(feed.problem());
        PluginLibrary plugin(options_.dllPath);
        VisModule* module = plugin.module();
        if (!module)
            return fail(plugin.handle() ? options_.dllPath + " is no visualization plug-in"
                                        : "cannot load " + options_.dllPath + " (error "
                                              + std::to_string(plugin.loadError()) + ")");
        plugin.attach(*module, window());
        if (module->Init(module) != 0)
            return 1; // the plug-in has said why
        setRunningModule(module);
        FramePacing untilClosed;
        playFrames(*module, feed, untilClosed);
        setRunningModule(nullptr);
        module->Quit(module);
        return 0;
    }

    int fail(const std::string& problem)
    {
        std::fprintf(stderr, "dovrik_host: %s\n", problem.c_str());
        MessageBoxA(window(), problem.c_str(), kTitle, MB_OK | MB_ICONERROR);
        return 1;
    }

    const HostOptions& options_;
};

} // namespace

int main(int argc, char** argv)
{
    std::string problem;
    auto options = parseDemoOptions(std::vector<std::string>(argv + 1, argv + argc), problem);
    if (!options) {
        std::fprintf(stderr, "dovrik_host: %s\n%s", problem.c_str(), kDemoUsage);
        return 2;
    }
    if (options->dllPath.empty())
        options->dllPath = pluginBesideThisProgram();
    DemoHost host(*options);
    return host.run();
}
