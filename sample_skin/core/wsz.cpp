#include "sample_skin/core/wsz.h"

#include <zip.h>

#include <ctime>
#include <memory>

namespace sample {
namespace {

struct SourceFree
{
    void operator()(zip_source_t* source) const { zip_source_free(source); }
};
using Source = std::unique_ptr<zip_source_t, SourceFree>;

std::string reason(zip_error_t* error)
{
    std::string text = zip_error_strerror(error);
    zip_error_fini(error);
    return text;
}

// 1 January 2000, 00:00 local time, as zip files keep their dates.
time_t fixedDate()
{
    std::tm date {};
    date.tm_year = 100;
    date.tm_mday = 1;
    date.tm_isdst = -1;
    return std::mktime(&date);
}

} // namespace

std::string wszBytes(const std::vector<SkinFile>& files, std::string& error)
{
    zip_error_t zipError;
    zip_error_init(&zipError);
    // The archive is made in memory, so that the caller writes it whole or not at all.
    Source buffer(zip_source_buffer_create(nullptr, 0, 0, &zipError));
    if (!buffer) {
        error = reason(&zipError);
        return {};
    }
    zip_t* archive = zip_open_from_source(buffer.get(), ZIP_TRUNCATE, &zipError);
    if (!archive) {
        error = reason(&zipError);
        return {};
    }
    zip_source_keep(buffer.get());
    const time_t date = fixedDate();
    for (const SkinFile& file : files) {
        zip_source_t* data = zip_source_buffer(archive, file.bytes.data(), file.bytes.size(), 0);
        const zip_int64_t index = data ? zip_file_add(archive, file.name.c_str(), data, ZIP_FL_ENC_UTF_8) : -1;
        if (index < 0) {
            zip_source_free(data);
            error = zip_strerror(archive);
            zip_discard(archive);
            return {};
        }
        const auto entry = static_cast<zip_uint64_t>(index);
        if (zip_set_file_compression(archive, entry, ZIP_CM_DEFLATE, 9) != 0 || zip_file_set_mtime(archive, entry, date, 0) != 0) {
            error = zip_strerror(archive);
            zip_discard(archive);
            return {};
        }
    }
    if (zip_close(archive) != 0) {
        error = zip_strerror(archive);
        zip_discard(archive);
        return {};
    }

    zip_stat_t stat;
    if (zip_source_stat(buffer.get(), &stat) != 0 || zip_source_open(buffer.get()) != 0) {
        error = zip_error_strerror(zip_source_error(buffer.get()));
        return {};
    }
    std::string bytes(static_cast<size_t>(stat.size), '\0');
    const zip_int64_t read = zip_source_read(buffer.get(), bytes.data(), stat.size);
    zip_source_close(buffer.get());
    if (read < 0 || static_cast<zip_uint64_t>(read) != stat.size) {
        error = "the archive could not be read back from memory";
        return {};
    }
    return bytes;
}

} // namespace sample
