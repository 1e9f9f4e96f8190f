// The six-byte settings file QELD.CFG that the game reads, and the editor's
// in-memory view of it.
#ifndef CFGEDIT_QELDCFG_H
#define CFGEDIT_QELDCFG_H

#include <array>
#include <cstdint>

#include "filelib/filelib.h"

constexpr const char* config_path = "QELD.CFG";

// Byte positions in the file. The game fixed this order; it is not the order
// in which the menu lists the settings.
constexpr int status_music = 0;
constexpr int status_autosave = 1;
constexpr int status_frame_limiter = 2;
constexpr int status_video = 3;
constexpr int status_moon_phases = 4;
constexpr int status_gameplay_fixes = 5;

constexpr std::size_t cfg_size = 6;
using cfg_data = std::array<std::uint8_t, cfg_size>;

constexpr cfg_data default_cfg_data = {1, 0, 1, 3, 1, 1};

struct qeldcfg {
    std::int32_t video = 0;   // raw byte: values naming no mode are kept
    std::int32_t music = 0;   // raw byte: likewise
    bool autosave = false;
    bool frame_limiter = false;
    bool moon_phases = false;
    bool gameplay_fixes = false;
};

void set_defaults(cfg_data& data);

// An index outside 0-5 prints "Index out of bounds"; the getters then give 0
// and the setters store nothing.
int get_status(const cfg_data& data, int index);
bool get_status_bool(const cfg_data& data, int index);
// Stores the low 8 bits of the value.
void set_status(cfg_data& data, int index, int value);
void set_status_bool(cfg_data& data, int index, bool flag);

// Overlays the file's bytes on the data; an absent or empty file leaves it
// alone. Leaves the stream open for save_cfg_data.
void get_cfg_data(file_record& record, cfg_data& data);
void save_cfg_data(file_record& record, const cfg_data& data);

// The defaults, overlaid with the file unless skip_reading is set.
qeldcfg get_qeldcfg(file_record& record, bool skip_reading);
void save_qeldcfg(file_record& record, const qeldcfg& settings);

#endif
