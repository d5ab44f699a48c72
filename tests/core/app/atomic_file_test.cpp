#include "app/atomic_file.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include "temp_folder.h"

namespace glyphora {
namespace {

using testing::FolderEntries;
using testing::ReadBytes;
using testing::WriteBytes;

TEST(AtomicFile, ReadingRefusesWhatIsNotARegularFileWithoutBlockingAndStopsAtTheLimit) {
    testing::TempFolder folder;
    ASSERT_EQ(::mkfifo((folder / "pipe").c_str(), 0600), 0);
    EXPECT_EQ(ReadWholeFile(folder / "pipe", 100).status, FileReadStatus::NotAFile);
    EXPECT_EQ(ReadWholeFile(folder.path(), 100).status, FileReadStatus::NotAFile);
    EXPECT_EQ(ReadWholeFile(folder / "missing", 100).status, FileReadStatus::Missing);
    WriteBytes(folder / "f", "12345");
    EXPECT_EQ(ReadWholeFile(folder / "f", 4).status, FileReadStatus::TooLarge);
    EXPECT_EQ(ReadWholeFile(folder / "f", 5).bytes, "12345");
}

TEST(AtomicFile, WritingNeverReplacesWhatItMustNot) {
    testing::TempFolder folder;
    WriteBytes(folder / "f", "old");
    EXPECT_EQ(WriteFileAtomically(folder / "f", "new", AtomicWriteMode::CreateOnly),
              AtomicWriteStatus::Exists);
    EXPECT_EQ(ReadBytes(folder / "f"), "old");
    ASSERT_EQ(::mkfifo((folder / "pipe").c_str(), 0600), 0);
    EXPECT_EQ(WriteFileAtomically(folder / "pipe", "x", AtomicWriteMode::Replace),
              AtomicWriteStatus::Failed);
    std::filesystem::create_symlink("b", folder / "a");
    std::filesystem::create_symlink("a", folder / "b");
    EXPECT_EQ(WriteFileAtomically(folder / "a", "x", AtomicWriteMode::Replace),
              AtomicWriteStatus::Failed);
    EXPECT_TRUE(std::filesystem::is_symlink(folder / "a"));
    EXPECT_EQ(FolderEntries(folder.path()).size(), 4u);  // no temporary left
}

}  // namespace
}  // namespace glyphora
