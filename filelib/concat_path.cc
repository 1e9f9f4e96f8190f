#include <algorithm>
#include <array>
#include <cstring>

#include "filelib/filelib.h"

namespace {

std::array<char, concat_path_capacity> joined_path{};

bool is_separator(char c) { return c == '/' || c == '\\'; }

// Appends as much of text as fits, always leaving room for the terminator.
std::size_t append(std::size_t end, const char* text, std::size_t length) {
    const std::size_t room = joined_path.size() - 1 - end;
    const std::size_t taken = std::min(length, room);
    std::memcpy(joined_path.data() + end, text, taken);
    return end + taken;
}

}  // namespace

const char* concat_path(const char* first, const char* second) {
    const std::size_t first_length = first != nullptr ? std::strlen(first) : 0;
    const std::size_t second_length = second != nullptr ? std::strlen(second) : 0;
    std::size_t end = 0;
    if (first_length > 0) {
        end = append(end, first, first_length);
        if (second_length > 0 && !is_separator(first[first_length - 1])) {
            end = append(end, "/", 1);
        }
    }
    if (second_length > 0) {
        end = append(end, second, second_length);
    }
    joined_path[end] = '\0';
    return joined_path.data();
}
