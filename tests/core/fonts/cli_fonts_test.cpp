#include <gtest/gtest.h>

#include "../cli/cli_runner.h"
#include <sys/wait.h>

#include <cstdio>
#include <sstream>
#include <string>
#include <vector>

namespace glyphora {
namespace {

using testing::CliRun;
using testing::Lines;
using testing::RunCli;

std::vector<std::string> Fields(const std::string& line) { return testing::Split(line, '\t'); }

TEST(CliFonts, ListsFamiliesWithKeyPathAndCoverage) {
    const CliRun run = RunCli("fonts");
    ASSERT_EQ(run.status, 0);
    bool sans = false;
    for (const std::string& line : Lines(run.out)) {
        const auto fields = Fields(line);
        ASSERT_EQ(fields.size(), 4u) << line;
        EXPECT_EQ(fields[0].rfind("D.", 0), 0u) << line;
        EXPECT_EQ(fields[3].size(), 128u) << line;
        if (fields[1] == "DejaVu Sans") {
            sans = true;
            EXPECT_EQ(fields[2], "/usr/share/fonts/truetype/dejavu/DejaVuSans.ttf");
            EXPECT_EQ(fields[3][9], '1');
        }
    }
    EXPECT_TRUE(sans);
}

TEST(CliFonts, CoveringKeepsOnlyFamiliesWithTheGlyph) {
    const CliRun all = RunCli("fonts");
    const CliRun cyrillic = RunCli("fonts --covering U+0416");
    const CliRun nowhere = RunCli("fonts --covering 0xE000");  // private use: no DejaVu glyph
    ASSERT_EQ(cyrillic.status, 0);
    EXPECT_NE(cyrillic.out.find("\tDejaVu Sans\t"), std::string::npos);
    EXPECT_LE(Lines(cyrillic.out).size(), Lines(all.out).size());
    EXPECT_EQ(nowhere.out.find("\tDejaVu Sans\t"), std::string::npos);
    EXPECT_EQ(RunCli("fonts --covering xyz").status, 2);
}

TEST(CliGlyphs, PrintsTheRangeCountThenOneLinePerRange) {
    const CliRun run = RunCli("glyphs 'DejaVu Sans'");
    ASSERT_EQ(run.status, 0);
    const auto lines = Lines(run.out);
    ASSERT_FALSE(lines.empty());
    const int count = std::stoi(lines[0]);
    ASSERT_GT(count, 0);
    EXPECT_EQ(lines.size(), static_cast<std::size_t>(count) + 1);
    EXPECT_EQ(lines[1], "0020\t007E");
    for (std::size_t i = 1; i < lines.size(); ++i) {
        const auto fields = Fields(lines[i]);
        ASSERT_EQ(fields.size(), 2u);
        EXPECT_LE(std::stol(fields[0], nullptr, 16), std::stol(fields[1], nullptr, 16));
    }
}

TEST(CliGlyphs, UnknownFamilyOrMissingOperandFailsWithStatusTwo) {
    const CliRun unknown = RunCli("glyphs 'No Such Family'");
    EXPECT_EQ(unknown.status, 2);
    EXPECT_TRUE(unknown.out.empty());
    EXPECT_EQ(RunCli("glyphs").status, 2);
    EXPECT_EQ(RunCli("fonts extra").status, 2);
}

}  // namespace
}  // namespace glyphora
