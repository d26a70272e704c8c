#include "common/testing/ziparchive.h"

#include <zip.h>

#include <cstdio>
#include <stdexcept>

namespace kit::testing {

std::string zipArchive(const std::vector<ZipEntry>& entries)
{
    zip_error_t error;
    zip_error_init(&error);
    zip_source_t* memory = zip_source_buffer_create(nullptr, 0, 0, &error);
    zip_t* zip = memory != nullptr ? zip_open_from_source(memory, ZIP_TRUNCATE, &error) : nullptr;
    if (zip == nullptr)
        throw std::runtime_error(zip_error_strerror(&error));
    zip_source_keep(memory);
    for (const ZipEntry& entry : entries) {
        zip_int64_t index = -1;
        if (entry.name.ends_with('/')) {
            index = zip_dir_add(zip, entry.name.c_str(), ZIP_FL_ENC_UTF_8);
        } else {
            zip_source_t* bytes = zip_source_buffer(zip, entry.bytes.data(), entry.bytes.size(), 0);
            index = zip_file_add(zip, entry.name.c_str(), bytes, ZIP_FL_ENC_GUESS);
            if (index >= 0)
                zip_set_file_compression(zip, static_cast<zip_uint64_t>(index),
                                         entry.deflated ? ZIP_CM_DEFLATE : ZIP_CM_STORE, 9);
            if (index >= 0 && entry.encrypted)
                zip_file_set_encryption(zip, static_cast<zip_uint64_t>(index), ZIP_EM_AES_256, "skin");
        }
        if (index < 0)
            throw std::runtime_error(entry.name + ": " + zip_strerror(zip));
    }
    if (zip_close(zip) != 0)
        throw std::runtime_error(zip_strerror(zip));

    std::string archive;
    if (zip_source_open(memory) == 0) {
        zip_source_seek(memory, 0, SEEK_END);
        archive.resize(static_cast<size_t>(zip_source_tell(memory)));
        zip_source_seek(memory, 0, SEEK_SET);
        zip_source_read(memory, archive.data(), archive.size());
        zip_source_close(memory);
    }
    zip_source_free(memory);
    return archive;
}

std::string patched(std::string archive, std::string_view from, std::string_view to)
{
    if (from.size() != to.size())
        throw std::invalid_argument("a patch keeps the length");
    for (size_t at = archive.find(from); at != std::string::npos; at = archive.find(from, at + to.size()))
        archive.replace(at, from.size(), to);
    return archive;
}

} // namespace kit::testing
