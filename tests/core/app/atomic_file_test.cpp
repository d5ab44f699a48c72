#include "app/atomic_file.h"

#include <gtest/gtest.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <random>
#include <thread>

#include "app/ini_file.h"
#include "app/settings_store.h"
#include "temp_folder.h"

namespace glyphora {
namespace {

using testing::FolderEntries;
using testing::ReadBytes;
using testing::WriteBytes;

// The n-th value a writer stores: its number, then filler whose length and letter depend on it,
// so that a part of a file, or parts of two, never reads as a whole value.
std::string NthValue(long n) {
    return std::to_string(n) + ":" + std::string(30000 + n % 4093, static_cast<char>('a' + n % 26));
}

// A writer killed at random moments leaves the old or the new whole file and, after the next
// start's clean-up, no temporary file.
TEST(AtomicFile, SettingsSurviveAWriterKilledAtRandomMoments) {
    testing::TempFolder folder;
    const auto file = folder / "glyphora.dat";
    ASSERT_EQ(WriteSettingText(file, "S", "v", NthValue(0)), SettingWrite::Written);
    std::mt19937 random(16);
    long last = 0;
    for (int round = 0; round < 25; ++round) {
        const pid_t writer = ::fork();
        ASSERT_GE(writer, 0);
        if (writer == 0) {
            for (long n = last + 1;; ++n) WriteSettingText(file, "S", "v", NthValue(n));
        }
        std::this_thread::sleep_for(std::chrono::microseconds(random() % 20000));
        ::kill(writer, SIGKILL);
        ::waitpid(writer, nullptr, 0);

        const auto value = IniFile::Parse(ReadBytes(file)).Get("S", "v");
        ASSERT_TRUE(value) << "round " << round;
        const long n = std::stol(*value);
        ASSERT_EQ(*value, NthValue(n)) << "round " << round;
        ASSERT_GE(n, last);
        last = n;
        RemoveStaleTemporaries(file);
        EXPECT_EQ(FolderEntries(folder.path()), std::vector<std::string>{"glyphora.dat"});
    }
}

TEST(AtomicFile, StartUpKeepsTheTemporariesOfRunningWriters) {
    testing::TempFolder folder;
    const std::string running = ".f.tmp" + std::to_string(::getpid()) + "-1";
    for (const char* name : {"other", ".g.tmp999999999-1", ".f.tmpx-1", ".f.tmp999999999"})
        WriteBytes(folder / name, "x");
    WriteBytes(folder / running, "x");
    WriteBytes(folder / ".f.tmp999999999-7", "x");  // its writer is gone
    RemoveStaleTemporaries(folder / "f");
    std::vector<std::string> kept{".f.tmp999999999", running, ".f.tmpx-1", ".g.tmp999999999-1",
                                  "other"};
    auto names = FolderEntries(folder.path());
    std::sort(names.begin(), names.end());
    std::sort(kept.begin(), kept.end());
    EXPECT_EQ(names, kept);
}

}  // namespace
}  // namespace glyphora
