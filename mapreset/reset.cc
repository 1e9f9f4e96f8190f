#include "mapreset/reset.h"

#include <algorithm>
#include <array>
#include <cerrno>
#include <cstdarg>
#include <cstdio>
#include <memory>

#include "mapreset/game_layout.h"

bool verbose = false;

void trace(const char* format, ...) {
    if (!verbose) {
        return;
    }
    std::va_list args;
    va_start(args, format);
    std::vprintf(format, args);
    va_end(args);
}

void zero_buffer(std::uint8_t* buffer, std::int32_t length) {
    if (length > 0) {
        std::fill_n(buffer, length, std::uint8_t{0});
    }
}

namespace {

std::uint8_t read_byte(file_record& record, std::int32_t offset) {
    std::uint8_t byte = 0;  // stays 0 when the file ends before the offset
    seek_through_file(record, offset, seek_from_start);
    read_from_file(record, &byte, 1);
    return byte;
}

void write_byte(file_record& record, std::int32_t offset, std::uint8_t byte) {
    seek_through_file(record, offset, seek_from_start);
    write_to_file(record, &byte, 1);
}

void write_record(file_record& record, std::int32_t offset, const game_record& bytes) {
    seek_through_file(record, offset, seek_from_start);
    write_to_file(record, bytes.data(), static_cast<std::int32_t>(bytes.size()));
}

}  // namespace

int party_member_count(file_record& party) {
    const int count = read_byte(party, party_count_offset);
    trace("Number of party members = %d\n", count);
    return count;
}

void clear_party_file(file_record& party) {
    const std::int32_t length = party.status.size;
    // An empty party file gets a zero-length write, which fails like any
    // write that transfers nothing.
    const std::unique_ptr<std::uint8_t[]> zeros(
        new std::uint8_t[static_cast<std::size_t>(std::max(length, 0))]);
    zero_buffer(zeros.get(), length);
    seek_through_file(party, 0, seek_from_start);
    write_to_file(party, zeros.get(), length);
}

void check_world_length(file_record& world) {
    if (world.status.size < world_min_length) {
        errno = 0;  // the system has no reason to add to this one
        file_error(world, "Invalid file size");
    }
}

void remove_transports(file_record& world) {
    trace("Removing transport\n");
    // After a read the stream already stands at the next tile, so only the
    // first read and a read after a write need a seek. Every seek costs a
    // system call, and the map has 4096 tiles.
    bool at_next_tile = false;
    for (std::int32_t offset = 0; offset < map_length; ++offset) {
        std::uint8_t tile = 0;
        if (!at_next_tile) {
            seek_through_file(world, offset, seek_from_start);
        }
        read_from_file(world, &tile, 1);
        at_next_tile = true;
        if (const transport_tile* transport = find_transport(tile)) {
            trace("Transport: 0x%02x - offset 0x%04x = row 0x%02x, col 0x%02x\n", tile, offset,
                  offset / map_side, offset % map_side);
            write_byte(world, offset, transport->replacement);
            at_next_tile = false;
        }
    }
}

void remove_monsters(file_record& world) {
    trace("Removing monsters\n");
    using monster_table_bytes = std::array<std::uint8_t, monster_slots>;
    monster_table_bytes tiles{};
    monster_table_bytes columns{};
    monster_table_bytes rows{};
    seek_through_file(world, monster_tile_table, seek_from_start);
    read_from_file(world, tiles.data(), monster_slots);
    read_from_file(world, columns.data(), monster_slots);
    read_from_file(world, rows.data(), monster_slots);
    for (std::size_t slot = 0; slot < tiles.size(); ++slot) {
        // A position off the map would address the tables behind it.
        if (rows[slot] >= map_side || columns[slot] >= map_side) {
            continue;
        }
        const std::int32_t position = map_offset(rows[slot], columns[slot]);
        if (keeps_monster_tile(read_byte(world, position))) {
            continue;
        }
        trace("Monster: row 0x%02x, col 0x%02x\n", rows[slot], columns[slot]);
        write_byte(world, position, tiles[slot]);
    }
    std::array<std::uint8_t, monster_tables_length> zeros;
    zero_buffer(zeros.data(), monster_tables_length);
    seek_through_file(world, monster_tables_offset, seek_from_start);
    write_to_file(world, zeros.data(), monster_tables_length);
}

void reset_moons(file_record& world) {
    trace("Resetting moon data\n");
    write_record(world, moon_record_offset, moon_reset);
}

void reset_whirlpool(file_record& world) {
    trace("Resetting whirlpool\n");
    write_record(world, whirlpool_record_offset, whirlpool_reset);
    seek_through_file(world, whirlpool_tile_offset, seek_from_start);
    trace("New Whirlpool location = row 0x%02x, col 0x%02x\n", whirlpool_row, whirlpool_column);
    write_to_file(world, &whirlpool_tile, 1);
}

void reset_world(file_record& world) {
    check_world_length(world);
    remove_transports(world);
    remove_monsters(world);
    reset_moons(world);
    reset_whirlpool(world);
}
