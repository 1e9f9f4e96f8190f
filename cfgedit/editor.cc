#include "cfgedit/editor.h"

#include "cfgedit/menu.h"
#include "cfgedit/reply.h"

namespace {

// Shows the video-mode screen until the reply names one of its entries.
// False when the input ended first.
bool choose_video(std::FILE* in, std::int32_t& video) {
    for (;;) {
        const int choice = video_menu(in, video);
        if (choice == reply_end_of_input) {
            return false;
        }
        if (choice >= 1 && choice < video_choice_return) {
            video = choice - 1;
            return true;
        }
        if (choice == video_choice_return) {
            return true;
        }
    }
}

}  // namespace

editor_end edit_settings(std::FILE* in, qeldcfg& settings, bool gen_defaults) {
    for (;;) {
        const int choice =
            gen_defaults ? choice_save_and_quit
                         : menu(in, settings.video, settings.music, settings.autosave,
                                settings.frame_limiter, settings.moon_phases,
                                settings.gameplay_fixes);
        switch (choice) {
            case choice_video:
                if (!choose_video(in, settings.video)) {
                    return editor_end::quit;
                }
                break;
            case choice_music:
                settings.music = settings.music == 1 ? 0 : 1;
                break;
            case choice_autosave:
                settings.autosave = !settings.autosave;
                break;
            case choice_frame_limiter:
                settings.frame_limiter = !settings.frame_limiter;
                break;
            case choice_moon_phases:
                settings.moon_phases = !settings.moon_phases;
                break;
            case choice_gameplay_fixes:
                settings.gameplay_fixes = !settings.gameplay_fixes;
                break;
            case choice_save_and_quit:
                return editor_end::save;
            case choice_quit:
            case reply_end_of_input:
                return editor_end::quit;
            default:
                break;  // names no entry: show the menu again
        }
    }
}
