// Runs the built glyphora-cli for the type and subranges commands.
#include <gtest/gtest.h>

#include "cli_runner.h"
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

TEST(CliType, PrintsTheTypeTextPerCode) {
    const CliRun run = RunCli("type U+0041 0x05D0 0301");
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.out,
              "U+0041\tUppercase, Hex. digit; Left to right\n"
              "U+05D0\tRight to left\n"
              "U+0301\tNonspacing mark, Diacritic nonspacing mark\n");
}

TEST(CliType, RejectsBadCodesAndMissingOperands) {
    EXPECT_EQ(RunCli("type").status, 2);
    EXPECT_EQ(RunCli("type U+0041 U+10000").status, 2);
    EXPECT_EQ(RunCli("type U+0041 U+10000").out, "");
}

TEST(CliSubranges, AllListsEveryRowInTableOrder) {
    const CliRun run = RunCli("subranges --all");
    EXPECT_EQ(run.status, 0);
    const auto lines = Lines(run.out);
    ASSERT_EQ(lines.size(), 162u);
    EXPECT_EQ(lines.front(), "D.0\t0000\t007F\t0\t1\tBasic Latin");
    EXPECT_EQ(lines[7], "D.880\t0370\t03FF\t7\t1\tGreek and Coptic");
    EXPECT_EQ(lines[103], "D.12256\t2FE0\t2FEF\t-1\t0\t<undefined>");
    EXPECT_EQ(lines.back(), "D.65520\tFFF0\tFFFF\t69\t1\tSpecials");
}

TEST(CliSubranges, CoverageChoosesRowsAndIcons) {
    std::string bits(128, '0');
    bits[9] = '1';
    const CliRun listed = RunCli("subranges --coverage " + bits);
    EXPECT_EQ(listed.status, 0);
    EXPECT_EQ(listed.out,
              "D.1024\t0400\t04FF\t9\t1\tCyrillic\n"
              "D.1280\t0500\t052F\t9\t1\tCyrillic Supplement\n");
    const auto all = Lines(RunCli("subranges --all --coverage 1").out);
    ASSERT_EQ(all.size(), 162u);
    EXPECT_EQ(all[1], "D.128\t0080\t00FF\t1\t0\tLatin-1 Supplement");
    EXPECT_EQ(RunCli("subranges --coverage ''").out, "");
}

TEST(CliSubranges, ListsWhatAFontCovers) {
    const auto lines = Lines(RunCli("subranges --font 'DejaVu Sans'").out);
    ASSERT_FALSE(lines.empty());
    EXPECT_EQ(lines[0], "D.0\t0000\t007F\t0\t1\tBasic Latin");
    bool cyrillic = false, hangul = false;
    for (const auto& line : lines) {
        cyrillic = cyrillic || line.find("\tCyrillic") != std::string::npos;
        hangul = hangul || line.find("Hangul Syllables") != std::string::npos;
    }
    EXPECT_TRUE(cyrillic);
    EXPECT_FALSE(hangul);
}

TEST(CliSubranges, RejectsBadCoverageAndFont) {
    EXPECT_EQ(RunCli("subranges --coverage 0120").status, 2);
    EXPECT_EQ(RunCli("subranges --coverage " + std::string(129, '1')).status, 2);
    EXPECT_EQ(RunCli("subranges --font 'No Such Family'").status, 2);
    EXPECT_EQ(RunCli("subranges --font 'DejaVu Sans' --coverage 1").status, 2);
    EXPECT_EQ(RunCli("subranges extra").status, 2);
}

}  // namespace
}  // namespace glyphora
