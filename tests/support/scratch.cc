#include "tests/support/scratch.h"

#include <sys/wait.h>

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <iterator>

namespace fs = std::filesystem;

void write_bytes(const fs::path& path, const bytes& content) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(content.data()),
              static_cast<std::streamsize>(content.size()));
    ASSERT_TRUE(out.good()) << "cannot write " << path;
}

bytes read_bytes(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    return bytes(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

namespace {

std::string quoted(const std::string& word) {
    std::string result = "'";
    for (const char c : word) {
        result += c == '\'' ? std::string("'\\''") : std::string(1, c);
    }
    return result + "'";
}

std::string read_text(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

// An environment variable's value, or null when it is unset or empty.
const char* setting(const char* variable) {
    const char* value = std::getenv(variable);
    return value != nullptr && *value != '\0' ? value : nullptr;
}

const char* launcher() { return setting("QELD_LAUNCHER"); }

std::string without_carriage_returns(std::string text) {
    std::string::size_type at = 0;
    while ((at = text.find("\r\n", at)) != std::string::npos) {
        text.erase(at, 1);
        ++at;
    }
    return text;
}

}  // namespace

std::string program_under_test(const char* variable, const char* built) {
    const char* chosen = setting(variable);
    return chosen != nullptr ? chosen : built;
}

bool under_launcher() { return launcher() != nullptr; }

program_run run_program(const fs::path& dir, const std::string& program,
                        const std::vector<std::string>& args, const std::string& input) {
    // The program's own files are kept apart from the directory it works in.
    const fs::path io = dir.parent_path() / (dir.filename().string() + ".io");
    fs::create_directories(io);
    {
        std::ofstream in(io / "stdin", std::ios::binary | std::ios::trunc);
        in << input;
    }
    std::string command = "cd " + quoted(dir.string()) + " && ";
    if (under_launcher()) {
        command += quoted(launcher()) + " ";
    }
    command += quoted(program);
    for (const auto& arg : args) {
        command += " " + quoted(arg);
    }
    command += " <" + quoted((io / "stdin").string()) + " >" + quoted((io / "stdout").string()) +
               " 2>" + quoted((io / "stderr").string());
    const int raw = std::system(command.c_str());
    program_run run;
    run.status = WIFEXITED(raw) ? WEXITSTATUS(raw) : -1000;
    run.out = read_text(io / "stdout");
    run.err = read_text(io / "stderr");
    if (under_launcher()) {
        run.out = without_carriage_returns(run.out);
        run.err = without_carriage_returns(run.err);
    }
    fs::remove_all(io);
    return run;
}

void scratch_test::SetUp() {
    std::string pattern = (fs::temp_directory_path() / "qeld-test-XXXXXX").string();
    ASSERT_NE(mkdtemp(pattern.data()), nullptr);
    dir = pattern;
}

void scratch_test::TearDown() {
    std::error_code ignored;
    fs::remove_all(dir, ignored);
}

void in_scratch_test::SetUp() {
    scratch_test::SetUp();
    previous = fs::current_path();
    fs::current_path(dir);
}

void in_scratch_test::TearDown() {
    fs::current_path(previous);
    scratch_test::TearDown();
}
