// Runs glyphora-cli page: the main window's model driven from a script.
#include <gtest/gtest.h>

#include "cli_runner.h"

namespace glyphora::testing {
namespace {

std::string Field(const std::string& out, const std::string& name) {
    for (const auto& line : Lines(out))
        if (line.rfind(name + "\t", 0) == 0) return line.substr(name.size() + 1);
    return "<missing>";
}

TEST(CliPage, GoToAnUncoveredCharacterReportsIt) {
    // DejaVu Sans covers Cyrillic but no Hangul syllables.
    const CliRun covered = RunCli("page --font 'DejaVu Sans' --goto 0416");
    ASSERT_EQ(covered.status, 0);
    EXPECT_EQ(Field(covered.out, "Hex"), "U+0416");
    EXPECT_EQ(Field(covered.out, "Name"), "Cyrillic Capital Letter Zhe");
    EXPECT_EQ(Field(covered.out, "subrange"), "D.1024\tCyrillic");
    EXPECT_EQ(Field(covered.out, "Message"), "");

    const CliRun uncovered = RunCli("page --font 'DejaVu Sans' --goto AC00");
    ASSERT_EQ(uncovered.status, 0);
    EXPECT_EQ(Field(uncovered.out, "Message"),
              "Character AC00 not supported by selected font.");
}

TEST(CliPage, TextShowsRowsMarksAndTheSelection) {
    const CliRun run =
        RunCli("page --font 'DejaVu Sans' --show-all on --fill 0370 --select 8 --hex off");
    ASSERT_EQ(run.status, 0);
    const auto lines = Lines(run.out);
    ASSERT_GE(lines.size(), 16u);
    EXPECT_EQ(lines[0].substr(0, 4), "037|");
    // U+0378 is unassigned: a space over the pattern, and it is the selected cell.
    EXPECT_NE(lines[0].find("[0378#]"), std::string::npos) << lines[0];
    EXPECT_NE(lines[0].find(" 0370  "), std::string::npos) << lines[0];
    EXPECT_EQ(Field(run.out, "Hex"), "Alt+888");
}

TEST(CliPage, JsonCarriesTheWholeState) {
    const CliRun run = RunCli("page --font 'DejaVu Sans' --show-all on --keys Ctrl+End --json");
    ASSERT_EQ(run.status, 0);
    for (const char* key : {"\"cells\":[", "\"row_labels\":[", "\"current_cell\":255",
                            "\"scroll\":{\"value\":4088,\"max\":4088}", "\"show_all\":true",
                            "\"font\":\"DejaVu Sans\"", "\"go_to_result\":null",
                            "\"listed_count\":65424"})
        EXPECT_NE(run.out.find(key), std::string::npos) << key;
}

TEST(CliPage, BadActionsAreRefused) {
    for (const char* args : {"page --bogus 1", "page --keys Sideways", "page --show-all maybe",
                             "page --select 300", "page --goto XYZ", "page --font 'No Such'",
                             "page --goto"})
        EXPECT_EQ(RunCli(args).status, 2) << args;
}

}  // namespace
}  // namespace glyphora::testing
