#include "app/settings_store.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <string>

#include "temp_folder.h"

namespace glyphora {
namespace {

using namespace std::string_literals;
using testing::AgeFile;
using testing::FolderEntries;
using testing::ReadBytes;
using testing::StatOf;
using testing::WriteBytes;
using Strings = std::vector<std::string>;

class SettingsStore : public ::testing::Test {
protected:
    testing::TempFolder folder_;
    std::filesystem::path file_ = folder_ / "glyphora.dat";
};

TEST_F(SettingsStore, MissingValuesAndEmptyNamesReadAsTheDefaultWithoutCreatingTheFile) {
    EXPECT_EQ(ReadSettingText(file_, "fwMain", "lvFont", "Arial"), "Arial");
    EXPECT_EQ(ReadSettingNumber(file_, "fwMain", "cbCharSet", 7), Fixed4(7));
    EXPECT_TRUE(ReadSettingList(file_, "cbSearch_Search").empty());
    EXPECT_FALSE(std::filesystem::exists(file_));
    WriteBytes(file_, "[s]\n=7\n[ ]\nk=8\n");
    EXPECT_EQ(ReadSettingNumber(file_, "s", "", 3), Fixed4(3));
    EXPECT_EQ(ReadSettingNumber(file_, "", "k", 3), Fixed4(3));
    EXPECT_EQ(ReadSettingNumber("", "s", "k", 3), Fixed4(3));
}

TEST_F(SettingsStore, ValuesAreReadTrimmedToTheirLeadingNumberNulAndLengthLimit) {
    std::string accented;
    for (int i = 0; i < 40000; ++i) accented += "\xC3\xA9";
    WriteBytes(file_,
               "[s]\nneg=-5\nword=abc\nsize= 12.5pt\na=  padded  \nb=before\0after\n"
               "text="s +
                   std::string(40000, 'a') + "\naccented=" + accented + "\nfits=" +
                   std::string(253, '0') + "7\nbeyond=" + std::string(254, '0') + "7\n");
    EXPECT_EQ(ReadSettingNumber(file_, "s", "neg", 9), Fixed4(-5));
    EXPECT_EQ(ReadSettingNumber(file_, "s", "word", 9), Fixed4(0));  // present, no number
    EXPECT_EQ(ReadSettingNumber(file_, "s", "size"), Fixed4::FromScaled(125000));
    EXPECT_EQ(ReadSettingText(file_, "s", "a"), "padded");
    EXPECT_EQ(ReadSettingText(file_, "s", "b"), "before");
    EXPECT_EQ(ReadSettingText(file_, "s", "text"), std::string(kSettingTextLimit, 'a'));
    EXPECT_EQ(ReadSettingText(file_, "s", "accented"), accented.substr(0, 2 * kSettingTextLimit));
    EXPECT_EQ(ReadSettingNumber(file_, "s", "fits"), Fixed4(7));
    EXPECT_EQ(ReadSettingNumber(file_, "s", "beyond"), Fixed4(0));
}

TEST_F(SettingsStore, WritesPlainTextAndLeaveTheFileUntouchedWhenNothingChanges) {
    EXPECT_EQ(WriteSettingNumber(file_, "p", "neg", -1234), SettingWrite::Written);
    EXPECT_EQ(WriteSettingNumber(file_, "p", "frac", Fixed4::FromScaled(-5)),
              SettingWrite::Written);
    EXPECT_EQ(WriteSettingText(file_, "p", "empty", ""), SettingWrite::Written);
    EXPECT_EQ(ReadBytes(file_), "[p]\nneg=-1234\nfrac=-0.0005\nempty= \n");
    EXPECT_EQ(ReadSettingText(file_, "p", "empty", "default"), "");

    WriteBytes(file_, "[fwMain]\nobFormat=5\ncbCharSet=7.0000\nchRange=abc\nlvFont=  Sans\n");
    AgeFile(file_);
    const struct stat before = StatOf(file_);
    EXPECT_EQ(WriteSettingNumber(file_, "fwMain", "obFormat", 5), SettingWrite::Unchanged);
    EXPECT_EQ(WriteSettingNumber(file_, "FWMAIN", "CBCHARSET", 7), SettingWrite::Unchanged);
    EXPECT_EQ(WriteSettingText(file_, "fwMain", "LVFONT", "Sans"), SettingWrite::Unchanged);
    EXPECT_EQ(StatOf(file_).st_mtim.tv_sec, before.st_mtim.tv_sec);
    EXPECT_EQ(StatOf(file_).st_ino, before.st_ino);
    // A stored text that reads as 0 is still rewritten as 0.
    EXPECT_EQ(WriteSettingNumber(file_, "fwMain", "chRange", 0), SettingWrite::Written);
    EXPECT_EQ(WriteSettingNumber(file_, "fwMain", "chRange", 0), SettingWrite::Unchanged);
    EXPECT_EQ(WriteSettingText("", "s", "k", "v"), SettingWrite::Ignored);
    EXPECT_EQ(WriteSettingNumber(file_, "s", "", 1), SettingWrite::Ignored);
    EXPECT_EQ(WriteSettingList("", "s", {"a"}), SettingWrite::Ignored);
}

TEST_F(SettingsStore, UnrelatedContentSurvivesByteForByte) {
    const std::string head =
        "; Glyphora settings\r\n\r\n[fwMain]\r\n  LVFONT = DejaVu Sans  \r\nodd line\r\n"
        "bin=\xFF\xFE\0\x01\r\n"s;
    const std::string tail = "# other comment\r\n[cbSearch_Search]\r\n0=curl d\r\n[fwMain]\r\nx=1";
    WriteBytes(file_, head + tail);
    EXPECT_EQ(WriteSettingNumber(file_, "FwMain", "chRange", 1), SettingWrite::Written);
    EXPECT_EQ(WriteSettingText(file_, "fwmain", "lvFont", "Noto"), SettingWrite::Written);
    EXPECT_EQ(WriteSettingNumber(file_, "fwMain_State", "Left", 100), SettingWrite::Written);
    EXPECT_EQ(ReadBytes(file_),
              "; Glyphora settings\r\n\r\n[fwMain]\r\n  LVFONT =Noto\r\nodd line\r\n"
              "bin=\xFF\xFE\0\x01\r\nchRange=1\r\n"s +
                  tail + "\r\n[fwMain_State]\r\nLeft=100\r\n");
    // Every call reads the file afresh.
    WriteBytes(file_, "[s]\nk=2\n");
    EXPECT_EQ(ReadSettingNumber(file_, "s", "k"), Fixed4(2));
}

TEST_F(SettingsStore, AFileKeepsItsModeAndLinkAndANewOneGetsTheUsualMode) {
    for (const mode_t mode : {mode_t{0444}, mode_t{0640}}) {
        WriteBytes(file_, "[s]\nk=1\n");
        ASSERT_EQ(::chmod(file_.c_str(), mode), 0);
        EXPECT_EQ(WriteSettingNumber(file_, "s", "k", 2), SettingWrite::Written);
        EXPECT_EQ(WriteSettingList(file_, "l", {"a"}), SettingWrite::Written);
        EXPECT_EQ(ReadBytes(file_), "[s]\nk=2\n[l]\n0=a\n");
        EXPECT_EQ(StatOf(file_).st_mode & 07777, mode);
        ::chmod(file_.c_str(), 0644);
    }
    std::filesystem::rename(file_, folder_ / "real.dat");
    std::filesystem::create_symlink("real.dat", file_);
    EXPECT_EQ(WriteSettingNumber(file_, "s", "k", 3), SettingWrite::Written);
    EXPECT_TRUE(std::filesystem::is_symlink(file_));
    EXPECT_EQ(ReadBytes(folder_ / "real.dat"), "[s]\nk=3\n[l]\n0=a\n");
    for (int i = 1; i <= 5; ++i) WriteSettingNumber(file_, "s", "k", i);
    EXPECT_EQ(FolderEntries(folder_.path()).size(), 2u);  // no temporary files left

    const std::filesystem::path nested = folder_ / "config/glyphora/glyphora.dat";
    const mode_t mask = ::umask(022);
    EXPECT_EQ(WriteSettingNumber(nested, "s", "k", 1), SettingWrite::Written);
    ::umask(mask);
    EXPECT_EQ(StatOf(nested).st_mode & 07777, 0644u);
}

TEST_F(SettingsStore, WhatIsNoUsableFileIsNeitherReadNorReplaced) {
    std::filesystem::create_directory(file_);
    EXPECT_EQ(ReadSettingNumber(file_, "s", "k", 4), Fixed4(4));
    EXPECT_EQ(WriteSettingNumber(file_, "s", "k", 1), SettingWrite::Failed);
    EXPECT_EQ(WriteSettingList(file_, "s", {"v"}), SettingWrite::Failed);
    EXPECT_TRUE(std::filesystem::is_directory(file_));

    WriteBytes(folder_ / "plain", "x");
    EXPECT_EQ(WriteSettingNumber(folder_ / "plain/glyphora.dat", "s", "k", 1),
              SettingWrite::Failed);
    EXPECT_EQ(ReadBytes(folder_ / "plain"), "x");

    const std::filesystem::path big = folder_ / "big.dat";
    WriteBytes(big, "[s]\nk=1\n");
    std::filesystem::resize_file(big, kSettingsFileSizeLimit + 1);
    EXPECT_EQ(ReadSettingNumber(big, "s", "k", 9), Fixed4(9));
    EXPECT_EQ(WriteSettingNumber(big, "s", "k", 2), SettingWrite::Failed);
    EXPECT_EQ(std::filesystem::file_size(big), kSettingsFileSizeLimit + 1);
    // A value or name with a line break is refused.
    EXPECT_EQ(WriteSettingText(folder_ / "plain", "s", "k", "a\n[evil]\nk=2"),
              SettingWrite::Failed);
    EXPECT_EQ(WriteSettingList(folder_ / "plain", "l", {"ok", "bad\r\n0=x"}), SettingWrite::Failed);
    EXPECT_EQ(WriteSettingText(folder_ / "plain", "s]", "k", "v"), SettingWrite::Failed);
    EXPECT_EQ(ReadBytes(folder_ / "plain"), "x");
}

TEST_F(SettingsStore, ListsAreReadWhateverTheKeysUpToTheSectionBuffer) {
    WriteBytes(file_, "[cbSearch_Search]\nzz=abc\n; note\n\nfirst=def\nnot an entry\n[o]\n0=no\n");
    EXPECT_EQ(ReadSettingList(file_, "CBSEARCH_SEARCH"), (Strings{"abc", "def"}));
    // Each line "N=" + 1000 characters takes 1000 + key + 2; 32 lines of key "0".."31" fit.
    std::string text = "[l]\n";
    for (int i = 0; i < 40; ++i) text += std::to_string(i) + "=" + std::string(1000, 'a') + "\n";
    WriteBytes(file_, text);
    EXPECT_EQ(ReadSettingList(file_, "l"), Strings(32, std::string(1000, 'a')));
}

TEST_F(SettingsStore, WritingAListReplacesTheSection) {
    EXPECT_EQ(WriteSettingList(file_, "cbSearch_Search", {}), SettingWrite::Unchanged);
    EXPECT_FALSE(std::filesystem::exists(file_));  // an empty list creates no file
    WriteBytes(file_, "[fwMain]\nlvFont=x\n[cbSearch_Search]\nold=1\nolder=2\n[end]\ne=1\n");
    EXPECT_EQ(WriteSettingList(file_, "cbSearch_Search", {"curl d", " spaced ", "3"}),
              SettingWrite::Written);
    EXPECT_EQ(ReadBytes(file_),
              "[fwMain]\nlvFont=x\n[cbSearch_Search]\n0=curl d\n1= spaced \n2=3\n[end]\ne=1\n");
    EXPECT_EQ(ReadSettingList(file_, "cbSearch_Search"), (Strings{"curl d", "spaced", "3"}));
    EXPECT_EQ(WriteSettingList(file_, "cbSearch_Search", {}), SettingWrite::Written);
    EXPECT_EQ(ReadBytes(file_), "[fwMain]\nlvFont=x\n[cbSearch_Search]\n[end]\ne=1\n");
}

}  // namespace
}  // namespace glyphora
