// Runs the built cfgedit in a scratch game directory and compares everything
// a player and the game see: the screens, the reports, the status and the
// bytes of QELD.CFG.
#include <gtest/gtest.h>

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "tests/support/scratch.h"

namespace {

const std::string cfgedit = program_under_test("QELD_CFGEDIT", CFGEDIT_PROGRAM);

const char* const flag_names[] = {"Disabled", "Enabled"};

struct shown {
    const char* video;
    const char* music;
    bool autosave;
    bool frame_limiter;
    bool moon_phases;
    bool gameplay_fixes;
};

constexpr shown defaults_shown = {"VGA (256-color)", "MIDI Music", false, true, true, true};

std::string main_menu(const shown& s) {
    return std::string("\nQELD Upgrade Configuration\n\n") +
           "1 - Video:          " + s.video + "\n" +
           "2 - Music:          " + s.music + "\n" +
           "3 - Autosave:       " + flag_names[s.autosave] + "\n" +
           "4 - Frame Limiter:  " + flag_names[s.frame_limiter] + "\n" +
           "5 - Moon Phases:    " + flag_names[s.moon_phases] + "\n" +
           "6 - Gameplay Fixes: " + flag_names[s.gameplay_fixes] + "\n" +
           "7 - Save & Quit\n"
           "8 - Quit without Saving\n"
           "\noption: ";
}

// `selected` is the line marked [SELECTED], 0 for none.
std::string video_screen(int selected) {
    const char* const modes[] = {"CGA (4-color)", "CGA Composite (16-color)", "EGA (16-color)",
                                 "VGA (256-color)"};
    std::string screen = "\nQELD Upgrade Configuration - Video Mode\n\n";
    for (int line = 1; line <= 4; ++line) {
        screen += std::to_string(line) + " - " + modes[line - 1] + " " +
                  (line == selected ? "[SELECTED]" : "") + "\n";
    }
    return screen + "5 - Return to Main Menu\n\noption: ";
}

std::string repeated(const std::string& text, int times) {
    std::string result;
    for (int i = 0; i < times; ++i) {
        result += text;
    }
    return result;
}

shown with_video(const char* video) {
    shown s = defaults_shown;
    s.video = video;
    return s;
}

TEST(cfgedit_screens, main_menu_and_video_screen_are_exact) {
    // One literal copy of each screen guards the helpers above.
    EXPECT_EQ(main_menu(defaults_shown),
              "\nQELD Upgrade Configuration\n\n"
              "1 - Video:          VGA (256-color)\n"
              "2 - Music:          MIDI Music\n"
              "3 - Autosave:       Disabled\n"
              "4 - Frame Limiter:  Enabled\n"
              "5 - Moon Phases:    Enabled\n"
              "6 - Gameplay Fixes: Enabled\n"
              "7 - Save & Quit\n"
              "8 - Quit without Saving\n"
              "\noption: ");
    EXPECT_EQ(video_screen(0),
              "\nQELD Upgrade Configuration - Video Mode\n\n"
              "1 - CGA (4-color) \n"
              "2 - CGA Composite (16-color) \n"
              "3 - EGA (16-color) \n"
              "4 - VGA (256-color) \n"
              "5 - Return to Main Menu\n"
              "\noption: ");
}

struct session {
    const char* name;
    std::optional<bytes> before;  // QELD.CFG before the run; none: absent
    std::vector<std::string> args;
    std::string input;
    std::string out;
    std::optional<bytes> after;   // QELD.CFG after the run; none: absent
};

void PrintTo(const session& c, std::ostream* os) { *os << c.name; }

const bytes defaults = {1, 0, 1, 3, 1, 1};

std::vector<session> sessions() {
    shown autosave_on = defaults_shown;
    autosave_on.autosave = true;
    shown raw = {"", "", true, false, false, false};
    shown music_none = defaults_shown;
    music_none.music = "None";
    shown music_odd = defaults_shown;
    music_odd.music = "";
    const std::string long_line = "3" + std::string(5000, 'x') + "\n";
    return {
        {"absent_quit", std::nullopt, {}, "8\n", main_menu(defaults_shown), std::nullopt},
        {"empty_quit", bytes{}, {}, "8\n", main_menu(defaults_shown), bytes{}},
        {"absent_save", std::nullopt, {}, "7\n", main_menu(defaults_shown), defaults},
        {"toggle_autosave_and_save", bytes{1, 0, 1, 3, 1, 1}, {}, "3\n7\n",
         main_menu(defaults_shown) + main_menu(autosave_on), bytes{1, 1, 1, 3, 1, 1}},
        {"raw_values_kept_flags_normalised", bytes{9, 1, 2, 7, 2, 0}, {}, "7\n", main_menu(raw),
         bytes{9, 1, 0, 7, 0, 0}},
        {"every_flag_toggles", bytes{1, 0, 1, 3, 1, 1}, {}, "4\n5\n6\n3\n7\n",
         main_menu(defaults_shown) +
             main_menu({"VGA (256-color)", "MIDI Music", false, false, true, true}) +
             main_menu({"VGA (256-color)", "MIDI Music", false, false, false, true}) +
             main_menu({"VGA (256-color)", "MIDI Music", false, false, false, false}) +
             main_menu({"VGA (256-color)", "MIDI Music", true, false, false, false}),
         bytes{1, 1, 0, 3, 0, 0}},
        {"video_screen", std::nullopt, {}, "1\n0\n6\n5\n1\n1\n1\n2\n1\n3\n7\n",
         main_menu(defaults_shown) + repeated(video_screen(4), 3) + main_menu(defaults_shown) +
             video_screen(4) + main_menu(with_video("CGA (4-color)")) + video_screen(1) +
             main_menu(with_video("CGA Composite (16-color)")) + video_screen(2) +
             main_menu(with_video("EGA (16-color)")),
         bytes{1, 0, 1, 2, 1, 1}},
        {"video_naming_no_mode_marks_no_line", bytes{1, 0, 1, 200}, {}, "1\n5\n7\n",
         main_menu(with_video("")) + video_screen(0) + main_menu(with_video("")),
         bytes{1, 0, 1, 200, 1, 1}},
        {"music_toggles_from_an_odd_value", bytes{5}, {}, "2\n2\n7\n",
         main_menu(music_odd) + main_menu(defaults_shown) + main_menu(music_none),
         bytes{0, 0, 1, 3, 1, 1}},
        {"replies_naming_no_entry", bytes{1, 0, 1, 3, 1, 1}, {}, "9\n0\nx\n\n 3\n8\n",
         repeated(main_menu(defaults_shown), 6), bytes{1, 0, 1, 3, 1, 1}},
        {"gen_defaults", bytes{0, 1, 0, 0, 0, 0}, {"--gen-defaults"}, "", "", defaults},
        {"gen_defaults_over_oversized_file", bytes{0, 0, 0, 0, 0, 0, 0, 0}, {"--gen-defaults"},
         "", "", defaults},
        {"gen_defaults_is_exact", std::nullopt, {"--GEN-DEFAULTS"}, "8\n",
         main_menu(defaults_shown), std::nullopt},
        {"gen_defaults_second_has_no_effect", std::nullopt, {"-x", "--gen-defaults"}, "8\n",
         main_menu(defaults_shown), std::nullopt},
        {"gen_defaults_first_ignores_the_rest", std::nullopt, {"--gen-defaults", "-x"}, "8\n",
         "", defaults},
        // The input ends: quit as with 8, nothing written.
        {"end_of_input_at_main_menu", bytes{0, 0, 0}, {}, "3\n",
         main_menu({"VGA (256-color)", "None", false, false, true, true}) +
             main_menu({"VGA (256-color)", "None", true, false, true, true}),
         bytes{0, 0, 0}},
        {"end_of_input_at_video_screen", std::nullopt, {}, "1\n",
         main_menu(defaults_shown) + video_screen(4), std::nullopt},
        {"end_of_input_before_any_reply", std::nullopt, {}, "", main_menu(defaults_shown),
         std::nullopt},
        {"last_line_without_newline", std::nullopt, {}, "3\n7",
         main_menu(defaults_shown) + main_menu(autosave_on), bytes{1, 1, 1, 3, 1, 1}},
        {"overlong_line_is_one_reply", std::nullopt, {}, long_line + "7\n",
         main_menu(defaults_shown) + main_menu(autosave_on), bytes{1, 1, 1, 3, 1, 1}},
        {"number_beyond_32_bits_names_no_entry", std::nullopt, {}, "4294967303\n8\n",
         repeated(main_menu(defaults_shown), 2), std::nullopt},
    };
}

class cfgedit_session : public scratch_test, public ::testing::WithParamInterface<session> {};

TEST_P(cfgedit_session, shows_and_saves_exactly) {
    const session& s = GetParam();
    if (s.before) {
        write_bytes(file("QELD.CFG"), *s.before);
    }
    const program_run run = run_program(dir, cfgedit, s.args, s.input);
    EXPECT_EQ(run.out, s.out);
    EXPECT_EQ(run.err, "");
    EXPECT_EQ(run.status, 0);
    if (s.after) {
        EXPECT_EQ(read_bytes(file("QELD.CFG")), *s.after);
    } else {
        EXPECT_FALSE(std::filesystem::exists(file("QELD.CFG")));
    }
}

INSTANTIATE_TEST_SUITE_P(cfgedit, cfgedit_session, ::testing::ValuesIn(sessions()),
                         [](const auto& info) { return std::string(info.param.name); });

using cfgedit_failure = scratch_test;

const char* const needs_links = "needs symbolic links and /dev/full, which Windows does not have";

TEST_F(cfgedit_failure, oversized_file_is_refused_untouched) {
    const bytes seven = {1, 0, 1, 3, 1, 1, 0};
    write_bytes(file("QELD.CFG"), seven);
    const program_run run = run_program(dir, cfgedit, {}, "7\n");
    EXPECT_EQ(run.out, "");
    EXPECT_EQ(run.err, "QELD.CFG: Invalid file size\n");
    EXPECT_EQ(run.status, 255);
    EXPECT_EQ(read_bytes(file("QELD.CFG")), seven);
}

TEST_F(cfgedit_failure, save_into_a_missing_folder_cannot_open) {
    if (under_launcher()) {
        GTEST_SKIP() << needs_links;
    }
    std::filesystem::create_symlink("missing/QELD.CFG", file("QELD.CFG"));
    const program_run run = run_program(dir, cfgedit, {}, "7\n");
    EXPECT_EQ(run.out, main_menu(defaults_shown));
    EXPECT_EQ(run.err, "QELD.CFG: Could not open file\nQELD.CFG: No such file or directory\n");
    EXPECT_EQ(run.status, 255);
    // Quitting without saving never touches the file, so it cannot fail.
    const program_run quit = run_program(dir, cfgedit, {}, "8\n");
    EXPECT_EQ(quit.err, "");
    EXPECT_EQ(quit.status, 0);
}

TEST_F(cfgedit_failure, save_onto_a_full_device_cannot_close) {
    if (under_launcher()) {
        GTEST_SKIP() << needs_links;
    }
    std::filesystem::create_symlink("/dev/full", file("QELD.CFG"));
    const program_run run = run_program(dir, cfgedit, {"--gen-defaults"}, "");
    EXPECT_EQ(run.out, "");
    EXPECT_EQ(run.err, "QELD.CFG: Cannot close file\nQELD.CFG: No space left on device\n");
    EXPECT_EQ(run.status, 255);
}

}  // namespace
