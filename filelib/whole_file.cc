#include <algorithm>
#include <cstdio>
#include <vector>

#include "filelib/filelib.h"

namespace {

// The position query is not checked: on a stream that the operations above
// have opened and positioned, it cannot fail in a way they would not report.
std::int32_t position_of(const file_record& record) {
    return static_cast<std::int32_t>(std::ftell(record.fp));
}

// Zero-filled, so that bytes a short read does not supply are written as zeros.
std::vector<std::uint8_t> zeroed_buffer(std::int32_t length) {
    return std::vector<std::uint8_t>(static_cast<std::size_t>(std::max(length, 0)));
}

}  // namespace

std::int32_t file_size(file_record& record) {
    const std::int32_t position = position_of(record);
    seek_through_file(record, 0, seek_from_end);
    const std::int32_t size = position_of(record);
    seek_through_file(record, position, seek_from_start);
    return size;
}

void copy_file(file_record& source, file_record& destination) {
    copy_file_n(source, destination, 0, file_size(source));
}

void copy_file_n(file_record& source, file_record& destination, std::int32_t offset,
                 std::int32_t length) {
    std::vector<std::uint8_t> buffer = zeroed_buffer(length);
    seek_through_file(source, offset, seek_from_start);
    std::rewind(destination.fp);
    read_from_file(source, buffer.data(), length);
    write_to_file(destination, buffer.data(), length);
}

void truncate_file(file_record& record, std::int32_t length) {
    const std::int32_t position = position_of(record);
    std::rewind(record.fp);
    std::vector<std::uint8_t> buffer = zeroed_buffer(length);
    read_from_file(record, buffer.data(), length);
    reopen_file(record, "w+b");
    write_to_file(record, buffer.data(), length);
    seek_through_file(record, std::min(position, length), seek_from_start);
}
