// The module that the skin source loads when it first opens an archive: zip
// archives read through libzip.
#include "common/core/ziparchive.h"

#include <zip.h>

namespace kit {
namespace {

std::string zipReason(int code)
{
    switch (code) {
    case ZIP_ER_NOZIP: return "not a zip archive";
    case ZIP_ER_MULTIDISK: return "split over several files, which the player cannot read";
    case ZIP_ER_CRC: return "damaged: its data does not match its checksum";
    case ZIP_ER_ZLIB:
    case ZIP_ER_COMPRESSED_DATA: return "damaged: its packed data does not unpack";
    case ZIP_ER_INCONS: return "damaged: its list of members contradicts itself or its contents";
    case ZIP_ER_EOF:
    case ZIP_ER_READ:
    case ZIP_ER_SEEK: return "damaged or cut short";
    case ZIP_ER_MEMORY: return "too large to unpack";
    default: break;
    }
    zip_error_t error;
    zip_error_init_with_code(&error, code);
    std::string reason = "cannot be read (" + std::string(zip_error_strerror(&error)) + ")";
    zip_error_fini(&error);
    return reason;
}

class LibzipArchive final : public ZipArchive
{
public:
    explicit LibzipArchive(zip_t* zip) : m_zip(zip) {}
    ~LibzipArchive() override { zip_discard(m_zip); }
    LibzipArchive(const LibzipArchive&) = delete;
    LibzipArchive& operator=(const LibzipArchive&) = delete;

    std::uint64_t count() const override
    {
        const zip_int64_t count = zip_get_num_entries(m_zip, 0);
        return count < 0 ? 0 : static_cast<std::uint64_t>(count);
    }

    std::string describe(std::uint64_t index, ZipEntry& entry) const override
    {
        zip_stat_t stat;
        const char* raw = zip_get_name(m_zip, index, ZIP_FL_ENC_RAW);
        if (raw == nullptr || zip_stat_index(m_zip, index, ZIP_FL_ENC_RAW, &stat) != 0)
            return zipReason(zip_error_code_zip(zip_get_error(m_zip)));
        entry.rawName = raw;
        // A name without the UTF-8 mark is in code page 437, which libzip turns
        // into UTF-8. (A name with the mark that is no UTF-8 makes libzip refuse
        // the whole archive as inconsistent.)
        const char* decoded = zip_get_name(m_zip, index, ZIP_FL_ENC_STRICT);
        entry.name437 = decoded != nullptr ? decoded : "";
        entry.size = stat.size;
        entry.packedSize = stat.comp_size;
        entry.method = static_cast<std::uint32_t>(stat.comp_method);
        entry.methodSupported = zip_compression_method_supported(static_cast<zip_int32_t>(stat.comp_method), 0) != 0;
        entry.encrypted = stat.encryption_method != ZIP_EM_NONE;
        return {};
    }

    std::string read(std::uint64_t index, std::uint64_t declaredSize, std::string& bytes) const override
    {
        bytes.clear();
        zip_file_t* file = zip_fopen_index(m_zip, index, 0);
        if (file == nullptr)
            return zipReason(zip_error_code_zip(zip_get_error(m_zip)));
        // One byte more than declared is read, to catch a member that unpacks
        // to more than it says.
        bytes.resize(declaredSize + 1);
        zip_uint64_t got = 0;
        zip_int64_t step = 0;
        while (got < bytes.size() && (step = zip_fread(file, bytes.data() + got, bytes.size() - got)) > 0)
            got += static_cast<zip_uint64_t>(step);
        std::string error;
        if (step < 0)
            error = zipReason(zip_error_code_zip(zip_file_get_error(file)));
        else if (got > declaredSize)
            error = "damaged: it unpacks to more than it declares";
        else if (got < declaredSize)
            error = "damaged or cut short";
        zip_fclose(file);
        if (!error.empty())
            bytes.clear();
        else
            bytes.resize(got);
        return error;
    }

private:
    zip_t* m_zip;
};

class LibzipReader final : public ZipReader
{
public:
    ZipOpening open(std::string_view bytes) const override
    {
        ZipOpening opening;
        zip_error_t error;
        zip_error_init(&error);
        zip_t* zip = nullptr;
        zip_source_t* source = zip_source_buffer_create(bytes.data(), bytes.size(), 0, &error);
        if (source != nullptr) {
            zip = zip_open_from_source(source, ZIP_RDONLY, &error);
            if (zip == nullptr)
                zip_source_free(source);
        }
        const int code = zip_error_code_zip(&error);
        zip_error_fini(&error);
        if (zip == nullptr) {
            // A zip whose end, with its directory of members, was cut off still
            // starts like one.
            const bool cutShort = code == ZIP_ER_NOZIP && bytes.starts_with("PK\x03\x04");
            opening.reason = cutShort ? "damaged or cut short: the directory of its members is missing" : zipReason(code);
            return opening;
        }
        opening.archive = std::make_unique<LibzipArchive>(zip);
        return opening;
    }
};

} // namespace
} // namespace kit

extern "C" {

__attribute__((visibility("default"))) int skinkit_zip_interface() { return kit::kZipInterface; }

__attribute__((visibility("default"))) const kit::ZipReader* skinkit_zip_reader()
{
    static const kit::LibzipReader reader;
    return &reader;
}

} // extern "C"
