// Runs the built glyphora-cli for the name, entities and entity commands.
#include <gtest/gtest.h>

#include "cli_runner.h"
#include <stdio.h>
#include <stdlib.h>
#include <sys/wait.h>

#include <filesystem>
#include <fstream>
#include <string>

namespace {

using glyphora::testing::CliRun;
using glyphora::testing::RunCli;

TEST(NamesCli, PrintsNamesEntitiesAndEntityCodes) {
    const struct {
        std::string args;
        int status;
        std::string out;
    } cases[] = {
        {"name 0221", 0, "U+0221\tLatin Small Letter D With Curl\n"},
        {"name U+0041 0x4E00 80", 0,
         "U+0041\tLatin Capital Letter A\nU+4E00\tCJK Unified Ideograph\nU+0080\tPadding "
         "Character\n"},
        {"entities 00A0", 0, "U+00A0\tnbsp,NonBreakingSpace\tie\n"},
        {"entities 2A 41", 0, "U+002A\tast,midast\t\nU+0041\t\t\n"},
        {"entity eacute", 0, "U+00E9\n"},
        {"entity NonBreakingSpace", 0, "U+00A0\n"},
        {"entity NBSP", 1, ""},
        {"name 10000", 2, ""},
        {"name 0041 zz", 2, ""},
        {"name", 2, ""},
        {"entities G", 2, ""},
        {"entity", 2, ""},
        {"entity a b", 2, ""},
        {"name 41 --data-dir /nonexistent/folder", 2, ""},
        {"name 41 --data-dir /dev/null", 2, ""},
    };
    for (const auto& c : cases) {
        const CliRun run = RunCli(c.args);
        EXPECT_EQ(run.status, c.status) << c.args;
        EXPECT_EQ(run.out, c.out) << c.args;
    }
}

TEST(NamesCli, DataDirReplacesTheDataFiles) {
    std::string pattern = (std::filesystem::temp_directory_path() / "glyphora_cli_XXXXXX").string();
    ASSERT_NE(::mkdtemp(pattern.data()), nullptr);
    const std::filesystem::path dir = pattern;
    std::ofstream(dir / "glyphora.csv", std::ios::binary) << "0378,Name From Dir\r\n";
    const std::string data_dir = " --data-dir '" + dir.string() + "'";

    // Without an entity file there, the built-in one stands in, as the program would write it.
    EXPECT_EQ(RunCli("name 378" + data_dir).out, "U+0378\tName From Dir\n");
    EXPECT_EQ(RunCli("entity eacute" + data_dir).out, "U+00E9\n");

    std::ofstream(dir / "glyphora.ent", std::ios::binary) << "00E9,ie,myeacute\r\n";
    EXPECT_EQ(RunCli("entity myeacute" + data_dir).out, "U+00E9\n");
    EXPECT_EQ(RunCli("entities E9" + data_dir).out, "U+00E9\tmyeacute\tie\n");
    EXPECT_EQ(RunCli("entity eacute" + data_dir).status, 1);
    std::filesystem::remove_all(dir);
}

}  // namespace
