#include "cfgedit/reply.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <vector>

namespace {

// Feeds `input` to read_reply until the input ends.
std::vector<int> replies_to(const std::string& input) {
    std::FILE* in = std::tmpfile();
    std::fwrite(input.data(), 1, input.size(), in);
    std::rewind(in);
    std::vector<int> replies;
    for (int reply = read_reply(in); reply != reply_end_of_input; reply = read_reply(in)) {
        replies.push_back(reply);
    }
    std::fclose(in);
    return replies;
}

struct reply_case {
    const char* input;
    std::vector<int> replies;
};

TEST(read_reply, takes_the_leading_digits_of_each_line) {
    const reply_case cases[] = {
        {"", {}},
        {"3\n", {3}},
        {"3\n7", {3, 7}},  // a last line without a newline still counts
        {"12abc\n007\n", {12, 7}},
        {"\n \n 3\n+3\n-3\nx\n", {0, 0, 0, 0, 0, 0}},
        {"4\r\n", {4}},
        {"2147483647\n2147483648\n4294967303\n", {2147483647, 0, 0}},
        {"99999999999999999999999999999999\n8\n", {0, 8}},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(replies_to(c.input), c.replies) << '"' << c.input << '"';
    }
}

TEST(read_reply, reads_a_line_longer_than_the_buffer_as_one_reply) {
    for (const std::size_t length :
         {reply_buffer_size - 1, reply_buffer_size, reply_buffer_size + 1, 3 * reply_buffer_size}) {
        const std::string long_line = "5" + std::string(length - 1, 'x') + "\n";
        EXPECT_EQ(replies_to(long_line + "8\n"), (std::vector<int>{5, 8})) << length;
        // Digits past the buffer's end would make the number overflow; they
        // are not stored, and the stored ones already do.
        const std::string digits(length, '1');
        EXPECT_EQ(replies_to(digits + "\n6\n"), (std::vector<int>{0, 6})) << length;
    }
}

}  // namespace
