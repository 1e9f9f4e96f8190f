// Runs the built mapreset in a scratch game directory on synthetic party and
// world files, and compares the output, the status and every byte of both.
#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <random>
#include <string>
#include <vector>

#include "tests/support/scratch.h"

namespace {

constexpr std::size_t world_length = 4648;
constexpr std::size_t tile_table = 4512;
constexpr std::size_t column_table = 4544;
constexpr std::size_t row_table = 4576;

const char* const closing = "Game map reset.  Start Tessaroth and form a new party.\n";
const char* const refusal = "You must disperse the party before resetting the game.\n";

std::string format(const char* pattern, unsigned a, unsigned b = 0, unsigned c = 0,
                   unsigned d = 0) {
    char line[128];
    std::snprintf(line, sizeof line, pattern, a, b, c, d);
    return line;
}

struct expected_reset {
    bytes world;
    std::string trace;
};

// What a reset must do, written out afresh from the file layout, to check the
// program against.
expected_reset model_reset(bytes world) {
    std::string trace =
        "Opening file PARTY.VLK\nNumber of party members = 0\nClearing contents of party file\n"
        "Opening file VELDARA.VLK\nRemoving transport\n";
    for (unsigned offset = 0; offset < 4096; ++offset) {
        const unsigned tile = world[offset];
        if (tile == 0x28 || tile == 0x88 || tile == 0x2C || tile == 0x30) {
            trace += format("Transport: 0x%02x - offset 0x%04x = row 0x%02x, col 0x%02x\n", tile,
                            offset, offset / 64, offset % 64);
            world[offset] = (tile == 0x28 || tile == 0x88) ? 0x04 : 0x00;
        }
    }
    trace += "Removing monsters\n";
    for (std::size_t slot = 0; slot < 32; ++slot) {
        const unsigned row = world[row_table + slot];
        const unsigned column = world[column_table + slot];
        if (row >= 64 || column >= 64) {
            continue;
        }
        const unsigned under = world[row * 64 + column];
        if (under == 0x00 || under == 0x04 || under == 0x08 || under == 0x0C) {
            continue;
        }
        trace += format("Monster: row 0x%02x, col 0x%02x\n", row, column);
        world[row * 64 + column] = world[tile_table + slot];
    }
    for (std::size_t i = 4480; i < 4640; ++i) {
        world[i] = 0;
    }
    const bytes records = {0x05, 0x3A, 0x0C, 0x04, 0x00, 0x00, 0x0C, 0x04};
    std::copy(records.begin(), records.end(), world.begin() + 4640);
    world[0x3A * 64 + 0x05] = 0x30;
    trace += "Resetting moon data\nResetting whirlpool\nNew Whirlpool location = row 0x3a, col 0x05\n";
    return {world, trace + closing};
}

class mapreset_test : public scratch_test {
protected:
    program_run reset(const std::vector<std::string>& args) {
        return run_program(dir, program_under_test("QELD_MAPRESET", MAPRESET_PROGRAM), args, "");
    }
    void make_game(const bytes& party, const bytes& world) {
        write_bytes(file("PARTY.VLK"), party);
        write_bytes(file("VELDARA.VLK"), world);
    }
    bytes party() const { return read_bytes(file("PARTY.VLK")); }
    bytes world() const { return read_bytes(file("VELDARA.VLK")); }
};

// A small hand-made world: every kind of tile and monster slot once.
bytes sample_world() {
    bytes world(world_length, 0x01);
    world[2 * 64 + 5] = 0x2C;  // transport at row 2, column 5: offset 133
    world[10] = 0x28;
    world[4095] = 0x88;
    world[0x3A * 64 + 0x05] = 0x30;  // the old whirlpool, on the new one's place
    world[100] = 0x30;
    // Slot 0: on a plain tile, written back. Slot 1: on a transport, judged
    // by its replacement 0x04 and kept. Slot 2: on 0x08, kept. Slot 3: row
    // off the map, skipped. Slots 4-31: empty, row 0 and column 0.
    const struct { std::uint8_t tile, column, row; } slots[] = {
        {0x5A, 7, 3}, {0x5B, 10, 0}, {0x5C, 1, 1}, {0x5D, 2, 64}};
    world[1 * 64 + 1] = 0x08;
    std::fill(world.begin() + tile_table, world.begin() + row_table + 32, 0);
    for (std::size_t slot = 0; slot < 4; ++slot) {
        world[tile_table + slot] = slots[slot].tile;
        world[column_table + slot] = slots[slot].column;
        world[row_table + slot] = slots[slot].row;
    }
    for (std::size_t i = 4480; i < 4480 + 32; ++i) {
        world[i] = 0x77;  // monster tables 0 and 4 hold something to clear
        world[i + 128] = 0x66;
    }
    return world;
}

TEST_F(mapreset_test, traces_every_step_with_d) {
    make_game(bytes(32, 0), sample_world());
    const program_run run = reset({"-d"});
    EXPECT_EQ(run.out,
              "Opening file PARTY.VLK\n"
              "Number of party members = 0\n"
              "Clearing contents of party file\n"
              "Opening file VELDARA.VLK\n"
              "Removing transport\n"
              "Transport: 0x28 - offset 0x000a = row 0x00, col 0x0a\n"
              "Transport: 0x30 - offset 0x0064 = row 0x01, col 0x24\n"
              "Transport: 0x2c - offset 0x0085 = row 0x02, col 0x05\n"
              "Transport: 0x30 - offset 0x0e85 = row 0x3a, col 0x05\n"
              "Transport: 0x88 - offset 0x0fff = row 0x3f, col 0x3f\n"
              "Removing monsters\n"
              "Monster: row 0x03, col 0x07\n"
              // The first empty slot writes its saved tile 0x00 at offset 0;
              // the others then find 0x00 there and leave it.
              "Monster: row 0x00, col 0x00\n"
              "Resetting moon data\n"
              "Resetting whirlpool\n"
              "New Whirlpool location = row 0x3a, col 0x05\n"
              "Game map reset.  Start Tessaroth and form a new party.\n");
    EXPECT_EQ(run.err, "");
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(party(), bytes(32, 0));

    bytes want = sample_world();
    want[10] = 0x04;
    want[100] = 0x00;
    want[133] = 0x00;
    want[4095] = 0x04;
    want[3 * 64 + 7] = 0x5A;
    want[0] = 0x00;
    std::fill(want.begin() + 4480, want.begin() + 4640, 0);
    const bytes records = {0x05, 0x3A, 0x0C, 0x04, 0x00, 0x00, 0x0C, 0x04};
    std::copy(records.begin(), records.end(), want.begin() + 4640);
    want[3717] = 0x30;
    EXPECT_EQ(world(), want);
    EXPECT_EQ(model_reset(sample_world()).world, want);  // the model agrees
}

TEST_F(mapreset_test, prints_only_the_closing_line_without_d) {
    for (const std::vector<std::string>& args :
         {std::vector<std::string>{}, {"-d", "-d"}, {"-d", "x"}, {"x", "-d"}, {"-D"}, {"d"}}) {
        make_game(bytes(32, 0), sample_world());
        const program_run run = reset(args);
        EXPECT_EQ(run.out, closing) << testing::PrintToString(args);
        EXPECT_EQ(run.status, 0);
        EXPECT_EQ(world(), model_reset(sample_world()).world);
    }
}

TEST_F(mapreset_test, refuses_while_a_party_exists) {
    bytes members(32, 0xAB);
    members[7] = 3;
    make_game(members, sample_world());
    const program_run quiet = reset({});
    EXPECT_EQ(quiet.out, refusal);
    const program_run traced = reset({"-d"});
    EXPECT_EQ(traced.out,
              std::string("Opening file PARTY.VLK\nNumber of party members = 3\n") + refusal);
    for (const program_run& run : {quiet, traced}) {
        EXPECT_EQ(run.err, "");
        EXPECT_EQ(run.status, 0);
    }
    EXPECT_EQ(party(), members);
    EXPECT_EQ(world(), sample_world());
}

TEST_F(mapreset_test, a_second_run_on_a_reset_world_fills_offset_zero) {
    make_game(bytes(8, 0), sample_world());
    ASSERT_EQ(reset({}).status, 0);
    bytes once = world();
    once[0] = 0x01;  // not a tile that keeps a monster slot as it is
    write_bytes(file("VELDARA.VLK"), once);
    const program_run run = reset({"-d"});
    EXPECT_EQ(run.status, 0);
    bytes twice = once;
    twice[0] = 0x00;  // every slot now is row 0, column 0 with saved tile 0x00
    twice[3717] = 0x30;
    EXPECT_EQ(world(), twice);
    EXPECT_EQ(run.out, model_reset(once).trace);
}

TEST_F(mapreset_test, touches_no_byte_outside_the_layout) {
    // Between the map and the tables, and after the records, lie bytes that
    // the reset must never change; a short party file has no count byte.
    bytes world = sample_world();
    world.resize(6000);
    for (std::size_t i = 4096; i < 4480; ++i) {
        world[i] = static_cast<std::uint8_t>(i * 7);
    }
    for (std::size_t i = 4648; i < world.size(); ++i) {
        world[i] = static_cast<std::uint8_t>(i * 13 + 0x28);
    }
    // A monster slot off the map to the right and one far below it would
    // address bytes in those areas.
    world[column_table + 3] = 200;
    world[row_table + 3] = 5;
    world[column_table + 4] = 0;
    world[row_table + 4] = 255;
    for (const std::size_t party_length : {1, 7, 8, 1000}) {
        make_game(bytes(party_length, 0x00), world);
        const program_run run = reset({"-d"});
        EXPECT_EQ(run.status, 0) << party_length;
        EXPECT_EQ(run.err, "");
        EXPECT_EQ(run.out, model_reset(world).trace);
        EXPECT_EQ(party(), bytes(party_length, 0x00));
        const bytes after = this->world();
        ASSERT_EQ(after.size(), world.size());
        EXPECT_TRUE(std::equal(after.begin() + 4096, after.begin() + 4480, world.begin() + 4096));
        EXPECT_TRUE(std::equal(after.begin() + 4648, after.end(), world.begin() + 4648));
    }
}

TEST_F(mapreset_test, short_party_file_without_count_is_cleared) {
    make_game(bytes{9, 9, 9, 9, 9, 9, 9}, sample_world());
    const program_run run = reset({});
    EXPECT_EQ(run.out, closing);
    EXPECT_EQ(party(), bytes(7, 0));
    EXPECT_EQ(world(), model_reset(sample_world()).world);
}

struct failure_case {
    const char* name;
    bool party_exists;
    bytes party;
    bool world_exists;
    std::size_t world_length;
    std::string out;
    std::string err;
    bytes party_after;
};

void PrintTo(const failure_case& c, std::ostream* os) { *os << c.name; }

const failure_case failure_cases[] = {
    {"empty_party_file", true, {}, true, world_length, "", "PARTY.VLK: Could not write to file\n",
     {}},
    {"short_world_file", true, bytes(16, 0), true, world_length - 1, "",
     "VELDARA.VLK: Invalid file size\n", bytes(16, 0)},
    {"empty_world_file", true, bytes(16, 0), true, 0, "", "VELDARA.VLK: Invalid file size\n",
     bytes(16, 0)},
    {"missing_party_file", false, {}, true, world_length, "",
     "PARTY.VLK: Could not open file\nPARTY.VLK: No such file or directory\n", {}},
    {"missing_world_file", true, bytes(16, 0), false, 0, "",
     "VELDARA.VLK: Could not open file\nVELDARA.VLK: No such file or directory\n", bytes(16, 0)},
};

class mapreset_failure : public mapreset_test,
                         public ::testing::WithParamInterface<failure_case> {};

TEST_P(mapreset_failure, reports_and_leaves_the_world_alone) {
    const failure_case& c = GetParam();
    bytes world_before = sample_world();
    world_before.resize(c.world_length);
    if (c.party_exists) {
        write_bytes(file("PARTY.VLK"), c.party);
    }
    if (c.world_exists) {
        write_bytes(file("VELDARA.VLK"), world_before);
    }
    const program_run run = reset({});
    EXPECT_EQ(run.out, c.out);
    EXPECT_EQ(run.err, c.err);
    EXPECT_EQ(run.status, 255);
    EXPECT_EQ(std::filesystem::exists(file("PARTY.VLK")), c.party_exists);
    EXPECT_EQ(std::filesystem::exists(file("VELDARA.VLK")), c.world_exists);
    if (c.party_exists) {
        EXPECT_EQ(party(), c.party_after);
    }
    if (c.world_exists) {
        EXPECT_EQ(world(), world_before);
    }
}

INSTANTIATE_TEST_SUITE_P(failures, mapreset_failure, ::testing::ValuesIn(failure_cases),
                         [](const auto& info) { return std::string(info.param.name); });

// Random worlds, biased towards the tiles the reset cares about, against the
// model above: every byte of both files and the whole trace. Fewer under a
// launcher, where every run starts Wine.
TEST_F(mapreset_test, random_worlds_match_the_model) {
    const int rounds = under_launcher() ? 25 : 300;
    std::mt19937 random(20261211);
    const std::uint8_t interesting[] = {0x28, 0x88, 0x2C, 0x30, 0x00, 0x04, 0x08, 0x0C};
    auto any_byte = [&] { return static_cast<std::uint8_t>(random() & 0xFF); };
    for (int round = 0; round < rounds; ++round) {
        bytes world(world_length + random() % 64);
        for (auto& byte : world) {
            byte = random() % 3 == 0 ? interesting[random() % 8] : any_byte();
        }
        for (std::size_t slot = 0; slot < 32; ++slot) {
            // Mostly on the map, now and then off it.
            world[column_table + slot] = random() % 8 == 0 ? any_byte() : random() % 64;
            world[row_table + slot] = random() % 8 == 0 ? any_byte() : random() % 64;
        }
        bytes party(1 + random() % 40);
        for (auto& byte : party) {
            byte = any_byte();
        }
        if (party.size() > 7) {
            party[7] = 0;
        }
        make_game(party, world);
        const program_run run = reset({"-d"});
        const expected_reset want = model_reset(world);
        ASSERT_EQ(run.status, 0) << "round " << round << ": " << run.err;
        ASSERT_EQ(run.out, want.trace) << "round " << round;
        ASSERT_EQ(this->world(), want.world) << "round " << round;
        ASSERT_EQ(this->party(), bytes(party.size(), 0)) << "round " << round;
    }
}

}  // namespace
