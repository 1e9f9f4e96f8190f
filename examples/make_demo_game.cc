// Writes a made-up PARTY.VLK and VELDARA.VLK into the current directory, so
// that mapreset can be tried without the game. Nothing here comes from the
// game's own files: the map is a pattern, with a few transports, monsters,
// an old whirlpool and moon and whirlpool records to reset.
//
//   make_demo_game          a dispersed party (member count 0)
//   make_demo_game N        a party of N members: mapreset refuses
#include <algorithm>
#include <array>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <vector>

#include "mapreset/game_layout.h"

namespace {

constexpr std::size_t party_length = 32;

struct placed {
    int row;
    int column;
    std::uint8_t tile;
};

constexpr std::array<placed, 6> transports = {{
    {2, 5, 0x2C}, {10, 20, 0x28}, {10, 21, 0x28}, {33, 40, 0x88}, {50, 12, 0x30}, {63, 63, 0x2C}}};

// Monsters as the tables hold them: the tile under each and its place.
constexpr std::array<placed, 3> monsters = {{{5, 5, 0x10}, {20, 30, 0x14}, {40, 8, 0x18}}};

bool write_file(const char* path, const std::vector<std::uint8_t>& content) {
    std::FILE* file = std::fopen(path, "wb");
    if (file == nullptr) {
        std::perror(path);
        return false;
    }
    const bool written = std::fwrite(content.data(), content.size(), 1, file) == 1;
    if (std::fclose(file) != 0 || !written) {
        std::perror(path);
        return false;
    }
    return true;
}

std::size_t at(std::int32_t offset) { return static_cast<std::size_t>(offset); }

std::vector<std::uint8_t> demo_world() {
    std::vector<std::uint8_t> world(at(world_min_length), 0);
    for (std::int32_t offset = 0; offset < map_length; ++offset) {
        const bool tree = (offset / map_side + offset % map_side) % 7 == 0;
        world[at(offset)] = tree ? 0x08 : 0x10;
    }
    for (const placed& t : transports) {
        world[at(map_offset(t.row, t.column))] = t.tile;
    }
    for (std::size_t slot = 0; slot < monsters.size(); ++slot) {
        const placed& m = monsters[slot];
        world[at(map_offset(m.row, m.column))] = 0x60;  // the monster itself
        world[at(monster_table(0)) + slot] = 1;
        world[at(monster_tile_table) + slot] = m.tile;
        world[at(monster_column_table) + slot] = static_cast<std::uint8_t>(m.column);
        world[at(monster_row_table) + slot] = static_cast<std::uint8_t>(m.row);
        world[at(monster_table(4)) + slot] = 2;
    }
    // Moons and whirlpool somewhere other than where the reset puts them.
    const game_record whirlpool = {12, 50, 3, 1};
    const game_record moons = {5, 7, 3, 2};
    std::copy(whirlpool.begin(), whirlpool.end(), world.begin() + whirlpool_record_offset);
    std::copy(moons.begin(), moons.end(), world.begin() + moon_record_offset);
    return world;
}

}  // namespace

int main(int argc, char* argv[]) {
    std::vector<std::uint8_t> party(party_length, 0x41);
    std::uint8_t& members = party[at(party_count_offset)];
    members = static_cast<std::uint8_t>(argc > 1 ? std::atoi(argv[1]) : 0);
    if (!write_file(party_path, party) || !write_file(world_path, demo_world())) {
        return 1;
    }
    std::printf("Wrote %s (%d party members) and %s.\n", party_path, members, world_path);
    return 0;
}
