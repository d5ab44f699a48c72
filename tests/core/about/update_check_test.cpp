#include "about/update_check.h"

#include <gtest/gtest.h>

#include <chrono>

#include "../app/temp_folder.h"
#include "about/name_library_version.h"
#include "about/update_check_record.h"
#include "app/settings_store.h"

namespace glyphora {
namespace {

TEST(VersionNumber, ParsesOneToFourNumericPartsOfUpToFiveDigits) {
    const std::pair<const char*, std::array<std::uint32_t, 4>> cases[] = {
        {"5.02.0025", {5, 2, 25, 0}},
        {"7", {7, 0, 0, 0}},
        {"1.2.3.4", {1, 2, 3, 4}},
        {"65535.0", {65535, 0, 0, 0}},
    };
    for (const auto& [text, parts] : cases) EXPECT_EQ(ParseVersionNumber(text)->parts, parts);
    for (const char* bad :
         {"65536.0", "000001", "1.2.3.4.5", "", "1.", ".1", "1..2", "1.2b", " 1.2", "-1.2"})
        EXPECT_FALSE(ParseVersionNumber(bad)) << bad;
}

TEST(VersionNumber, ComparesPartsAsNumbers) {
    const auto v = [](const char* text) { return *ParseVersionNumber(text); };
    EXPECT_GT(v("0.10"), v("0.9"));
    EXPECT_EQ(v("5.02.0025"), v("5.2.25"));
    EXPECT_GT(v("1.0.0.1"), v("1"));
}

TEST(RemoteVersionFile, ReadsTheFirstValidVersionAssignment) {
    struct Case {
        const char* file;
        std::optional<std::string> version;
    } cases[] = {
        {"// Glyphora release information\nvar version = \"0.2.0\";\n", "0.2.0"},
        {"version='1.5'", "1.5"},
        {"\xEF\xBB\xBF"
         "const version=\"3\"\r\n",
         "3"},
        {"  let   version  =  \"4.01\"  ;  \r\n", "4.01"},
        {"var name = \"x\";\nvar version = \"2.0\";\nvar version = \"9.0\";\n", "2.0"},
        {"var version = \"beta\";\nvar version = \"1.1\";\n", "1.1"},
        {"var versions = \"2.0\";\n", std::nullopt},
        {"var version = \"2.0\"; alert(1);\n", std::nullopt},
        {"var version = \"2.0\n", std::nullopt},
        {"var version = 2.0;\n", std::nullopt},
        {"// var version = \"2.0\";\n", std::nullopt},
        {"<html>404 Not Found</html>", std::nullopt},
        {"", std::nullopt},
    };
    for (const auto& c : cases) EXPECT_EQ(ParseRemoteVersionFile(c.file), c.version) << c.file;
}

TEST(RemoteVersionFile, LargerThanTheLimitIsRefused) {
    std::string file = "var version = \"9.0\";\n";
    file.resize(kRemoteFileSizeLimit, ' ');
    EXPECT_EQ(ParseRemoteVersionFile(file), "9.0");
    file.push_back(' ');
    EXPECT_EQ(ParseRemoteVersionFile(file), std::nullopt);
}

TEST(EvaluateRemoteVersionFile, DecidesByNumericComparison) {
    struct Case {
        const char* file;
        const char* local;
        UpdateResult result;
        const char* version;
    } cases[] = {
        {"var version = \"0.10\";", "0.09", UpdateResult::NewerAvailable, "0.10"},
        {"var version = \"0.1\";", "0.01", UpdateResult::UpToDate, "0.1"},
        {"var version = \"0.0.9\";", "0.01", UpdateResult::UpToDate, "0.0.9"},
        {"var version = \"5.2.26\";", "5.02.0025", UpdateResult::NewerAvailable, "5.2.26"},
        {"nothing here", "0.01", UpdateResult::NotAccessible, ""},
        {"var version = \"1.0\";", "", UpdateResult::NotAccessible, ""},
    };
    for (const auto& c : cases) {
        const UpdateCheckOutcome outcome = EvaluateRemoteVersionFile(c.file, c.local);
        EXPECT_EQ(outcome.result, c.result) << c.file;
        EXPECT_EQ(outcome.version, c.version) << c.file;
    }
}

TEST(UpdateResultText, GivesTheThreeMessages) {
    EXPECT_EQ(UpdateResultText({UpdateResult::NotAccessible, {}}),
              "Remote resource is not accessible now. Please try later.");
    EXPECT_EQ(UpdateResultText({UpdateResult::NewerAvailable, "2.03"}),
              "Version 2.03\nis now available\nto download.");
    EXPECT_EQ(UpdateResultText({UpdateResult::Cancelled, {}}), "");
}

TEST(UpdateCheckRecord, WritesTheLastCheckIntoTheSettingsFile) {
    testing::TempFolder folder;
    const auto settings = folder / "glyphora.dat";
    SettingsUpdateCheckRecorder recorder;
    const auto when =
        std::chrono::sys_days{std::chrono::year{2025} / 1 / 31} + std::chrono::hours{12};

    recorder.RecordUpdateCheck(settings, {when, {UpdateResult::NewerAvailable, "0.2"}});
    EXPECT_EQ(ReadSettingText(settings, "ucUpdate", "LastCheck"), "2025-01-31T12:00:00Z");
    EXPECT_EQ(ReadSettingText(settings, "ucUpdate", "LastResult"), "1");
    EXPECT_EQ(ReadSettingText(settings, "ucUpdate", "LastVersion"), "0.2");

    recorder.RecordUpdateCheck(settings, {when, {UpdateResult::NotAccessible, {}}});
    EXPECT_EQ(ReadSettingText(settings, "ucUpdate", "LastResult"), "-1");
    EXPECT_EQ(ReadSettingText(settings, "ucUpdate", "LastVersion"), "");
    recorder.RecordUpdateCheck(settings, {when, {UpdateResult::Cancelled, {}}});
    EXPECT_EQ(ReadSettingText(settings, "ucUpdate", "LastResult"), "-1");
}

TEST(NameLibraryVersion, DropsAZeroLowWord) {
    EXPECT_EQ(FourPartVersionText({72, 1, 0, 0}), "72.1");
    EXPECT_EQ(FourPartVersionText({10, 0, 19041, 1}), "10.0.19041.1");
    EXPECT_EQ(FourPartVersionText({15, 0, 1, 0}), "15.0.1.0");
    const std::string line = NameLibraryVersionLine();
    EXPECT_TRUE(line.starts_with("ICU: ")) << line;
    EXPECT_NE(line.find(" (Unicode "), std::string::npos) << line;
}

}  // namespace
}  // namespace glyphora
