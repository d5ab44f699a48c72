#include "app/settings_store.h"

#include <fcntl.h>
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

class SettingsStore : public ::testing::Test {
protected:
    testing::TempFolder folder_;
    std::filesystem::path file_ = folder_ / "glyphora.dat";
};

TEST_F(SettingsStore, AMissingFileReadsAsDefaults) {
    EXPECT_EQ(ReadSettingText(file_, "fwMain", "lvFont", "Arial"), "Arial");
    EXPECT_EQ(ReadSettingText(file_, "fwMain", "lvFont"), "");
    EXPECT_EQ(ReadSettingNumber(file_, "fwMain", "cbCharSet", 7), Fixed4(7));
    EXPECT_EQ(ReadSettingNumber(file_, "fwMain", "cbCharSet"), Fixed4(0));
    EXPECT_TRUE(ReadSettingList(file_, "cbSearch_Search").empty());
    EXPECT_FALSE(std::filesystem::exists(file_));
}

TEST_F(SettingsStore, NumbersReadTheLeadingNumberOfTheStoredText) {
    WriteBytes(file_, "[fwMain]\nlvRange=-5\nobFormat=abc\nbbPicture1=16777215\nsize= 12.5pt\n");
    EXPECT_EQ(ReadSettingNumber(file_, "fwMain", "lvRange", 9), Fixed4(-5));
    EXPECT_EQ(ReadSettingNumber(file_, "fwMain", "obFormat", 9), Fixed4(0));  // present, no number
    EXPECT_EQ(ReadSettingNumber(file_, "fwMain", "absent", 9), Fixed4(9));
    EXPECT_EQ(ReadSettingNumber(file_, "fwMain", "bbPicture1"), Fixed4(16777215));
    EXPECT_EQ(ReadSettingNumber(file_, "fwMain", "size"), Fixed4::FromScaled(125000));
}

TEST_F(SettingsStore, EmptyNamesGiveTheDefaultWithoutReading) {
    WriteBytes(file_, "[s]\n=7\n[ ]\nk=8\n");
    EXPECT_EQ(ReadSettingNumber(file_, "s", "", 3), Fixed4(3));
    EXPECT_EQ(ReadSettingNumber(file_, "", "k", 3), Fixed4(3));
    EXPECT_EQ(ReadSettingNumber("", "s", "k", 3), Fixed4(3));
    EXPECT_EQ(ReadSettingText(file_, "s", "", "d"), "d");
}

TEST_F(SettingsStore, ReadsAreLimitedToTheirLengthInCharacters) {
    const std::string long_text(40000, 'a');
    std::string accented;
    for (int i = 0; i < 40000; ++i) accented += "\xC3\xA9";  // é
    WriteBytes(file_, "[s]\ntext=" + long_text + "\naccented=" + accented + "\nfits=" +
                          std::string(253, '0') + "7\nbeyond=" + std::string(254, '0') + "7\n");
    EXPECT_EQ(ReadSettingText(file_, "s", "text"), std::string(kSettingTextLimit, 'a'));
    EXPECT_EQ(ReadSettingText(file_, "s", "accented"), accented.substr(0, 2 * kSettingTextLimit));
    EXPECT_EQ(ReadSettingNumber(file_, "s", "fits"), Fixed4(7));
    EXPECT_EQ(ReadSettingNumber(file_, "s", "beyond"), Fixed4(0));
}

TEST_F(SettingsStore, TextIsTrimmedAndEndsAtANul) {
    WriteBytes(file_, "[s]\na=  padded  \nb=before\0after\n"s);
    EXPECT_EQ(ReadSettingText(file_, "s", "a"), "padded");
    EXPECT_EQ(ReadSettingText(file_, "s", "b"), "before");
}

