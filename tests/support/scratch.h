// Support for tests that work on real files: a scratch directory per test,
// whole-file reads and writes, and running a built program in the directory.
#ifndef TESTS_SUPPORT_SCRATCH_H
#define TESTS_SUPPORT_SCRATCH_H

#include <gtest/gtest.h>

#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

using bytes = std::vector<std::uint8_t>;

void write_bytes(const std::filesystem::path& path, const bytes& content);
bytes read_bytes(const std::filesystem::path& path);

struct program_run {
    std::string out;
    std::string err;
    int status = 0;  // as the shell sees it: -1 is 255
};

// The program to test: the one the environment variable names, if set (the
// Windows build, say), else the one built here.
std::string program_under_test(const char* variable, const char* built);

// True when the programs run through a launcher, QELD_LAUNCHER (Wine, for the
// Windows build). Such programs print CR LF line ends, which run_program
// turns into LF, and have no symbolic links or /dev/full.
bool under_launcher();

// Runs `program` with `args` in `dir`, with `input` as its whole standard
// input, and collects what it prints.
program_run run_program(const std::filesystem::path& dir, const std::string& program,
                        const std::vector<std::string>& args, const std::string& input);

// Gives each test an empty directory of its own, removed afterwards.
class scratch_test : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;
    std::filesystem::path file(const std::string& name) const { return dir / name; }

    std::filesystem::path dir;
};

// A scratch directory that is also the working directory during the test,
// as the game directory is for the tools.
class in_scratch_test : public scratch_test {
protected:
    void SetUp() override;
    void TearDown() override;

private:
    std::filesystem::path previous;
};

#endif
