#pragma once

#include <cstdint>
#include <filesystem>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

// What the skin source asks of a zip archive, answered by libzip in a module of
// the kit's own (skinkit-zip.so) that is loaded the first time an archive is
// opened. libzip brings libcrypto, libbz2 and more with it, which would
// otherwise be loaded and relocated at every start of every program, although
// most runs never open an archive.
//
// The module is built by the same compiler as the programs, from the same
// header, so the interface is plain C++; kZipInterface guards against a module
// left over from another version.
namespace kit {

// Raised whenever the classes below change.
inline constexpr int kZipInterface = 1;

// A member as the archive's directory describes it.
struct ZipEntry
{
    std::string rawName;     // the bytes of its name as stored
    std::string name437;     // the name read in the zip format's old code page, 437, as UTF-8; empty if it cannot be
    std::uint64_t size = 0;  // unpacked, as declared
    std::uint64_t packedSize = 0;
    std::uint32_t method = 0; // how it is packed
    bool methodSupported = false;
    bool encrypted = false;
};

// An archive opened from bytes in memory, which must outlive it.
class ZipArchive
{
public:
    virtual ~ZipArchive() = default;
    virtual std::uint64_t count() const = 0;
    // Describes the member at `index`; gives why it cannot, or nothing.
    virtual std::string describe(std::uint64_t index, ZipEntry& entry) const = 0;
    // Unpacks the member at `index` into `bytes`, checked against its checksum
    // and against `declaredSize`; gives why it cannot, or nothing, and leaves
    // `bytes` empty on failure.
    virtual std::string read(std::uint64_t index, std::uint64_t declaredSize, std::string& bytes) const = 0;
};

struct ZipOpening
{
    std::unique_ptr<ZipArchive> archive; // null when the bytes are no archive that can be read
    std::string reason;                  // why not: "not a zip archive"
};

class ZipReader
{
public:
    virtual ZipOpening open(std::string_view bytes) const = 0;

protected:
    ~ZipReader() = default; // the module's one reader lives as long as the process
};

struct ZipModule
{
    const ZipReader* reader = nullptr; // null when no module could be loaded
    std::string problem;               // why not
};

// Loads the module from the first of `directories` that holds one that loads
// and speaks this interface. A module stays loaded once it is.
ZipModule loadZipModule(const std::vector<std::filesystem::path>& directories);

// The kit's installed module, beside the program in the package's library
// folder, or, for a program that runs inside the build tree, the one built
// there. Loaded on the first call.
const ZipModule& zipModule();

} // namespace kit