TEST_F(SettingsStore, ZeroIsAlwaysWritten) {
    EXPECT_EQ(WriteSettingNumber(file_, "fwMain", "chRange", 0), SettingWrite::Written);
    EXPECT_EQ(ReadBytes(file_), "[fwMain]\nchRange=0\n");

    WriteBytes(file_, "[fwMain]\nchRange=abc\nchView= 0.0\n");
    EXPECT_EQ(WriteSettingNumber(file_, "fwMain", "chRange", 0), SettingWrite::Written);
    EXPECT_EQ(WriteSettingNumber(file_, "fwMain", "chView", 0), SettingWrite::Written);
    EXPECT_EQ(ReadBytes(file_), "[fwMain]\nchRange=0\nchView=0\n");
}

TEST_F(SettingsStore, TheSameNumberLeavesTheFileUntouched) {
    WriteBytes(file_, "[fwMain]\nobFormat=5\ncbCharSet=7.0000\n");
    AgeFile(file_);
    const struct stat before = StatOf(file_);
    EXPECT_EQ(WriteSettingNumber(file_, "fwMain", "obFormat", 5), SettingWrite::Unchanged);
    EXPECT_EQ(WriteSettingNumber(file_, "FWMAIN", "CBCHARSET", 7), SettingWrite::Unchanged);
    EXPECT_EQ(WriteSettingNumber(file_, "fwMain", "obFormat", 0), SettingWrite::Written);
    EXPECT_EQ(WriteSettingNumber(file_, "fwMain", "obFormat", 0), SettingWrite::Unchanged);
    const struct stat after_zero = StatOf(file_);
    AgeFile(file_);
    EXPECT_EQ(WriteSettingNumber(file_, "fwMain", "obFormat", 0), SettingWrite::Unchanged);
    const struct stat after = StatOf(file_);
    EXPECT_EQ(after.st_mtim.tv_sec, before.st_mtim.tv_sec);
    EXPECT_NE(after_zero.st_ino, before.st_ino);  // the 0 was a real write
    EXPECT_EQ(after.st_ino, after_zero.st_ino);

    WriteBytes(file_, "[fwMain]\nobFormat=5\n");
    AgeFile(file_);
    const struct stat five = StatOf(file_);
    EXPECT_EQ(WriteSettingNumber(file_, "fwMain", "obFormat", 5), SettingWrite::Unchanged);
    EXPECT_EQ(StatOf(file_).st_mtim.tv_sec, five.st_mtim.tv_sec);
    EXPECT_EQ(StatOf(file_).st_mtim.tv_nsec, five.st_mtim.tv_nsec);
    EXPECT_EQ(StatOf(file_).st_ino, five.st_ino);
}

TEST_F(SettingsStore, NumbersAreWrittenAsPlainDecimalText) {
    EXPECT_EQ(WriteSettingNumber(file_, "p", "neg", -1234), SettingWrite::Written);
    EXPECT_EQ(WriteSettingNumber(file_, "p", "frac", Fixed4::FromScaled(-5)),
              SettingWrite::Written);
    EXPECT_EQ(ReadBytes(file_), "[p]\nneg=-1234\nfrac=-0.0005\n");
    EXPECT_EQ(ReadSettingNumber(file_, "p", "frac"), Fixed4::FromScaled(-5));
}

TEST_F(SettingsStore, AnEmptyTextIsStoredAsOneSpaceAndReadsBackEmpty) {
    EXPECT_EQ(WriteSettingText(file_, "fwMain", "lvFont", ""), SettingWrite::Written);
    EXPECT_EQ(ReadBytes(file_), "[fwMain]\nlvFont= \n");
    EXPECT_EQ(ReadSettingText(file_, "fwMain", "lvFont", "default"), "");
}

TEST_F(SettingsStore, TheSameTextLeavesTheFileUntouched) {
    WriteBytes(file_, "[fwMain]\nlvFont=  DejaVu Sans\n");
    AgeFile(file_);
    const struct stat before = StatOf(file_);
    EXPECT_EQ(WriteSettingText(file_, "fwMain", "LVFONT", "DejaVu Sans"), SettingWrite::Unchanged);
    EXPECT_EQ(StatOf(file_).st_mtim.tv_sec, before.st_mtim.tv_sec);
    EXPECT_EQ(WriteSettingText(file_, "fwMain", "lvFont", "DejaVu Serif"), SettingWrite::Written);
    EXPECT_EQ(ReadBytes(file_), "[fwMain]\nlvFont=DejaVu Serif\n");
}

