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
