// The editor's two screens: the main menu and the video-mode screen.
#ifndef CFGEDIT_MENU_H
#define CFGEDIT_MENU_H

#include <cstdint>
#include <cstdio>

#include "cfgedit/qeldcfg.h"

// Main menu entries.
constexpr int choice_video = 1;
constexpr int choice_music = 2;
constexpr int choice_autosave = 3;
constexpr int choice_frame_limiter = 4;
constexpr int choice_moon_phases = 5;
constexpr int choice_gameplay_fixes = 6;
constexpr int choice_save_and_quit = 7;
constexpr int choice_quit = 8;

// Video-mode screen: entries 1-4 select mode entry-1, this one goes back.
constexpr int video_choice_return = 5;

// Display names; values that name no mode or music show as "".
const char* video_name(std::int32_t video);
const char* music_name(std::int32_t music);

// Each prints its screen on standard output and returns the reply read from
// `in`, or reply_end_of_input.
int menu(std::FILE* in, std::int32_t video, std::int32_t music, bool autosave,
         bool frame_limiter, bool moon_phases, bool gameplay_fixes);
int video_menu(std::FILE* in, std::int32_t video);

#endif