TEST_F(SettingsStore, AnEmptyPathOrNameDoesNothing) {
    EXPECT_EQ(WriteSettingText("", "s", "k", "v"), SettingWrite::Ignored);
    EXPECT_EQ(WriteSettingNumber("", "s", "k", 1), SettingWrite::Ignored);
    EXPECT_EQ(WriteSettingList("", "s", {"a"}), SettingWrite::Ignored);
    EXPECT_EQ(WriteSettingText(file_, "", "k", "v"), SettingWrite::Ignored);
    EXPECT_EQ(WriteSettingNumber(file_, "s", "", 1), SettingWrite::Ignored);
    EXPECT_TRUE(FolderEntries(folder_.path()).empty());
}

TEST_F(SettingsStore, UnrelatedContentSurvivesByteForByte) {
    const std::string head =
        "; Glyphora settings\r\n"
        "\r\n"
        "[fwMain]\r\n"
        "  LVFONT = DejaVu Sans  \r\n"
        "odd line without equals\r\n"
        "bin=\xFF\xFE\0\x01\r\n"s;
    const std::string tail =
        "# other comment\r\n"
        "[cbSearch_Search]\r\n"
        "0=curl d\r\n"
        "[fwMain]\r\n"
        "chRange=1";
    WriteBytes(file_, head + tail);
    EXPECT_EQ(WriteSettingNumber(file_, "FwMain", "chRange", 1), SettingWrite::Written);
    EXPECT_EQ(WriteSettingText(file_, "fwmain", "lvFont", "Noto"), SettingWrite::Written);
    EXPECT_EQ(WriteSettingNumber(file_, "fwMain_State", "Left", 100), SettingWrite::Written);
    const std::string expected_head =
        "; Glyphora settings\r\n"
        "\r\n"
        "[fwMain]\r\n"
        "  LVFONT =Noto\r\n"
        "odd line without equals\r\n"
        "bin=\xFF\xFE\0\x01\r\n"
        "chRange=1\r\n"s;
    EXPECT_EQ(ReadBytes(file_), expected_head + tail + "\r\n[fwMain_State]\r\nLeft=100\r\n");
}

TEST_F(SettingsStore, EveryCallReadsTheFileAfresh) {
    EXPECT_EQ(WriteSettingNumber(file_, "s", "k", 1), SettingWrite::Written);
    EXPECT_EQ(ReadSettingNumber(file_, "s", "k"), Fixed4(1));
    WriteBytes(file_, "[s]\nk=2\n");
    EXPECT_EQ(ReadSettingNumber(file_, "s", "k"), Fixed4(2));
    EXPECT_EQ(WriteSettingNumber(file_, "s", "k", 1), SettingWrite::Written);
}

TEST_F(SettingsStore, AReadOnlyFileIsWrittenAndStaysReadOnly) {
    for (const mode_t mode : {mode_t{0444}, mode_t{0400}, mode_t{0640}}) {
        WriteBytes(file_, "[s]\nk=1\n");
        ASSERT_EQ(::chmod(file_.c_str(), mode), 0);
        EXPECT_EQ(WriteSettingNumber(file_, "s", "k", 2), SettingWrite::Written);
        EXPECT_EQ(WriteSettingText(file_, "s", "t", "x"), SettingWrite::Written);
        EXPECT_EQ(WriteSettingList(file_, "l", {"a"}), SettingWrite::Written);
        EXPECT_EQ(ReadBytes(file_), "[s]\nk=2\nt=x\n[l]\n0=a\n");
        EXPECT_EQ(StatOf(file_).st_mode & 07777, mode);
        ::chmod(file_.c_str(), 0644);
    }
}

TEST_F(SettingsStore, ANewFileGetsTheUsualModeAndItsFolderIsCreated) {
    const std::filesystem::path nested = folder_ / "config/glyphora/glyphora.dat";
    const mode_t mask = ::umask(022);
    EXPECT_EQ(WriteSettingNumber(nested, "s", "k", 1), SettingWrite::Written);
    ::umask(mask);
    EXPECT_EQ(ReadBytes(nested), "[s]\nk=1\n");
    EXPECT_EQ(StatOf(nested).st_mode & 07777, 0644u);
}

