// Arbitrary party and world files through the reset steps, in the order the
// tool runs them: both files keep their lengths, the party file ends up all
// zeros, and in the world only the bytes the reset is meant to touch may
// change: map tiles that held a transport, map tiles under monsters that are
// on the map, the whirlpool tile, the monster tables and the two records.
//
// Input: the first byte picks the party file's length (1-64; its member count
// is forced to 0), then the party file, then the world file, padded with
// zeros to the shortest world the tool accepts.
#include <algorithm>
#include <cstdint>
#include <cstdio>

#include "mapreset/game_layout.h"
#include "mapreset/reset.h"
#include "tests/fuzz/fuzz_support.h"

namespace {

void reset_game() {
    auto party = stat_file(party_path);
    open_file(*party, update_mode);
    check(party_member_count(*party) == 0);
    clear_party_file(*party);
    auto world = stat_file(world_path);
    open_file(*world, update_mode);
    reset_world(*world);
    close_file(std::move(world));
    close_file(std::move(party));
}

// Which bytes of this world the reset may change.
std::vector<bool> changeable(const file_bytes& world) {
    std::vector<bool> may(world.size(), false);
    for (std::int32_t offset = 0; offset < map_length; ++offset) {
        may[static_cast<std::size_t>(offset)] = find_transport(world[static_cast<std::size_t>(offset)]) != nullptr;
    }
    for (std::int32_t slot = 0; slot < monster_slots; ++slot) {
        const std::uint8_t row = world[static_cast<std::size_t>(monster_row_table + slot)];
        const std::uint8_t column = world[static_cast<std::size_t>(monster_column_table + slot)];
        if (row < map_side && column < map_side) {
            may[static_cast<std::size_t>(map_offset(row, column))] = true;
        }
    }
    may[whirlpool_tile_offset] = true;
    for (std::int32_t offset = monster_tables_offset; offset < world_min_length; ++offset) {
        may[static_cast<std::size_t>(offset)] = true;
    }
    return may;
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    enter_scratch_directory("reset-fuzz");
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0) {
        return 0;
    }
    const std::size_t party_length = 1 + data[0] % 64;
    file_bytes party(party_length, 0);
    std::size_t at = 1;
    for (std::size_t i = 0; i < party_length && at < size; ++i) {
        party[i] = data[at++];
    }
    if (party_length > party_count_offset) {
        party[party_count_offset] = 0;
    }
    file_bytes world(data + at, data + size);
    if (world.size() < static_cast<std::size_t>(world_min_length)) {
        world.resize(world_min_length, 0);
    }
    write_file(party_path, party);
    write_file(world_path, world);

    reset_game();

    check(read_file(party_path) == file_bytes(party_length, 0));
    const file_bytes after = read_file(world_path);
    check(after.size() == world.size());
    const std::vector<bool> may = changeable(world);
    for (std::size_t offset = 0; offset < world.size(); ++offset) {
        check(may[offset] || after[offset] == world[offset]);
    }
    for (std::int32_t offset = monster_tables_offset; offset < whirlpool_record_offset; ++offset) {
        check(after[static_cast<std::size_t>(offset)] == 0);
    }
    check(std::equal(whirlpool_reset.begin(), whirlpool_reset.end(), after.begin() + whirlpool_record_offset));
    check(std::equal(moon_reset.begin(), moon_reset.end(), after.begin() + moon_record_offset));
    check(after[whirlpool_tile_offset] == whirlpool_tile);
    return 0;
}
