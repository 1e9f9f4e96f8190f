#include "filelib/filelib.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "tests/support/scratch.h"

namespace {

using ::testing::Eq;
using ::testing::ExitedWithCode;

// Paths are relative to the scratch directory, as the tools' are to the game
// directory, so reports name them the way a player sees them.
using file_record_test = in_scratch_test;

TEST_F(file_record_test, stat_file_marks_absent_and_empty_files_new) {
    write_bytes(file("EMPTY"), {});
    write_bytes(file("ONE"), {7});
    struct expectation {
        const char* path;
        bool is_new;
        std::int32_t size;
    };
    for (const auto& want : {expectation{"ABSENT", true, 0}, expectation{"EMPTY", true, 0},
                             expectation{"ONE", false, 1}}) {
        auto record = stat_file(want.path);
        EXPECT_EQ(record->name, want.path);
        EXPECT_EQ(record->fp, nullptr) << want.path;
        EXPECT_EQ(record->is_new, want.is_new) << want.path;
        EXPECT_EQ(record->status.size, want.size) << want.path;
        close_file(std::move(record));  // never opened: only freed
    }
}

TEST_F(file_record_test, open_file_refreshes_the_recorded_size) {
    write_bytes(file("GROWS"), {1, 2});
    auto record = stat_file("GROWS");
    write_bytes(file("GROWS"), {1, 2, 3, 4, 5});
    open_file(*record, "rb");
    EXPECT_EQ(record->status.size, 5);
    EXPECT_FALSE(record->is_new);
    close_file(std::move(record));
}

TEST_F(file_record_test, read_running_into_the_end_keeps_what_was_there) {
    write_bytes(file("SIX"), {1, 2, 3, 4, 5, 6});
    auto record = stat_file("SIX");
    open_file(*record, "rb");
    std::uint8_t buffer[8] = {0xEE, 0xEE, 0xEE, 0xEE, 0xEE, 0xEE, 0xEE, 0xEE};
    EXPECT_FALSE(end_of_file(*record));
    read_from_file(*record, buffer, 8);
    EXPECT_TRUE(end_of_file(*record));
    EXPECT_THAT(buffer, ::testing::ElementsAre(1, 2, 3, 4, 5, 6, 0xEE, 0xEE));
    // At the end already, even an empty read is quiet.
    read_from_file(*record, buffer, 0);
    close_file(std::move(record));
}

TEST_F(file_record_test, seek_past_the_end_then_read_meets_the_end_quietly) {
    write_bytes(file("SHORT"), {9, 9});
    auto record = stat_file("SHORT");
    open_file(*record, "rb");
    seek_through_file(*record, 100, seek_from_start);
    std::uint8_t byte = 0x55;
    read_from_file(*record, &byte, 1);
    EXPECT_TRUE(end_of_file(*record));
    EXPECT_EQ(byte, 0x55);
    // A seek clears the indicator, and reads go on from the new position.
    seek_through_file(*record, -1, seek_from_end);
    EXPECT_FALSE(end_of_file(*record));
    read_from_file(*record, &byte, 1);
    EXPECT_EQ(byte, 9);
    close_file(std::move(record));
}

TEST_F(file_record_test, writes_land_at_the_seek_position_in_update_mode) {
    write_bytes(file("WORLD"), {0, 1, 2, 3, 4});
    auto record = stat_file("WORLD");
    open_file(*record, "r+b");
    const std::uint8_t tile = 0x30;
    seek_through_file(*record, 3, seek_from_start);
    write_to_file(*record, &tile, 1);
    seek_through_file(*record, -4, seek_from_current);
    std::uint8_t read_back[2] = {};
    read_from_file(*record, read_back, 2);
    close_file(std::move(record));
    EXPECT_EQ(read_back[0], 0);
    EXPECT_EQ(read_back[1], 1);
    EXPECT_EQ(read_bytes(file("WORLD")), (bytes{0, 1, 2, 0x30, 4}));
}

TEST_F(file_record_test, reopen_for_writing_empties_the_file) {
    write_bytes(file("CFG"), {1, 2, 3});
    auto record = stat_file("CFG");
    open_file(*record, "rb");
    reopen_file(*record, "w+b");
    const std::uint8_t byte = 7;
    write_to_file(*record, &byte, 1);
    close_file(std::move(record));
    EXPECT_EQ(read_bytes(file("CFG")), (bytes{7}));
}

// Each failure ends the process with the operation's own message, then the
// system's reason when the platform gave one.
struct fatal_case {
    const char* name;
    void (*provoke)();
    const char* report;
};

void PrintTo(const fatal_case& c, std::ostream* os) { *os << c.name; }

void open_absent() { open_file(*stat_file("ABSENT"), "rb"); }

void reopen_into_missing_folder() {
    write_bytes("HERE", {1});
    auto record = stat_file("HERE");
    open_file(*record, "rb");
    record->name = "missing/HERE";
    reopen_file(*record, "w+b");
}

void close_on_full_device() {
    auto record = stat_file("/dev/full");
    open_file(*record, "wb");
    const std::uint8_t byte = 1;
    write_to_file(*record, &byte, 1);
    close_file(std::move(record));
}

void read_zero_length() {
    write_bytes("DATA", {1, 2});
    auto record = stat_file("DATA");
    open_file(*record, "rb");
    std::uint8_t byte = 0;
    read_from_file(*record, &byte, 0);
}

void read_from_write_only_stream() {
    auto record = stat_file("OUT");
    open_file(*record, "wb");
    std::uint8_t byte = 0;
    read_from_file(*record, &byte, 1);
}

void write_zero_length() {
    auto record = stat_file("OUT");
    open_file(*record, "wb");
    const std::uint8_t byte = 0;
    write_to_file(*record, &byte, 0);
}

void write_to_read_only_stream() {
    write_bytes("DATA", {1, 2});
    auto record = stat_file("DATA");
    open_file(*record, "rb");
    const std::uint8_t byte = 0;
    write_to_file(*record, &byte, 1);
}

void seek_before_the_start() {
    write_bytes("DATA", {1, 2});
    auto record = stat_file("DATA");
    open_file(*record, "rb");
    seek_through_file(*record, -1, seek_from_start);
}

void seek_from_unknown_origin() {
    write_bytes("DATA", {1, 2});
    auto record = stat_file("DATA");
    open_file(*record, "rb");
    seek_through_file(*record, 0, 3);
}

void report_own_message() { file_error(*stat_file("QELD.CFG"), "Invalid file size"); }

const fatal_case fatal_cases[] = {
    {"open_absent", open_absent,
     "ABSENT: Could not open file\nABSENT: No such file or directory\n"},
    {"reopen_into_missing_folder", reopen_into_missing_folder,
     "missing/HERE: Could not reopen file\nmissing/HERE: No such file or directory\n"},
    {"close_on_full_device", close_on_full_device,
     "/dev/full: Cannot close file\n/dev/full: No space left on device\n"},
    {"read_zero_length", read_zero_length, "DATA: Could not read from file\n"},
    {"read_from_write_only_stream", read_from_write_only_stream,
     "OUT: Could not read from file\nOUT: Bad file descriptor\n"},
    {"write_zero_length", write_zero_length, "OUT: Could not write to file\n"},
    {"write_to_read_only_stream", write_to_read_only_stream,
     "DATA: Could not write to file\nDATA: Bad file descriptor\n"},
    {"seek_before_the_start", seek_before_the_start,
     "DATA: Could not seek through file\nDATA: Invalid argument\n"},
    {"seek_from_unknown_origin", seek_from_unknown_origin, "DATA: Could not seek through file\n"},
    {"report_own_message", report_own_message, "QELD.CFG: Invalid file size\n"},
};

class fatal_report_test : public file_record_test,
                          public ::testing::WithParamInterface<fatal_case> {};

TEST_P(fatal_report_test, prints_one_report_and_exits_with_minus_one) {
    EXPECT_EXIT(GetParam().provoke(), ExitedWithCode(255), Eq(std::string(GetParam().report)));
}

INSTANTIATE_TEST_SUITE_P(failures, fatal_report_test, ::testing::ValuesIn(fatal_cases),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
