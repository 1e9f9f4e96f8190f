// An arbitrary QELD.CFG of 0 to 8 bytes, loaded over the defaults and saved:
// the result is always six bytes, the four switches 0 or 1, video and music as
// they were; a file over six bytes is refused and left as it was.
//
// Input: the first byte picks the file, the rest is its content. Refusals
// are checked in a child process, which is slow, so they come up rarely: the
// first byte modulo 64 is 61 or 62 for seven or eight bytes, 63 for no file,
// and otherwise a length of 0 to 6 bytes.
#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>

#include <algorithm>
#include <cerrno>
#include <cstdint>
#include <filesystem>
#include <string>

#include "cfgedit/qeldcfg.h"
#include "tests/fuzz/fuzz_support.h"

extern char** environ;

namespace {

// A refusal ends the process, so it is watched in the real program.
void check_refused(const file_bytes& content) {
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, 0, "/dev/null", O_RDONLY, 0);
    posix_spawn_file_actions_addopen(&actions, 1, "stdout.txt", O_WRONLY | O_CREAT | O_TRUNC, 0600);
    posix_spawn_file_actions_addopen(&actions, 2, "stderr.txt", O_WRONLY | O_CREAT | O_TRUNC, 0600);
    char program[] = CFGEDIT_PROGRAM;
    char* argv[] = {program, nullptr};
    pid_t child = 0;
    check(posix_spawn(&child, program, &actions, nullptr, argv, environ) == 0);
    posix_spawn_file_actions_destroy(&actions);
    int status = 0;
    pid_t waited = 0;
    do {
        waited = waitpid(child, &status, 0);  // libFuzzer's timer interrupts the wait
    } while (waited == -1 && errno == EINTR);
    check(waited == child);
    check(WIFEXITED(status) && WEXITSTATUS(status) == 255);
    const std::string report = "QELD.CFG: Invalid file size\n";
    check(read_file("stderr.txt") == file_bytes(report.begin(), report.end()));
    check(read_file("stdout.txt").empty());
    check(read_file(config_path) == content);
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    enter_scratch_directory("config-fuzz");
    // For the children only: their leak check at exit triples the cost of a
    // spawn, and the sanitizer tests already run cfgedit with it.
    setenv("ASAN_OPTIONS", "detect_leaks=0", 1);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0) {
        return 0;
    }
    const std::size_t choice = data[0] % 64;
    const bool absent = choice == 63;
    const std::size_t length = choice >= 61 ? choice - 54 : choice % 7;
    const file_bytes content(data + 1, data + 1 + (absent ? 0 : std::min(size - 1, length)));
    std::filesystem::remove(config_path);
    if (!absent) {
        write_file(config_path, content);
    }
    if (content.size() > cfg_size) {
        check_refused(content);
        return 0;
    }

    auto record = stat_file(config_path);
    const qeldcfg settings = get_qeldcfg(*record, false);
    save_qeldcfg(*record, settings);
    close_file(std::move(record));

    cfg_data expected = default_cfg_data;
    std::copy(content.begin(), content.end(), expected.begin());
    for (const int flag : {status_autosave, status_frame_limiter, status_moon_phases,
                           status_gameplay_fixes}) {
        expected[static_cast<std::size_t>(flag)] = expected[static_cast<std::size_t>(flag)] == 1;
    }
    check(read_file(config_path) == file_bytes(expected.begin(), expected.end()));
    return 0;
}
