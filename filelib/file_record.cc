#include "filelib/filelib.h"

#include <array>
#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <limits>
#include <system_error>

// Every operation clears errno before its platform call, so that a report
// shows the reason of the call that failed and never a stale one.

namespace {

// Queries the file's size; false when the file cannot be queried (absent,
// or not a regular file). The query's own errno is of no interest to any
// later report, so it is cleared again.
bool query_status(const std::string& name, file_status& status) {
    std::error_code error;
    const std::uintmax_t size = std::filesystem::file_size(name, error);
    errno = 0;
    if (error) {
        status.size = 0;
        return false;
    }
    constexpr auto largest = static_cast<std::uintmax_t>(std::numeric_limits<std::int32_t>::max());
    status.size = static_cast<std::int32_t>(size < largest ? size : largest);
    return true;
}

constexpr std::array<int, 3> stream_origins = {SEEK_SET, SEEK_CUR, SEEK_END};

}  // namespace

std::unique_ptr<file_record> stat_file(const std::string& path) {
    auto record = std::make_unique<file_record>();
    record->name = path;
    const bool found = query_status(record->name, record->status);
    record->is_new = !found || record->status.size == 0;
    return record;
}

void open_file(file_record& record, const char* mode) {
    errno = 0;
    record.fp = std::fopen(record.name.c_str(), mode);
    if (record.fp == nullptr) {
        file_error(record, "Could not open file");
    }
    query_status(record.name, record.status);
}

void reopen_file(file_record& record, const char* mode) {
    errno = 0;
    // A record that was never opened has no stream to reopen; opening it
    // afresh is what the caller means, and freopen must not see a null stream.
    std::FILE* const reopened = record.fp != nullptr
                                    ? std::freopen(record.name.c_str(), mode, record.fp)
                                    : std::fopen(record.name.c_str(), mode);
    if (reopened == nullptr) {
        // The old stream is closed now, but its memory is not freed by every
        // C library; the record keeps pointing at it until the process ends.
        file_error(record, "Could not reopen file");
    }
    record.fp = reopened;
}

void close_file(std::unique_ptr<file_record> record) {
    if (record->fp != nullptr) {
        errno = 0;
        std::FILE* const fp = record->fp;
        record->fp = nullptr;
        if (std::fclose(fp) != 0) {
            file_error(*record, "Cannot close file");
        }
    }
}

void read_from_file(file_record& record, std::uint8_t* buffer, std::int32_t length) {
    errno = 0;
    // No item of zero or negative length can be transferred; only a stream
    // already at its end excuses that, as it excuses any short read.
    if (length > 0 && std::fread(buffer, static_cast<std::size_t>(length), 1, record.fp) == 1) {
        return;
    }
    if (std::feof(record.fp) != 0) {
        return;
    }
    file_error(record, "Could not read from file");
}

void write_to_file(file_record& record, const std::uint8_t* buffer, std::int32_t length) {
    errno = 0;
    if (length > 0 && std::fwrite(buffer, static_cast<std::size_t>(length), 1, record.fp) == 1) {
        return;
    }
    file_error(record, "Could not write to file");
}

void seek_through_file(file_record& record, std::int32_t offset, int origin) {
    errno = 0;
    const bool known_origin = origin >= 0 && origin < static_cast<int>(stream_origins.size());
    if (known_origin &&
        std::fseek(record.fp, offset, stream_origins[static_cast<std::size_t>(origin)]) == 0) {
        return;
    }
    file_error(record, "Could not seek through file");
}

bool end_of_file(const file_record& record) {
    return record.fp != nullptr && std::feof(record.fp) != 0;
}

void file_error(const file_record& record, const char* message) {
    const int reason = errno;
    std::fprintf(stderr, "%s: %s\n", record.name.c_str(), message);
    if (reason != 0) {
        std::fprintf(stderr, "%s: %s\n", record.name.c_str(), std::strerror(reason));
    }
    std::exit(-1);
}
