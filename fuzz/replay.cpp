// A fuzz target's entry point without libFuzzer: runs it once on every file in the folders named
// on the command line (a missing folder is skipped). The test suite replays the seeds and the
// committed corpus this way on every build, so an input that once broke a parser stays a test.
#include <unistd.h>

#include <algorithm>
#include <csignal>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size);
// Present only in a sanitizer build; its report does not name the input otherwise.
extern "C" void __sanitizer_set_death_callback(void (*callback)()) __attribute__((weak));

namespace {

// The input being run, named when the target fails on it.
char current[4096];

void NameCurrent() {
    const char prefix[] = "replay: failed on ";
    (void)!write(STDERR_FILENO, prefix, sizeof prefix - 1);
    (void)!write(STDERR_FILENO, current, strnlen(current, sizeof current));
    (void)!write(STDERR_FILENO, "\n", 1);
}

void OnAbort(int) {
    NameCurrent();
    _exit(1);
}

}  // namespace

int main(int argc, char** argv) {
    std::signal(SIGABRT, OnAbort);
    if (__sanitizer_set_death_callback) __sanitizer_set_death_callback(NameCurrent);
    std::vector<std::filesystem::path> files;
    for (int i = 1; i < argc; ++i) {
        if (!std::filesystem::is_directory(argv[i])) continue;
        for (const auto& entry : std::filesystem::directory_iterator(argv[i]))
            if (entry.is_regular_file()) files.push_back(entry.path());
    }
    std::sort(files.begin(), files.end());
    for (const auto& file : files) {
        std::snprintf(current, sizeof current, "%s", file.c_str());
        std::ifstream in(file, std::ios::binary);
        const std::string bytes{std::istreambuf_iterator<char>(in), {}};
        LLVMFuzzerTestOneInput(reinterpret_cast<const std::uint8_t*>(bytes.data()), bytes.size());
    }
    std::printf("%zu inputs replayed\n", files.size());
    // No input at all means the corpus went missing, which must not pass unnoticed.
    return files.empty() ? 1 : 0;
}
