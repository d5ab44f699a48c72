#include "unicode/char_data_file.h"

#include <gtest/gtest.h>

#include <vector>

#include "../app/temp_folder.h"
#include "base/text.h"

namespace glyphora {
namespace {

using V = std::vector<std::string_view>;

V Lines(std::string_view text) {
    V lines;
    std::string_view line;
    while (TakeLine(text, line)) lines.push_back(line);
    return lines;
}

TEST(TakeLine, SplitsAtCrLfLfAndCr) {
    EXPECT_EQ(Lines("a\r\nb\r\n"), (V{"a", "b"}));
    EXPECT_EQ(Lines("a\nb"), (V{"a", "b"}));
    EXPECT_EQ(Lines("a\rb\r"), (V{"a", "b"}));
    EXPECT_EQ(Lines("a\r\n\r\nb"), (V{"a", "", "b"}));
    EXPECT_EQ(Lines("\n\r"), (V{"", ""}));
    EXPECT_EQ(Lines(""), V{});
    EXPECT_EQ(Lines("\xEF\xBB\xBF; first\r\n"), V{"; first"});
}

// Code and name; without a comma the line is both; only spaces are trimmed. Comments, codes
// that are not plain hexadecimal of the plane, and empty names are skipped.
TEST(ParseNameLine, ReadsCodeAndName) {
    const std::pair<std::string_view, std::string_view> cases[] = {
        {"2e2e, A, B ,", "2E2E A, B"}, {"41,,, A ,,", "0041 A"}, {",Empty Code", "0000 Empty Code"},
        {"FFFF,x", "FFFF x"},          {"ABC", "0ABC ABC"},      {"0041,\tTab\t", "0041 \tTab\t"},
    };
    for (const auto& [line, parsed] : cases) {
        const auto entry = ParseNameLine(line);
        ASSERT_TRUE(entry) << line;
        EXPECT_EQ(Hex4(entry->code_point) + " " + std::string(entry->name), parsed);
    }
    for (const std::string_view line :
         {"; 0041,A", "// 0041,A", "//", "0041,", "0041, , ,", "10000,Above", "0x41,Prefixed",
          "U+0041,Prefixed", " 41,Space", "41 ,Space", "-1,Minus", "G,Not hex",
          "ffffffffffffffffffff,x", "Hello", ""})
        EXPECT_FALSE(ParseNameLine(line)) << line;
}

TEST(ReadDataFile, ReadsARegularFileOrItsLinkWholeAndNothingElse) {
    testing::TempFolder folder;
    const std::string content = std::string(200000, 'x') + std::string("\0\r\n\xFF", 4);
    testing::WriteBytes(folder / "a.csv", content);
    testing::WriteBytes(folder / "empty.csv", "");
    std::filesystem::create_directory(folder / "folder.csv");
    std::filesystem::create_symlink(folder / "a.csv", folder / "link.csv");
    std::filesystem::create_symlink(folder / "gone.csv", folder / "dangling.csv");
    EXPECT_EQ(ReadDataFile(folder / "a.csv"), content);
    EXPECT_EQ(ReadDataFile(folder / "link.csv"), content);
    EXPECT_EQ(ReadDataFile(folder / "empty.csv"), "");
    for (const std::filesystem::path& none :
         {folder / "missing.csv", folder / "folder.csv", folder / "dangling.csv",
          std::filesystem::path(), std::filesystem::path("/dev/zero")})
        EXPECT_EQ(ReadDataFile(none), std::nullopt) << none;  // a device would never end
}

}  // namespace
}  // namespace glyphora
