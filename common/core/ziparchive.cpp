#include "common/core/ziparchive.h"

#include <dlfcn.h>

namespace kit {

ZipModule loadZipModule(const std::vector<std::filesystem::path>& directories)
{
    ZipModule module;
    for (const std::filesystem::path& directory : directories) {
        const std::string file = (directory / "skinkit-zip.so").string();
        // Opened by its full path: the sanitizers' dlopen would not look along
        // the program's own search path, and no other folder is meant.
        void* handle = dlopen(file.c_str(), RTLD_NOW | RTLD_LOCAL);
        if (handle == nullptr) {
            const char* error = dlerror();
            module.problem = error != nullptr ? error : file + ": cannot be loaded";
            continue;
        }
        const auto interface = reinterpret_cast<int (*)()>(dlsym(handle, "skinkit_zip_interface"));
        const auto reader = reinterpret_cast<const ZipReader* (*)()>(dlsym(handle, "skinkit_zip_reader"));
        if (interface == nullptr || reader == nullptr || interface() != kZipInterface) {
            module.problem = file + " is a module for another version of the kit";
            dlclose(handle);
            continue;
        }
        // Never closed: the archives it opened live on after this.
        return {reader(), {}};
    }
    if (directories.empty())
        module.problem = "no folder to look in";
    return module;
}

const ZipModule& zipModule()
{
    static const ZipModule module = [] {
        std::error_code error;
        const std::filesystem::path program = std::filesystem::read_symlink("/proc/self/exe", error);
        std::vector<std::filesystem::path> directories;
        if (!error) {
            directories.push_back(program.parent_path() / KIT_ZIP_MODULE_DIR_FROM_BIN);
            // The build tree is looked in only by the programs built there, so
            // that an installed program never loads code from wherever the
            // package happened to be built.
            const std::filesystem::path inBuildTree = program.lexically_relative(KIT_BUILD_TREE);
            if (!inBuildTree.empty() && *inBuildTree.begin() != "..")
                directories.emplace_back(KIT_ZIP_MODULE_BUILD_DIR);
        }
        ZipModule loaded = loadZipModule(directories);
        if (error)
            loaded.problem = "the program cannot tell where it lies: " + error.message();
        return loaded;
    }();
    return module;
}

} // namespace kit
