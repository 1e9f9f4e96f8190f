// What the fuzz targets share: a scratch working directory, whole-file reads
// and writes, and a check that makes libFuzzer report the input.
#ifndef TESTS_FUZZ_FUZZ_SUPPORT_H
#define TESTS_FUZZ_FUZZ_SUPPORT_H

#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

using file_bytes = std::vector<std::uint8_t>;

inline void check(bool holds) {
    if (!holds) {
        std::abort();
    }
}

// The tools work on fixed names in the current directory: give each target
// a directory of its own (under TMPDIR) to work in.
inline void enter_scratch_directory(const char* name) {
    std::string scratch = (std::filesystem::temp_directory_path() / name).string() + "-XXXXXX";
    check(mkdtemp(scratch.data()) != nullptr);
    std::filesystem::current_path(scratch);
}

inline void write_file(const char* path, const file_bytes& content) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(content.data()),
              static_cast<std::streamsize>(content.size()));
    check(out.good());
}

inline file_bytes read_file(const char* path) {
    std::ifstream in(path, std::ios::binary);
    return file_bytes(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

#endif
