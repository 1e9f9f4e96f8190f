// The file-access library: one buffered stream per file, and a single fatal
// report for every failed file operation. Callers never test results: an
// operation either succeeds or the process ends with status -1.
#ifndef FILELIB_FILELIB_H
#define FILELIB_FILELIB_H

#include <cstdint>
#include <cstdio>
#include <memory>
#include <string>

// What the file looked like when it was last queried. Only the size is
// used; sizes beyond the signed 32-bit range are held as its maximum.
struct file_status {
    std::int32_t size = 0;
};

struct file_record {
    std::string name;           // opens the file and prefixes every report
    std::FILE* fp = nullptr;    // none until the first successful open_file
    bool is_new = false;        // absent or empty when the record was made
    file_status status;         // refreshed by stat_file and open_file
};

// Seek origins, as the platform's streams number them.
constexpr int seek_from_start = 0;
constexpr int seek_from_current = 1;
constexpr int seek_from_end = 2;

// Makes a record for the path without opening the file.
std::unique_ptr<file_record> stat_file(const std::string& path);
void open_file(file_record& record, const char* mode);
void reopen_file(file_record& record, const char* mode);
// Flushes and closes the stream, if any, and destroys the record.
void close_file(std::unique_ptr<file_record> record);

// Reads one item of length bytes. Running into the end of the file is not an
// error: the buffer then holds whatever bytes were there.
void read_from_file(file_record& record, std::uint8_t* buffer, std::int32_t length);
void write_to_file(file_record& record, const std::uint8_t* buffer, std::int32_t length);
void seek_through_file(file_record& record, std::int32_t offset, int origin);
bool end_of_file(const file_record& record);

// Reports "<name>: <message>", then the system's reason when there is one,
// on standard error and ends the process with status -1.
[[noreturn]] void file_error(const file_record& record, const char* message);

// Whole-file helpers, built on the operations above and failing through them.
// The records must be open: sources readable, destinations writable.

// The stream's size in bytes; the position is left where it was.
std::int32_t file_size(file_record& record);
// Copies the whole source over the start of the destination.
void copy_file(file_record& source, file_record& destination);
// Copies length bytes from the source's offset over the start of the
// destination; later bytes of the destination stay as they were. Bytes the
// source does not have are written as zeros.
void copy_file_n(file_record& source, file_record& destination, std::int32_t offset,
                 std::int32_t length);
// Keeps the first length bytes of the file, or pads it with zeros up to
// length; the position stays, but not past the new end.
void truncate_file(file_record& record, std::int32_t length);

// Joins two path parts, either of which may be null or empty, with a slash
// unless the first already ends in a slash or a back-slash. The result lives
// in one buffer shared by all calls, valid until the next call, and is cut to
// concat_path_capacity - 1 characters.
constexpr std::size_t concat_path_capacity = 4096;
const char* concat_path(const char* first, const char* second);

#endif
