// Runs the built glyphora-cli for find and for the Search frame's actions of page.
#include <gtest/gtest.h>

#include "cli_runner.h"

#include <string>

namespace {

using glyphora::testing::CliRun;
using glyphora::testing::RunCli;

// Every subrange listed, in the font the setup installs.
const std::string kFind = "find --font 'DejaVu Sans' --show-all on ";

TEST(FindCli, PrintsTheMatchOrTheMessageOfEachRun) {
    const struct {
        std::string args;
        int status;
        std::string out;
    } cases[] = {
        {"'curl d'", 0, "U+0221\tLatin Small Letter D With Curl\n"},
        {"CURL D", 0, "U+0221\tLatin Small Letter D With Curl\n"},  // operands join with spaces
        {"--next 2 'd curl'", 0,
         "U+0221\tLatin Small Letter D With Curl\nU+02A5\tLatin Small Letter Dz Digraph With "
         "Curl\nU+02A8\tLatin Small Letter Tc Digraph With Curl\n"},
        {"'&eacute;'", 0, "U+00E9\tLatin Small Letter E With Acute\n"},
        {"--next 3 '&Eacute;'", 0, "U+00C9\tLatin Capital Letter E With Acute\n"},  // no F3
        {"'&amp'", 1, "Illegal entity syntax.\n"},
        {"'&a b;'", 1, "Illegal entity syntax.\n"},
        {"'&;'", 1, "No character found.\n"},
        {"--next 5 zzqx", 1, "No character found.\n"},
        {"--next 2 'fullwidth right white parenthesis'", 0,
         "U+FF60\tFullwidth Right White Parenthesis\nNo more occurences.\nNo more occurences.\n"},
    };
    for (const auto& c : cases) {
        const CliRun run = RunCli(kFind + c.args);
        EXPECT_EQ(run.status, c.status) << c.args;
        EXPECT_EQ(run.out, c.out) << c.args;
    }
}

TEST(FindCli, FindsNamesInGapsBetweenTheFontsListedSubranges) {
    // DejaVu Sans lists Basic Latin to Specials but not Hangul: the range spans the gap, the
    // match is reported, and the table goes to the nearest listed character with a message.
    const CliRun find = RunCli("find --font 'DejaVu Sans' 'hangul syllable gag'");
    EXPECT_EQ(find.status, 0);
    EXPECT_EQ(find.out, "U+AC01\tHangul Syllable Gag\n");
    const CliRun page = RunCli("page --font 'DejaVu Sans' --search 'hangul syllable gag' --json");
    EXPECT_NE(page.out.find("\"Message\":\"Character AC01 not supported by selected font.\""),
              std::string::npos);
}

TEST(FindCli, RejectsBadInput) {
    EXPECT_EQ(RunCli("find").status, 2);
    EXPECT_EQ(RunCli(kFind + "'!?'").status, 2);  // nothing the search box keeps
    EXPECT_EQ(RunCli(kFind + "--next x a").status, 2);
    EXPECT_EQ(RunCli("find --show-all maybe a").status, 2);
    EXPECT_EQ(RunCli("find --font 'No Such Family' a").status, 2);
}

// One field of the page's JSON, by its text up to the next field.
std::string Field(const std::string& json, const std::string& key) {
    const auto at = json.find("\"" + key + "\":");
    if (at == std::string::npos) return "";
    const auto end = json.find_first_of(",}", json.find(':', at) + 1);
    return json.substr(at, end - at);
}

TEST(PageCli, SearchActionsAndTheirState) {
    const std::string page = "page --font 'DejaVu Sans' --show-all on ";
    const CliRun search = RunCli(page + "--search 'curl d' --search-next --json");
    EXPECT_EQ(search.status, 0);
    EXPECT_NE(search.out.find("\"search\":{\"text\":\"curl d\",\"position\":678,\"button_caption\":"
                              "\"N&ext (F3)\",\"button_enabled\":true,\"history\":[\"curl d\"]}"),
              std::string::npos)
        << search.out;
    EXPECT_NE(search.out.find("\"Hex\":\"U+02A5\""), std::string::npos);

    const CliRun hex = RunCli(page + "--goto-box 20ac --json");
    EXPECT_NE(hex.out.find("\"go_to\":{\"text\":\"20ac\",\"notation\":\"hex\"}"),
              std::string::npos);
    EXPECT_NE(hex.out.find("\"Hex\":\"U+20AC\""), std::string::npos);

    // Decimal: the sixth digit is refused, and Enter goes to what stayed.
    const CliRun dec = RunCli(page + "--notation dec --goto-box 65536 --json");
    EXPECT_NE(dec.out.find("\"go_to\":{\"text\":\"6553\",\"notation\":\"dec\"}"),
              std::string::npos);
    EXPECT_NE(dec.out.find("\"Hex\":\"U+1999\""), std::string::npos);

    const CliRun back = RunCli(page + "--goto-box 20AC --notation dec --notation hex --json");
    EXPECT_EQ(Field(back.out, "notation"), "\"notation\":\"hex\"");
    EXPECT_NE(back.out.find("\"go_to\":{\"text\":\"20AC\""), std::string::npos);

    const CliRun symbol = RunCli(page + "--search curl --symbol \xE2\x82\xAC --json");
    EXPECT_NE(symbol.out.find("\"Hex\":\"U+20AC\""), std::string::npos);
    EXPECT_NE(symbol.out.find("\"search\":{\"text\":\"\""), std::string::npos);  // exclusive boxes
    EXPECT_EQ(Field(symbol.out, "button_enabled"), "\"button_enabled\":false");

    EXPECT_EQ(RunCli(page + "--notation octal").status, 2);
    EXPECT_EQ(RunCli(page + "--goto-box").status, 2);
    EXPECT_EQ(RunCli(page + "--search-next").status, 0);  // takes no value
}

}  // namespace
