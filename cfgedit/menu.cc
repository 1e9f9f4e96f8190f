#include "cfgedit/menu.h"

#include <array>

#include "cfgedit/reply.h"

namespace {

constexpr std::array<const char*, 4> video_names = {
    "CGA (4-color)", "CGA Composite (16-color)", "EGA (16-color)", "VGA (256-color)"};
constexpr std::array<const char*, 2> music_names = {"None", "MIDI Music"};

template <std::size_t n>
const char* name_of(const std::array<const char*, n>& names, std::int32_t value) {
    return value >= 0 && static_cast<std::size_t>(value) < n ? names[static_cast<std::size_t>(value)]
                                                            : "";
}

const char* flag_name(bool flag) { return flag ? "Enabled" : "Disabled"; }

}  // namespace

const char* video_name(std::int32_t video) { return name_of(video_names, video); }

const char* music_name(std::int32_t music) { return name_of(music_names, music); }

int menu(std::FILE* in, std::int32_t video, std::int32_t music, bool autosave,
         bool frame_limiter, bool moon_phases, bool gameplay_fixes) {
    std::printf("\nQELD Upgrade Configuration\n\n");
    std::printf("%d - Video:          %s\n", choice_video, video_name(video));
    std::printf("%d - Music:          %s\n", choice_music, music_name(music));
    std::printf("%d - Autosave:       %s\n", choice_autosave, flag_name(autosave));
    std::printf("%d - Frame Limiter:  %s\n", choice_frame_limiter, flag_name(frame_limiter));
    std::printf("%d - Moon Phases:    %s\n", choice_moon_phases, flag_name(moon_phases));
    std::printf("%d - Gameplay Fixes: %s\n", choice_gameplay_fixes, flag_name(gameplay_fixes));
    std::printf("%d - Save & Quit\n", choice_save_and_quit);
    std::printf("%d - Quit without Saving\n", choice_quit);
    std::printf("\noption: ");
    return read_reply(in);
}

int video_menu(std::FILE* in, std::int32_t video) {
    std::printf("\nQELD Upgrade Configuration - Video Mode\n\n");
    for (std::size_t mode = 0; mode < video_names.size(); ++mode) {
        const bool selected = static_cast<std::int32_t>(mode) == video;
        std::printf("%d - %s %s\n", static_cast<int>(mode) + 1, video_names[mode],
                    selected ? "[SELECTED]" : "");
    }
    std::printf("%d - Return to Main Menu\n", video_choice_return);
    std::printf("\noption: ");
    return read_reply(in);
}
