// Arbitrary bytes as the editor's keyboard input: each line must be one reply
// with the value its leading digits give, and the dialogue must end when the
// input does. The sanitizers watch the reply buffer.
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <limits>

#include "cfgedit/editor.h"
#include "cfgedit/reply.h"
#include "tests/fuzz/fuzz_support.h"

namespace {

// The reply a line must give, worked out apart from read_reply: the number
// its leading digits form among the bytes the buffer can hold, or 0.
int expected_reply(const std::uint8_t* line, std::size_t length) {
    const std::size_t stored = length < reply_buffer_size ? length : reply_buffer_size;
    std::int64_t value = 0;
    for (std::size_t i = 0; i < stored && line[i] >= '0' && line[i] <= '9'; ++i) {
        value = value * 10 + (line[i] - '0');
        if (value > std::numeric_limits<std::int32_t>::max()) {
            return 0;
        }
    }
    return static_cast<int>(value);
}

std::FILE* input_of(const std::uint8_t* data, std::size_t size) {
    std::FILE* in = fmemopen(const_cast<std::uint8_t*>(data), size, "r");
    if (in == nullptr) {
        std::abort();
    }
    return in;
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    // The menus print on standard output; only the replies matter here.
    check(std::freopen("/dev/null", "w", stdout) != nullptr);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::FILE* in = input_of(data, size);
    for (std::size_t start = 0; start < size;) {
        std::size_t end = start;
        while (end < size && data[end] != '\n') {
            ++end;
        }
        const std::size_t length = (end < size ? end + 1 : end) - start;
        check(read_reply(in) == expected_reply(data + start, length));
        start += length;
    }
    check(read_reply(in) == reply_end_of_input);
    std::fclose(in);

    // Start from values that name no mode and no music, so the screens show
    // empty names; afterwards only the menus' own values or these may remain.
    in = input_of(data, size);
    qeldcfg settings{200, 7, false, true, true, true};
    edit_settings(in, settings, false);
    std::fclose(in);
    check((settings.video >= 0 && settings.video <= 3) || settings.video == 200);
    check(settings.music == 0 || settings.music == 1 || settings.music == 7);
    return 0;
}
