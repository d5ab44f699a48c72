#include "unicode/char_data_file.h"

#include <gtest/gtest.h>
#include <stdlib.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <vector>

namespace glyphora {
namespace {

std::vector<std::string_view> Lines(std::string_view text) {
    std::vector<std::string_view> lines;
    std::string_view line;
    while (TakeLine(text, line)) lines.push_back(line);
    return lines;
}

TEST(TakeLine, SplitsAtCrLfLfAndCr) {
    using V = std::vector<std::string_view>;
    EXPECT_EQ(Lines("a\r\nb\r\n"), (V{"a", "b"}));
    EXPECT_EQ(Lines("a\nb"), (V{"a", "b"}));
    EXPECT_EQ(Lines("a\rb\r"), (V{"a", "b"}));
    EXPECT_EQ(Lines("a\r\n\r\nb"), (V{"a", "", "b"}));
    EXPECT_EQ(Lines("\n\r"), (V{"", ""}));
    EXPECT_EQ(Lines(""), V{});
    EXPECT_EQ(Lines("\xEF\xBB\xBF; first\r\n"), V{"; first"});
}

TEST(ParseNameLine, ReadsCodeAndName) {
    struct Case {
        std::string_view line;
        long code_point;
        std::string_view name;
    } cases[] = {
        {"0221,Latin Small Letter D With Curl", 0x221, "Latin Small Letter D With Curl"},
        {"2e2e, A, B ,", 0x2E2E, "A, B"},
        {"41,,, A ,,", 0x41, "A"},
        {",Empty Code", 0, "Empty Code"},
        {"FFFF,x", 0xFFFF, "x"},
        {"ABC", 0xABC, "ABC"},              // without a comma the line is both code and name
        {"0041,\tTab\t", 0x41, "\tTab\t"},  // only spaces are trimmed
    };
    for (const auto& c : cases) {
        const auto entry = ParseNameLine(c.line);
        ASSERT_TRUE(entry) << c.line;
        EXPECT_EQ(entry->code_point, c.code_point) << c.line;
        EXPECT_EQ(entry->name, c.name) << c.line;
    }
}

TEST(ParseNameLine, IgnoresCommentsBadCodesAndEmptyNames) {
    for (std::string_view line :
         {"; 0041,A", "// 0041,A", "//", ";", "", "0041,", "0041, , ,", "10000,Above",
          "0x41,Prefixed", "U+0041,Prefixed", " 41,Space", "41 ,Space", "-1,Minus", "G,Not hex",
          "ffffffffffffffffffff,x", "Hello"}) {
        EXPECT_FALSE(ParseNameLine(line)) << line;
    }
}

TEST(ParseEntityLine, ReadsCodeFlagAndNames) {
    struct Case {
        std::string_view line;
        long code_point;
        bool ie_flag;
        std::string_view entities;
    } cases[] = {
        {"0026,IE,amp", 0x26, true, "amp"},
        {"002A,  ,ast,midast", 0x2A, false, "ast,midast"},
        {"00A0,IE,nbsp,NonBreakingSpace", 0xA0, true, "nbsp,NonBreakingSpace"},
        {"00e9,ie,eacute", 0xE9, true, "eacute"},
        {"00E9,Ie,eacute", 0xE9, true, "eacute"},
        {"00E9, IE ,eacute", 0xE9, true, "eacute"},
        {"00E9,IEX,eacute", 0xE9, false, "eacute"},
        {"00E9,,eacute", 0xE9, false, "eacute"},
        {"00E9,IE,,, eacute ,,", 0xE9, true, "eacute"},
        {",IE,nul", 0, true, "nul"},
    };
    for (const auto& c : cases) {
        const auto entry = ParseEntityLine(c.line);
        ASSERT_TRUE(entry) << c.line;
        EXPECT_EQ(entry->code_point, c.code_point) << c.line;
        EXPECT_EQ(entry->ie_flag, c.ie_flag) << c.line;
        EXPECT_EQ(entry->entities, c.entities) << c.line;
    }
}

TEST(ParseEntityLine, IgnoresCommentsBadCodesAndLinesWithoutNames) {
    for (std::string_view line : {"; 0026,IE,amp", "//0026,IE,amp", "0026", "0026,IE", "0026,IE,",
                                  "0026,IE, , ", "10000,IE,big", "0G26,IE,amp", "", "amp"}) {
        EXPECT_FALSE(ParseEntityLine(line)) << line;
    }
}

class ReadDataFileTest : public ::testing::Test {
protected:
    void SetUp() override {
        std::string pattern =
            (std::filesystem::temp_directory_path() / "glyphora_data_file_XXXXXX").string();
        ASSERT_NE(::mkdtemp(pattern.data()), nullptr);
        dir_ = pattern;
    }
    void TearDown() override { std::filesystem::remove_all(dir_); }
    std::filesystem::path dir_;
};

TEST_F(ReadDataFileTest, ReadsARegularFileWhole) {
    std::string content(200000, 'x');
    content += std::string("\0\r\n\xFF", 4);
    std::ofstream(dir_ / "a.csv", std::ios::binary) << content;
    EXPECT_EQ(ReadDataFile(dir_ / "a.csv"), content);
    std::ofstream(dir_ / "empty.csv", std::ios::binary);
    EXPECT_EQ(ReadDataFile(dir_ / "empty.csv"), "");
}

TEST_F(ReadDataFileTest, NoFileForMissingFoldersAndDevices) {
    std::filesystem::create_directory(dir_ / "folder.csv");
    EXPECT_EQ(ReadDataFile(dir_ / "missing.csv"), std::nullopt);
    EXPECT_EQ(ReadDataFile(dir_ / "folder.csv"), std::nullopt);
    EXPECT_EQ(ReadDataFile(""), std::nullopt);
    // A device would never end.
    EXPECT_EQ(ReadDataFile("/dev/zero"), std::nullopt);
}

TEST_F(ReadDataFileTest, NoFileWhenUnreadable) {
    std::ofstream(dir_ / "locked.csv", std::ios::binary) << "0041,A\r\n";
    std::filesystem::permissions(dir_ / "locked.csv", std::filesystem::perms::none);
    if (::geteuid() == 0) GTEST_SKIP() << "root reads files whatever their permissions";
    EXPECT_EQ(ReadDataFile(dir_ / "locked.csv"), std::nullopt);
}

TEST_F(ReadDataFileTest, FollowsSymlinksToFilesButNotDangling) {
    std::ofstream(dir_ / "real.csv", std::ios::binary) << "0041,A\r\n";
    std::filesystem::create_symlink(dir_ / "real.csv", dir_ / "link.csv");
    std::filesystem::create_symlink(dir_ / "gone.csv", dir_ / "dangling.csv");
    EXPECT_EQ(ReadDataFile(dir_ / "link.csv"), "0041,A\r\n");
    EXPECT_EQ(ReadDataFile(dir_ / "dangling.csv"), std::nullopt);
}

}  // namespace
}  // namespace glyphora