TEST_F(SettingsStore, WritingThroughALinkUpdatesTheFileItPointsTo) {
    const std::filesystem::path real = folder_ / "real.dat";
    WriteBytes(real, "[s]\nk=1\n");
    std::filesystem::create_symlink("real.dat", file_);
    EXPECT_EQ(WriteSettingNumber(file_, "s", "k", 2), SettingWrite::Written);
    EXPECT_TRUE(std::filesystem::is_symlink(file_));
    EXPECT_EQ(ReadBytes(real), "[s]\nk=2\n");
}

TEST_F(SettingsStore, WritesLeaveNoTemporaryFilesBehind) {
    for (int i = 1; i <= 20; ++i) WriteSettingNumber(file_, "s", "k", i);
    EXPECT_EQ(FolderEntries(folder_.path()), std::vector<std::string>{"glyphora.dat"});
}

TEST_F(SettingsStore, AFolderAtThePathIsNeitherReadNorReplaced) {
    std::filesystem::create_directory(file_);
    EXPECT_EQ(ReadSettingNumber(file_, "s", "k", 4), Fixed4(4));
    EXPECT_EQ(WriteSettingNumber(file_, "s", "k", 1), SettingWrite::Failed);
    EXPECT_EQ(WriteSettingText(file_, "s", "k", "v"), SettingWrite::Failed);
    EXPECT_EQ(WriteSettingList(file_, "s", {"v"}), SettingWrite::Failed);
    EXPECT_TRUE(std::filesystem::is_directory(file_));
    EXPECT_EQ(FolderEntries(folder_.path()), std::vector<std::string>{"glyphora.dat"});
}

TEST_F(SettingsStore, AFileThatCannotBeWrittenIsASilentFailure) {
    WriteBytes(folder_ / "plain", "x");
    const std::filesystem::path under_a_file = folder_ / "plain/glyphora.dat";
    EXPECT_EQ(WriteSettingNumber(under_a_file, "s", "k", 1), SettingWrite::Failed);
    EXPECT_EQ(ReadSettingNumber(under_a_file, "s", "k", 6), Fixed4(6));
    EXPECT_EQ(ReadBytes(folder_ / "plain"), "x");
}

TEST_F(SettingsStore, AnUnreadableFileIsNotReplaced) {
    if (::geteuid() == 0) GTEST_SKIP() << "permission bits do not stop root";
    WriteBytes(file_, "[s]\nk=1\nother=keep\n");
    ASSERT_EQ(::chmod(file_.c_str(), 0200), 0);
    EXPECT_EQ(ReadSettingNumber(file_, "s", "k", 9), Fixed4(9));
    EXPECT_EQ(WriteSettingNumber(file_, "s", "k", 2), SettingWrite::Failed);
    ::chmod(file_.c_str(), 0644);
    EXPECT_EQ(ReadBytes(file_), "[s]\nk=1\nother=keep\n");
}

TEST_F(SettingsStore, AnOversizedFileIsLeftAlone) {
    WriteBytes(file_, "[s]\nk=1\n");
    std::filesystem::resize_file(file_, kSettingsFileSizeLimit + 1);
    EXPECT_EQ(ReadSettingNumber(file_, "s", "k", 9), Fixed4(9));
    EXPECT_EQ(WriteSettingNumber(file_, "s", "k", 2), SettingWrite::Failed);
    EXPECT_EQ(std::filesystem::file_size(file_), kSettingsFileSizeLimit + 1);
}

