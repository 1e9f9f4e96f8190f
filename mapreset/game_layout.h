// Where things lie in the game's party and world files, and the byte values
// the reset knows. Every offset is from the start of its file.
#ifndef MAPRESET_GAME_LAYOUT_H
#define MAPRESET_GAME_LAYOUT_H

#include <array>
#include <cstdint>

constexpr const char* party_path = "PARTY.VLK";
constexpr const char* world_path = "VELDARA.VLK";

// Read and write in place: no truncation, and every write lands where the
// seek before it points (append modes would force writes to the end).
constexpr const char* update_mode = "r+b";

// PARTY.VLK
constexpr std::int32_t party_count_offset = 7;  // 0: the party has been dispersed

// VELDARA.VLK: first the map, 64 rows of 64 one-byte tiles, row by row.
constexpr std::int32_t map_side = 64;
constexpr std::int32_t map_length = map_side * map_side;

constexpr std::int32_t map_offset(std::int32_t row, std::int32_t column) {
    return row * map_side + column;
}

// Five parallel tables of one byte per monster slot; the reset clears all five.
constexpr std::int32_t monster_slots = 32;
constexpr std::int32_t monster_tables_offset = 4480;
constexpr std::int32_t monster_table_count = 5;
constexpr std::int32_t monster_tables_length = monster_table_count * monster_slots;
constexpr std::int32_t monster_table(std::int32_t table) {
    return monster_tables_offset + table * monster_slots;
}
constexpr std::int32_t monster_tile_table = monster_table(1);    // the tile under the monster
constexpr std::int32_t monster_column_table = monster_table(2);
constexpr std::int32_t monster_row_table = monster_table(3);

// Two four-byte records follow the tables.
using game_record = std::array<std::uint8_t, 4>;
constexpr std::int32_t whirlpool_record_offset = monster_tables_offset + monster_tables_length;
constexpr std::int32_t moon_record_offset = whirlpool_record_offset + 4;
constexpr std::int32_t world_min_length = moon_record_offset + 4;

// The whirlpool record starts with the whirlpool's column and row.
constexpr game_record whirlpool_reset = {0x05, 0x3A, 0x0C, 0x04};
constexpr game_record moon_reset = {0x00, 0x00, 0x0C, 0x04};
constexpr std::uint8_t whirlpool_column = whirlpool_reset[0];
constexpr std::uint8_t whirlpool_row = whirlpool_reset[1];
constexpr std::uint8_t whirlpool_tile = 0x30;
constexpr std::int32_t whirlpool_tile_offset = map_offset(whirlpool_row, whirlpool_column);

static_assert(monster_tile_table == 4512 && monster_column_table == 4544 &&
              monster_row_table == 4576);
static_assert(whirlpool_record_offset == 4640 && moon_record_offset == 4644 &&
              world_min_length == 4648);
static_assert(whirlpool_tile_offset == 3717 && whirlpool_tile_offset < map_length);

struct transport_tile {
    std::uint8_t tile;
    std::uint8_t replacement;
};

constexpr std::array<transport_tile, 4> transport_tiles = {{
    {0x28, 0x04},
    {0x88, 0x04},
    {0x2C, 0x00},
    {0x30, 0x00},  // also the whirlpool: the reset leaves only the new one
}};

// A monster slot whose map position holds one of these keeps the map as it is.
constexpr std::array<std::uint8_t, 4> monster_keep_tiles = {0x00, 0x04, 0x08, 0x0C};

constexpr const transport_tile* find_transport(std::uint8_t tile) {
    for (const auto& transport : transport_tiles) {
        if (transport.tile == tile) {
            return &transport;
        }
    }
    return nullptr;
}

constexpr bool keeps_monster_tile(std::uint8_t tile) {
    for (const std::uint8_t keep : monster_keep_tiles) {
        if (keep == tile) {
            return true;
        }
    }
    return false;
}

#endif
