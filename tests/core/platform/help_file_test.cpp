#include "platform/help_file.h"

#include <gtest/gtest.h>

#include "../app/temp_folder.h"

namespace glyphora {
namespace {

using testing::TempFolder;
using testing::WriteBytes;

TEST(HelpFile, ReadsTopicsParagraphsAndListItems) {
    const HelpFile help = HelpFile::Parse(
        "# comment\n[101]\nThe character table\n  shows one page.\n   # note to self\n\n\n"
        "Keys:\n- Home: first cell.\n- End: last cell.\n\n[102]\nScroll bar.\n");
    EXPECT_EQ(help.Text(101),
              "The character table shows one page.\n\nKeys:\n- Home: first cell.\n- End: last "
              "cell.");
    EXPECT_EQ(help.Text(102), "Scroll bar.");
    EXPECT_EQ(help.Topics(), (std::vector<int>{101, 102}));
    const HelpFile crlf = HelpFile::Parse("\xEF\xBB\xBF[5]\r\nOne\r\ntwo\r\n\r\nthree\r\n");
    EXPECT_EQ(crlf.Text(5), "One two\n\nthree");
}

TEST(HelpFile, BadLinesAreSkippedAndALaterTextOfATopicWins) {
    const HelpFile help = HelpFile::Parse(
        "text before any topic\n[abc]\nlost\n[0]\nlost too\n[-4]\nlost\n[99999999999]\nlost\n"
        "[ 12 ]\nkept\n[12] is not a topic line\n[]\nlost\n[13]\nold\n[13]\nalso kept\n[3]\n\n[8]");
    EXPECT_EQ(help.Topics(), (std::vector<int>{3, 8, 12, 13}));
    EXPECT_EQ(help.Text(12), "kept [12] is not a topic line");
    EXPECT_EQ(help.Text(13), "also kept");
    EXPECT_TRUE(help.Has(3) && help.Has(8));  // an empty block gives no text
    EXPECT_EQ(help.Text(3), "");
    EXPECT_FALSE(help.Has(9));
    EXPECT_EQ(help.Text(9), "");
}

TEST(HelpFile, BrokenBytesAndControlCharactersNeverReachTheScreen) {
    const HelpFile help =
        HelpFile::Parse(std::string("[1]\na\tb\x01"
                                    "c \xC3\xA9 \xFF\xC3\n",
                                    16));
    EXPECT_EQ(help.Text(1), "a b c \xC3\xA9 \xEF\xBF\xBD\xEF\xBF\xBD");
    EXPECT_EQ(HelpFile::Parse(std::string("[2]\nx\0y\n", 9)).Text(2), "x y");
}

TEST(HelpFile, ReadsAFileAndRefusesWhatIsNotOneOrFarTooLarge) {
    TempFolder folder;
    WriteBytes(folder / "glyphora.help", "[141]\r\nTo copy.\r\n");
    const auto help = ReadHelpFile(folder / "glyphora.help");
    ASSERT_TRUE(help);
    EXPECT_EQ(help->Text(141), "To copy.");
    EXPECT_FALSE(ReadHelpFile(folder / "missing.help"));
    EXPECT_FALSE(ReadHelpFile(folder.path()));
    WriteBytes(folder / "big.help", "[1]\n" + std::string(kMaxHelpFileBytes, 'x'));
    EXPECT_FALSE(ReadHelpFile(folder / "big.help"));
}

}  // namespace
}  // namespace glyphora