TEST_F(SettingsStore, OddBytesLongLinesAndMissingLineEndsAreHandled) {
    const std::string long_line(1 << 20, 'x');
    const std::string original = "\0\0[s]\0\n"s + long_line + "\n\xC0\xAF\xFF=\xFE\n[s]\nk=1";
    WriteBytes(file_, original);
    EXPECT_EQ(ReadSettingNumber(file_, "s", "k", 9), Fixed4(1));
    EXPECT_EQ(WriteSettingNumber(file_, "s", "k", 2), SettingWrite::Written);
    EXPECT_EQ(WriteSettingText(file_, "s", "\xC0\xAF\xFF", "\xFE\xFF"), SettingWrite::Written);
    EXPECT_EQ(ReadBytes(file_), "\0\0[s]\0\n"s + long_line +
                                    "\n\xC0\xAF\xFF=\xFE\n[s]\nk=2\n\xC0\xAF\xFF=\xFE\xFF\n");
    EXPECT_EQ(ReadSettingText(file_, "s", "\xC0\xAF\xFF"), "\xFE\xFF");
}

TEST_F(SettingsStore, AValueWithALineBreakIsRefused) {
    WriteBytes(file_, "[s]\nk=1\n");
    EXPECT_EQ(WriteSettingText(file_, "s", "k", "a\n[evil]\nk=2"), SettingWrite::Failed);
    EXPECT_EQ(WriteSettingList(file_, "l", {"ok", "bad\r\n0=x"}), SettingWrite::Failed);
    EXPECT_EQ(WriteSettingText(file_, "s]", "k", "v"), SettingWrite::Failed);
    EXPECT_EQ(ReadBytes(file_), "[s]\nk=1\n");
}

TEST_F(SettingsStore, ReadSettingListTakesTheValuesWhateverTheKeys) {
    WriteBytes(file_, "[cbSearch_Search]\n0=abc\n1=def\n[other]\n0=no\n");
    EXPECT_EQ(ReadSettingList(file_, "cbSearch_Search"), (std::vector<std::string>{"abc", "def"}));
    WriteBytes(file_, "[cbSearch_Search]\nzz=abc\n; note\n\nfirst=def\nnot an entry\n");
    EXPECT_EQ(ReadSettingList(file_, "CBSEARCH_SEARCH"), (std::vector<std::string>{"abc", "def"}));
}

TEST_F(SettingsStore, ReadSettingListStopsAtTheSectionBuffer) {
    // Each line "N=" + 1000 characters takes 1000 + key + 2; 32 lines of key "0".."31" fit.
    std::string text = "[l]\n";
    std::vector<std::string> expected;
    std::size_t used = 1;
    for (int i = 0; i < 40; ++i) {
        const std::string key = std::to_string(i);
        const std::string value(1000, static_cast<char>('a' + i % 26));
        text += key + "=" + value + "\n";
        used += key.size() + value.size() + 2;
        if (used <= kSettingSectionLimit) expected.push_back(value);
    }
    WriteBytes(file_, text);
    const auto values = ReadSettingList(file_, "l");
    EXPECT_EQ(values.size(), 32u);
    EXPECT_EQ(values, expected);
}

TEST_F(SettingsStore, WriteSettingListReplacesTheSection) {
    WriteBytes(file_, "[fwMain]\nlvFont=x\n[cbSearch_Search]\nold=1\nolder=2\n[end]\ne=1\n");
    EXPECT_EQ(WriteSettingList(file_, "cbSearch_Search", {"curl d", " spaced ", "3"}),
              SettingWrite::Written);
    EXPECT_EQ(ReadBytes(file_),
              "[fwMain]\nlvFont=x\n[cbSearch_Search]\n0=curl d\n1= spaced \n2=3\n[end]\ne=1\n");
    EXPECT_EQ(ReadSettingList(file_, "cbSearch_Search"),
              (std::vector<std::string>{"curl d", "spaced", "3"}));

    EXPECT_EQ(WriteSettingList(file_, "cbSearch_Search", {}), SettingWrite::Written);
    EXPECT_EQ(ReadBytes(file_), "[fwMain]\nlvFont=x\n[cbSearch_Search]\n[end]\ne=1\n");
    EXPECT_TRUE(ReadSettingList(file_, "cbSearch_Search").empty());
}

TEST_F(SettingsStore, AnEmptyListCreatesNoFile) {
    EXPECT_EQ(WriteSettingList(file_, "cbSearch_Search", {}), SettingWrite::Unchanged);
    EXPECT_FALSE(std::filesystem::exists(file_));
}

}  // namespace
}  // namespace glyphora
