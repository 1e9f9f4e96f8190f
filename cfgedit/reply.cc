#include "cfgedit/reply.h"

#include <array>
#include <cstdint>
#include <limits>

namespace {

bool is_digit(char c) { return c >= '0' && c <= '9'; }

int reply_value(const char* line, std::size_t length) {
    constexpr std::int64_t largest = std::numeric_limits<std::int32_t>::max();
    std::int64_t value = 0;
    for (std::size_t i = 0; i < length && is_digit(line[i]); ++i) {
        value = value * 10 + (line[i] - '0');
        if (value > largest) {
            return 0;  // names no entry, whatever its low bits would say
        }
    }
    return static_cast<int>(value);
}

}  // namespace

int read_reply(std::FILE* in) {
    std::fflush(stdout);
    std::array<char, reply_buffer_size> line{};
    std::size_t stored = 0;
    int c = std::fgetc(in);
    if (c == EOF) {
        return reply_end_of_input;
    }
    // A last line without a newline is still a reply.
    for (; c != EOF; c = std::fgetc(in)) {
        if (stored < line.size()) {
            line[stored++] = static_cast<char>(c);
        }
        if (c == '\n') {
            break;
        }
    }
    return reply_value(line.data(), stored);
}
