#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <cstdio>
#include <string>

#include "filelib/filelib.h"
#include "tests/support/scratch.h"

namespace {

using whole_file_test = in_scratch_test;

bytes counting(std::size_t length, std::uint8_t first) {
    bytes content(length);
    for (std::size_t i = 0; i < length; ++i) {
        content[i] = static_cast<std::uint8_t>(first + i);
    }
    return content;
}

std::unique_ptr<file_record> opened(const char* path, const bytes& content, const char* mode) {
    write_bytes(path, content);
    auto record = stat_file(path);
    open_file(*record, mode);
    return record;
}

long position(const file_record& record) { return std::ftell(record.fp); }

TEST_F(whole_file_test, file_size_leaves_the_position_alone) {
    auto empty = opened("EMPTY", {}, "rb");
    EXPECT_EQ(file_size(*empty), 0);
    EXPECT_EQ(position(*empty), 0);
    close_file(std::move(empty));

    auto data = opened("DATA", counting(37, 0), "rb");
    for (const std::int32_t at : {0, 5, 37, 50}) {
        seek_through_file(*data, at, seek_from_start);
        EXPECT_EQ(file_size(*data), 37) << at;
        EXPECT_EQ(position(*data), at);
    }
    close_file(std::move(data));
}

struct copy_case {
    const char* name;
    std::int32_t offset;
    std::int32_t length;  // -1: copy_file, the whole source
    bytes after;
};

void PrintTo(const copy_case& c, std::ostream* os) { *os << c.name; }

// Source: 10 bytes 0xA0..0xA9; destination: 20 bytes 0..19, positioned at 15.
const copy_case copy_cases[] = {
    {"whole_file", 0, -1,
     {0xA0, 0xA1, 0xA2, 0xA3, 0xA4, 0xA5, 0xA6, 0xA7, 0xA8, 0xA9,
      10, 11, 12, 13, 14, 15, 16, 17, 18, 19}},
    {"from_an_offset", 4, 3,
     {0xA4, 0xA5, 0xA6, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16, 17, 18, 19}},
    {"past_the_source_end_gives_zeros", 8, 5,
     {0xA8, 0xA9, 0, 0, 0, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16, 17, 18, 19}},
};

class copy_test : public whole_file_test, public ::testing::WithParamInterface<copy_case> {};

TEST_P(copy_test, lands_at_the_start_of_the_destination) {
    const copy_case& c = GetParam();
    auto source = opened("SOURCE", counting(10, 0xA0), "rb");
    auto destination = opened("DEST", counting(20, 0), "r+b");
    seek_through_file(*destination, 15, seek_from_start);
    if (c.length < 0) {
        copy_file(*source, *destination);
    } else {
        copy_file_n(*source, *destination, c.offset, c.length);
    }
    close_file(std::move(source));
    close_file(std::move(destination));
    EXPECT_EQ(read_bytes("DEST"), c.after);
    EXPECT_EQ(read_bytes("SOURCE"), counting(10, 0xA0));
}

INSTANTIATE_TEST_SUITE_P(copies, copy_test, ::testing::ValuesIn(copy_cases),
                         [](const auto& info) { return std::string(info.param.name); });

struct truncate_case {
    std::int32_t position_before;
    std::int32_t length;
    bytes after;
    long position_after;
};

TEST_F(whole_file_test, truncate_keeps_the_head_and_a_position_within_it) {
    const truncate_case cases[] = {
        {7, 4, {1, 2, 3, 4}, 4},
        {2, 4, {1, 2, 3, 4}, 2},
        {10, 10, counting(10, 1), 10},
        {3, 13, {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 0, 0, 0}, 3},  // grows with zeros
    };
    for (const truncate_case& c : cases) {
        auto record = opened("TRUNC", counting(10, 1), "r+b");
        seek_through_file(*record, c.position_before, seek_from_start);
        truncate_file(*record, c.length);
        EXPECT_EQ(position(*record), c.position_after) << c.position_before << " " << c.length;
        close_file(std::move(record));
        EXPECT_EQ(read_bytes("TRUNC"), c.after) << c.position_before << " " << c.length;
    }
}

// A zero-length read transfers no item, and the seek or rewind before it has
// cleared the end-of-file indicator that would excuse it.
TEST_F(whole_file_test, zero_lengths_cannot_be_read) {
    const std::string report = "SOURCE: Could not read from file\n";
    EXPECT_EXIT(
        {
            auto source = opened("SOURCE", counting(10, 0), "rb");
            auto destination = opened("DEST", {}, "wb");
            copy_file_n(*source, *destination, 0, 0);
        },
        ::testing::ExitedWithCode(255), ::testing::Eq(report));
    EXPECT_EXIT(truncate_file(*opened("SOURCE", counting(10, 0), "r+b"), 0),
                ::testing::ExitedWithCode(255), ::testing::Eq(report));
    EXPECT_EQ(read_bytes("SOURCE"), counting(10, 0));
}

TEST_F(whole_file_test, copy_into_a_read_only_stream_cannot_write) {
    EXPECT_EXIT(
        {
            auto source = opened("SOURCE", counting(10, 0), "rb");
            auto destination = opened("DEST", counting(3, 0), "rb");
            copy_file(*source, *destination);
        },
        ::testing::ExitedWithCode(255),
        ::testing::Eq(std::string("DEST: Could not write to file\nDEST: Bad file descriptor\n")));
}

}  // namespace
