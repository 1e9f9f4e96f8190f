#include "cfgedit/qeldcfg.h"

#include <cerrno>
#include <cstdio>

namespace {

bool index_in_bounds(int index) {
    if (index >= 0 && index < static_cast<int>(cfg_size)) {
        return true;
    }
    std::printf("Index out of bounds\n");
    return false;
}

}  // namespace

void set_defaults(cfg_data& data) { data = default_cfg_data; }

int get_status(const cfg_data& data, int index) {
    return index_in_bounds(index) ? data[static_cast<std::size_t>(index)] : 0;
}

bool get_status_bool(const cfg_data& data, int index) {
    return index_in_bounds(index) && get_status(data, index) == 1;
}

void set_status(cfg_data& data, int index, int value) {
    if (index_in_bounds(index)) {
        data[static_cast<std::size_t>(index)] = static_cast<std::uint8_t>(value & 0xFF);
    }
}

void set_status_bool(cfg_data& data, int index, bool flag) {
    if (index_in_bounds(index)) {
        set_status(data, index, flag ? 1 : 0);
    }
}

void get_cfg_data(file_record& record, cfg_data& data) {
    if (record.is_new) {
        return;
    }
    if (record.status.size > static_cast<std::int32_t>(cfg_size)) {
        errno = 0;  // the system has no reason to add to this one
        file_error(record, "Invalid file size");
    }
    open_file(record, "rb");
    // The size recorded at opening: the file may have changed since stat_file.
    const auto length = record.status.size < static_cast<std::int32_t>(cfg_size)
                            ? static_cast<std::size_t>(record.status.size)
                            : cfg_size;
    errno = 0;
    if (std::fread(data.data(), length, 1, record.fp) != 1) {
        file_error(record, "Could not read from file");
    }
}

void save_cfg_data(file_record& record, const cfg_data& data) {
    if (record.fp == nullptr) {
        open_file(record, "w+b");
        record.is_new = false;
    } else {
        reopen_file(record, "w+b");
    }
    write_to_file(record, data.data(), static_cast<std::int32_t>(data.size()));
}

qeldcfg get_qeldcfg(file_record& record, bool skip_reading) {
    cfg_data data{};
    set_defaults(data);
    if (!skip_reading) {
        get_cfg_data(record, data);
    }
    qeldcfg settings;
    settings.video = get_status(data, status_video);
    settings.music = get_status(data, status_music);
    settings.autosave = get_status_bool(data, status_autosave);
    settings.frame_limiter = get_status_bool(data, status_frame_limiter);
    settings.moon_phases = get_status_bool(data, status_moon_phases);
    settings.gameplay_fixes = get_status_bool(data, status_gameplay_fixes);
    return settings;
}

void save_qeldcfg(file_record& record, const qeldcfg& settings) {
    cfg_data data{};
    set_status(data, status_video, settings.video);
    set_status(data, status_music, settings.music);
    set_status_bool(data, status_autosave, settings.autosave);
    set_status_bool(data, status_frame_limiter, settings.frame_limiter);
    set_status_bool(data, status_moon_phases, settings.moon_phases);
    set_status(data, status_gameplay_fixes, settings.gameplay_fixes ? 1 : 0);
    save_cfg_data(record, data);
}
