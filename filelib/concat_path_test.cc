#include <gtest/gtest.h>

#include <string>

#include "filelib/filelib.h"

namespace {

struct join_case {
    const char* first;
    const char* second;
    std::string joined;
};

TEST(concat_path, joins_with_one_separator) {
    const join_case cases[] = {
        {"maps", "castle.dat", "maps/castle.dat"},
        {"maps/", "castle.dat", "maps/castle.dat"},
        {"maps\\", "castle.dat", "maps\\castle.dat"},
        {"maps", "", "maps"},
        {"maps", nullptr, "maps"},
        {"", "castle.dat", "castle.dat"},
        {nullptr, "castle.dat", "castle.dat"},
        {"/", "castle.dat", "/castle.dat"},
        {"a/b", "c/d", "a/b/c/d"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(concat_path(c.first, c.second), c.joined)
            << (c.first ? c.first : "(none)") << " + " << (c.second ? c.second : "(none)");
    }
}

TEST(concat_path, empty_parts_give_an_empty_path_not_the_last_one) {
    const char* const parts[] = {nullptr, ""};
    for (const char* first : parts) {
        for (const char* second : parts) {
            concat_path("maps", "castle.dat");
            EXPECT_STREQ(concat_path(first, second), "");
        }
    }
}

TEST(concat_path, always_points_at_the_same_buffer) {
    const char* const one = concat_path("a", "b");
    EXPECT_EQ(concat_path("c", "d"), one);
    EXPECT_STREQ(one, "c/d");
}

TEST(concat_path, cuts_a_result_that_does_not_fit) {
    const std::size_t longest = concat_path_capacity - 1;
    const std::string a(longest - 1, 'a');
    const std::string b(10, 'b');
    struct cut_case {
        std::string first;
        std::string second;
        std::string joined;
    };
    const cut_case cases[] = {
        {a, "", a},
        {a, b, a + "/"},                                   // room for the separator only
        {std::string(longest, 'a'), b, std::string(longest, 'a')},
        {std::string(3 * longest, 'a'), b, std::string(longest, 'a')},
        {"dir", std::string(2 * longest, 'b'), "dir/" + std::string(longest - 4, 'b')},
        {"", std::string(longest + 1, 'b'), std::string(longest, 'b')},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(std::string(concat_path(c.first.c_str(), c.second.c_str())), c.joined)
            << c.first.size() << " + " << c.second.size();
    }
}

}  // namespace
