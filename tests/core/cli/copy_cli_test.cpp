// Runs the built glyphora-cli for encode and for the copy actions of page.
#include <gtest/gtest.h>

#include "cli_runner.h"

#include <initializer_list>
#include <string>

namespace {

using glyphora::testing::CliRun;

CliRun RunCli(std::initializer_list<std::string> args) { return glyphora::testing::RunCliWords(args); }

TEST(EncodeCli, WritesExactlyWhatTheCopyButtonPutsOnTheClipboard) {
    const struct {
        std::initializer_list<std::string> args;
        int status;
        std::string out;
    } cases[] = {
        {{"encode", "--format", "2", "A\u00E9\u20AC"}, 0, "%41%e9%E2%82%AC"},
        {{"encode", "--format", "3", "\u00E9"}, 0, "\xC3\xA9"},
        {{"encode", "--format", "4", "A\u00E9"}, 0, "A+AOk-"},
        {{"encode", "--format", "5", "A\u00E9"}, 0, "\\u0041\\u00e9"},
        {{"encode", "--format", "6", "\u20AC"}, 0, "&#x20ac;"},
        {{"encode", "--format", "7", "\uFFFD"}, 0, "&#65533;"},
        {{"encode", "--format", "8", "\u0439"}, 0, "\xE9"},  // default row 7, code page 1251
        {{"encode", "--format", "8", "--code-page", "8", "\u20AC"}, 0, "\x80"},
        {{"encode", "--format", "9", "AB"},
         0,
         "Latin Capital Letter A\r\nLatin Capital Letter B\r\n"},
        {{"encode", "--format", "9", "--current", "AB"}, 0, "Latin Capital Letter A"},
        {{"encode", "--format", "7", "--current", "AB"}, 0, "&#65;"},
        {{"encode", "--format", "11", "\u00A0x"}, 0, "&nbsp;"},
        {{"encode", "--format", "11", "x"}, 1, ""},  // no entity name
        {{"encode", "--format", "5", ""}, 0, ""},
        {{"encode", "--format", "1", "--font", "Some Font", "A"},
         0,
         "{\\rtf1\\ansi\\ansicpg1252\\deff0{\\fonttbl{\\f0\\fnil\\fcharset0 Some Font;}}"
         "{\\colortbl;\\red0\\green0\\blue0;}\\cf1\r\n\\uc1\\pard\\f0\\fs72 A}"},
        {{"encode", "--format", "0", "A"}, 2, ""},
        {{"encode", "--format", "10", "A"}, 2, ""},
        {{"encode", "--format", "12", "A"}, 2, ""},
        {{"encode", "--format", "8", "--code-page", "16", "A"}, 2, ""},
        {{"encode", "--format", "3"}, 2, ""},
        {{"encode", "A"}, 2, ""},
        {{"encode", "--format", "9", "--current", ""}, 2, ""},
        {{"encode", "--format", "3", "\xFF"}, 2, ""},
    };
    for (const auto& c : cases) {
        const CliRun run = RunCli(c.args);
        std::string shown;
        for (const auto& arg : c.args) shown += arg + " ";
        EXPECT_EQ(run.status, c.status) << shown;
        EXPECT_EQ(run.out, c.out) << shown;
    }
}

TEST(EncodeCli, RtfWithoutFontNamesAnInstalledFamily) {
    const CliRun run = RunCli({"encode", "--format", "1", "A"});
    EXPECT_EQ(run.status, 0);
    EXPECT_NE(run.out.find("{\\fonttbl{\\f0\\fnil\\fcharset0 "), std::string::npos);
    EXPECT_EQ(run.out.find("\\fcharset0 ;"), std::string::npos);
}

TEST(PageCli, ReportsTheCopyFormatTheTextAndThePreview) {
    const CliRun names = RunCli({"page", "--format", "9", "--copy-text", "A\u0439", "--json"});
    EXPECT_EQ(names.status, 0);
    EXPECT_NE(names.out.find("\"copy_format\":9,\"to_copy\":\"A\\u0439\",\"preview\":{\"enabled\":"
                             "true,\"code_page\":0,\"text\":\"Latin Capital Letter A\",\"list\":["
                             "\"Latin Capital Letter A\",\"Cyrillic Small Letter Short I\"],"
                             "\"drop_button\":true}"),
              std::string::npos)
        << names.out;

    // The byte E9 of code page 1251, shown as the letter it stands for there.
    const CliRun charset = RunCli(
        {"page", "--format", "8", "--copy-text", "\u0439", "--preview-charset", "on", "--json"});
    EXPECT_NE(charset.out.find("\"code_page\":1251,\"text\":\"\\u0439\""), std::string::npos)
        << charset.out;
    // Another row changes how the byte is shown, not the byte.
    const CliRun row = RunCli({"page", "--format", "8", "--copy-text", "\u0439",
                               "--preview-charset", "on", "--code-page", "8", "--json"});
    EXPECT_NE(row.out.find("\"code_page\":1252,\"text\":\"\\u00e9\""), std::string::npos)
        << row.out;

    EXPECT_EQ(RunCli({"page", "--format", "12"}).status, 2);
    EXPECT_EQ(RunCli({"page", "--code-page", "16"}).status, 2);
    EXPECT_EQ(RunCli({"page", "--preview-charset", "maybe"}).status, 2);
}

}  // namespace
