#include "cfgedit/qeldcfg.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <optional>
#include <string>

#include "tests/support/scratch.h"

namespace {

using ::testing::internal::CaptureStdout;
using ::testing::internal::GetCapturedStdout;

TEST(status_accessors, store_low_bits_and_read_flags_as_equal_to_one) {
    cfg_data data{};
    set_status(data, status_video, 0x1FF);
    set_status(data, status_music, 9);
    set_status_bool(data, status_autosave, true);
    set_status(data, status_frame_limiter, 2);
    EXPECT_EQ(get_status(data, status_video), 0xFF);
    EXPECT_EQ(get_status(data, status_music), 9);
    EXPECT_TRUE(get_status_bool(data, status_autosave));
    EXPECT_FALSE(get_status_bool(data, status_frame_limiter));  // 2 is not "enabled"
    EXPECT_FALSE(get_status_bool(data, status_moon_phases));
}

TEST(status_accessors, refuse_indices_outside_the_six_bytes) {
    for (const int index : {-1, 6, 1000}) {
        cfg_data data = default_cfg_data;
        CaptureStdout();
        EXPECT_EQ(get_status(data, index), 0);
        EXPECT_FALSE(get_status_bool(data, index));
        set_status(data, index, 0x77);
        set_status_bool(data, index, true);
        // Once per call: the flag accessors do not report twice.
        EXPECT_EQ(GetCapturedStdout(),
                  "Index out of bounds\nIndex out of bounds\n"
                  "Index out of bounds\nIndex out of bounds\n")
            << index;
        EXPECT_EQ(data, default_cfg_data) << index;
    }
}

// Loading runs in the scratch directory, where QELD.CFG is made or left out.
using config_file_test = in_scratch_test;

struct load_case {
    const char* name;
    std::optional<bytes> file;  // none: no QELD.CFG at all
    qeldcfg loaded;
    bytes saved;                // what saving the loaded settings writes
};

void PrintTo(const load_case& c, std::ostream* os) { *os << c.name; }

const load_case load_cases[] = {
    {"absent", std::nullopt, {3, 1, false, true, true, true}, {1, 0, 1, 3, 1, 1}},
    {"empty", bytes{}, {3, 1, false, true, true, true}, {1, 0, 1, 3, 1, 1}},
    {"short", bytes{0, 1, 0}, {3, 0, true, false, true, true}, {0, 1, 0, 3, 1, 1}},
    {"flags_normalised", bytes{1, 2, 2, 3, 0xFF, 2}, {3, 1, false, false, false, false},
     {1, 0, 0, 3, 0, 0}},
    {"raw_video_and_music_kept", bytes{9, 1, 1, 7, 1, 0}, {7, 9, true, true, true, false},
     {9, 1, 1, 7, 1, 0}},
    {"all_six", bytes{0, 0, 0, 0, 0, 0}, {0, 0, false, false, false, false}, {0, 0, 0, 0, 0, 0}},
};

class load_and_save_test : public config_file_test,
                           public ::testing::WithParamInterface<load_case> {};

TEST_P(load_and_save_test, loads_over_the_defaults_and_saves_six_bytes) {
    const load_case& c = GetParam();
    if (c.file) {
        write_bytes(config_path, *c.file);
    }
    auto record = stat_file(config_path);
    const qeldcfg settings = get_qeldcfg(*record, false);
    EXPECT_EQ(settings.video, c.loaded.video);
    EXPECT_EQ(settings.music, c.loaded.music);
    EXPECT_EQ(settings.autosave, c.loaded.autosave);
    EXPECT_EQ(settings.frame_limiter, c.loaded.frame_limiter);
    EXPECT_EQ(settings.moon_phases, c.loaded.moon_phases);
    EXPECT_EQ(settings.gameplay_fixes, c.loaded.gameplay_fixes);
    save_qeldcfg(*record, settings);
    EXPECT_FALSE(record->is_new);
    close_file(std::move(record));
    EXPECT_EQ(read_bytes(config_path), c.saved);
}

INSTANTIATE_TEST_SUITE_P(files, load_and_save_test, ::testing::ValuesIn(load_cases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(config_file_test, skipping_the_read_saves_the_defaults_over_any_file) {
    for (const bool exists : {false, true}) {
        if (exists) {
            write_bytes(config_path, {0, 0, 0, 0, 0, 0, 0, 0, 0});  // even an oversized one
        }
        auto record = stat_file(config_path);
        save_qeldcfg(*record, get_qeldcfg(*record, true));
        close_file(std::move(record));
        EXPECT_EQ(read_bytes(config_path), (bytes{1, 0, 1, 3, 1, 1})) << exists;
    }
}

TEST_F(config_file_test, an_oversized_file_is_refused_before_it_is_opened) {
    write_bytes(config_path, {1, 0, 1, 3, 1, 1, 0});
    EXPECT_EXIT(get_qeldcfg(*stat_file(config_path), false), ::testing::ExitedWithCode(255),
                ::testing::Eq(std::string("QELD.CFG: Invalid file size\n")));
    EXPECT_EQ(read_bytes(config_path), (bytes{1, 0, 1, 3, 1, 1, 0}));
}

}  // namespace
