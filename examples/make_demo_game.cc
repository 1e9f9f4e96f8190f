// Writes a made-up PARTY.VLK and VELDARA.VLK into the current directory, so
// that mapreset can be tried without the game. Nothing here comes from the
// game's own files: the map is a pattern, with a few transports, monsters,
// an old whirlpool and moon and whirlpool records to reset.
//
//   make_demo_game          a dispersed party (member count 0)
//   make_demo_game N        a party of N members: mapreset refuses
#include <array>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <vector>

namespace {

constexpr std::size_t party_length = 32;
constexpr std::size_t world_length = 4648;

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

std::vector<std::uint8_t> demo_world() {
    std::vector<std::uint8_t> world(world_length, 0);
    for (std::size_t offset = 0; offset < 4096; ++offset) {
        world[offset] = (offset / 64 + offset % 64) % 7 == 0 ? 0x08 : 0x10;  // grass and trees
    }
    for (const placed& t : transports) {
        world[static_cast<std::size_t>(t.row * 64 + t.column)] = t.tile;
    }
    for (std::size_t slot = 0; slot < monsters.size(); ++slot) {
        const placed& m = monsters[slot];
        world[static_cast<std::size_t>(m.row * 64 + m.column)] = 0x60;  // the monster itself
        world[4480 + slot] = 1;
        world[4512 + slot] = m.tile;
        world[4544 + slot] = static_cast<std::uint8_t>(m.column);
        world[4576 + slot] = static_cast<std::uint8_t>(m.row);
        world[4608 + slot] = 2;
    }
    const std::array<std::uint8_t, 8> records = {12, 50, 3, 1, 5, 7, 3, 2};
    std::copy(records.begin(), records.end(), world.begin() + 4640);
    return world;
}

}  // namespace

int main(int argc, char* argv[]) {
    std::vector<std::uint8_t> party(party_length, 0x41);
    party[7] = static_cast<std::uint8_t>(argc > 1 ? std::atoi(argv[1]) : 0);
    if (!write_file("PARTY.VLK", party) || !write_file("VELDARA.VLK", demo_world())) {
        return 1;
    }
    std::printf("Wrote PARTY.VLK (%d party members) and VELDARA.VLK.\n", party[7]);
    return 0;
}
