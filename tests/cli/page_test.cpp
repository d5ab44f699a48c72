// glyphora-cli page: the main window's model driven from a script, its state as text or JSON.
#include "cli_runner.h"

namespace glyphora::testing {
namespace {

const std::string kPage = "page --font 'DejaVu Sans' --show-all on ";

// The value of a "Name\tvalue" line of the text output.
std::string Field(const std::string& out, const std::string& name) {
    for (const auto& line : Split(out))
        if (line.starts_with(name + "\t")) return line.substr(name.size() + 1);
    return "<missing>";
}

// Expects every piece in the JSON output of the page command with these actions.
void ExpectJson(const std::string& actions, std::initializer_list<std::string> pieces) {
    const CliRun run = RunCli(kPage + actions + " --json");
    EXPECT_EQ(run.status, 0) << actions;
    for (const std::string& piece : pieces)
        EXPECT_NE(run.out.find(piece), std::string::npos) << actions << ": " << piece;
}

TEST(PageCli, TextShowsRowsMarksTheSelectionAndGoToMessages) {
    const CliRun run = RunCli(kPage + "--fill 0370 --select 8 --hex off");
    ASSERT_EQ(run.status, 0);
    const auto lines = Split(run.out);
    ASSERT_GE(lines.size(), 16u);
    EXPECT_TRUE(lines[0].starts_with("037|"));
    // U+0378 is unassigned: a space over the pattern, and it is the selected cell.
    EXPECT_NE(lines[0].find("[0378#]"), std::string::npos) << lines[0];
    EXPECT_NE(lines[0].find(" 0370  "), std::string::npos) << lines[0];
    EXPECT_EQ(Field(run.out, "Hex"), "Alt+888");
    // DejaVu Sans covers Cyrillic but no Hangul syllables.
    const CliRun covered = RunCli("page --font 'DejaVu Sans' --goto 0416");
    EXPECT_EQ(Field(covered.out, "Name"), "Cyrillic Capital Letter Zhe");
    EXPECT_EQ(Field(covered.out, "subrange"), "D.1024\tCyrillic");
    EXPECT_EQ(Field(covered.out, "Message"), "");
    EXPECT_EQ(Field(RunCli("page --font 'DejaVu Sans' --goto AC00").out, "Message"),
              "Character AC00 not supported by selected font.");
    for (const char* args :
         {"page --bogus 1", "page --keys Sideways", "page --show-all maybe", "page --select 300",
          "page --goto XYZ", "page --font 'No Such'", "page --goto", "page --format 12",
          "page --code-page 16", "page --preview-charset maybe", "page --notation octal",
          "page --goto-box"})
        EXPECT_EQ(RunCli(args).status, 2) << args;
}

TEST(PageCli, JsonCarriesTheTableCopyAndSearchState) {
    ExpectJson("--keys Ctrl+End",
               {"\"cells\":[", "\"row_labels\":[", "\"current_cell\":255",
                "\"scroll\":{\"value\":4088,\"max\":4088}", "\"show_all\":true",
                "\"font\":\"DejaVu Sans\"", "\"go_to_result\":null", "\"listed_count\":65424"});
    ExpectJson("--format 9 --copy-text 'A\u0439'",
               {"\"copy_format\":9,\"to_copy\":\"A\\u0439\",\"preview\":{\"enabled\":true,"
                "\"code_page\":0,\"text\":\"Latin Capital Letter A\",\"list\":[\"Latin Capital "
                "Letter A\",\"Cyrillic Small Letter Short I\"],\"drop_button\":true}"});
    // The byte E9 of code page 1251, shown as the letter it stands for there; another row
    // changes how the byte is shown, not the byte.
    ExpectJson("--format 8 --copy-text '\u0439' --preview-charset on",
               {"\"code_page\":1251,\"text\":\"\\u0439\""});
    ExpectJson("--format 8 --copy-text '\u0439' --preview-charset on --code-page 8",
               {"\"code_page\":1252,\"text\":\"\\u00e9\""});
    ExpectJson("--search 'curl d' --search-next",
               {"\"search\":{\"text\":\"curl d\",\"position\":678,\"button_caption\":\"N&ext "
                "(F3)\",\"button_enabled\":true,\"history\":[\"curl d\"]}",
                "\"Hex\":\"U+02A5\""});
    // Decimal: the sixth digit is refused, and Enter goes to what stayed.
    ExpectJson("--notation dec --goto-box 65536",
               {"\"go_to\":{\"text\":\"6553\",\"notation\":\"dec\"}", "\"Hex\":\"U+1999\""});
    ExpectJson("--goto-box 20AC --notation dec --notation hex",
               {"\"go_to\":{\"text\":\"20AC\",\"notation\":\"hex\"}", "\"Hex\":\"U+20AC\""});
    // The boxes are exclusive: the symbol empties the search box.
    ExpectJson("--search curl --symbol \xE2\x82\xAC",
               {"\"Hex\":\"U+20AC\"", "\"search\":{\"text\":\"\"", "\"button_enabled\":false"});
    // Without Show All, Hangul is not listed: the search finds it in the gap and says so.
    EXPECT_NE(RunCli("page --font 'DejaVu Sans' --search 'hangul syllable gag' --json")
                  .out.find("\"Message\":\"Character AC01 not supported by selected font.\""),
              std::string::npos);
}

}  // namespace
}  // namespace glyphora::testing
