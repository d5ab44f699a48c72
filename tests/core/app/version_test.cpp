#include <gtest/gtest.h>

#include "app/version_check.h"
#include "app/version_info.h"

namespace glyphora {
namespace {

TEST(LibraryVersionText, ReadsTheLeadingNumbers) {
    struct Case {
        const char* text;
        std::optional<LibraryVersion> expected;
    } cases[] = {
        {"6.4.2", LibraryVersion{6, 4, 2}}, {"6.5.0-rc1", LibraryVersion{6, 5, 0}},
        {"6.4", LibraryVersion{6, 4, 0}},   {"6.", LibraryVersion{6, 0, 0}},
        {"6.x.1", LibraryVersion{6, 0, 0}}, {"", std::nullopt},
        {"v6.4.2", std::nullopt},           {"99999999999.1.1", std::nullopt},
    };
    for (const auto& c : cases) EXPECT_EQ(ParseLibraryVersion(c.text), c.expected) << c.text;
}

TEST(RuntimeVersion, AnOlderOrForeignLibraryIsRefused) {
    struct Case {
        const char* runtime;
        const char* built;
        bool supported;
    } cases[] = {
        // A newer patch or minor keeps binary compatibility; another major version is another
        // library; nothing can be promised about an unreadable version.
        {"6.4.2", "6.4.2", true},   {"6.4.3", "6.4.2", true},  {"6.7.0", "6.4.2", true},
        {"6.4.1", "6.4.2", false},  {"6.3.9", "6.4.2", false}, {"7.0.0", "6.4.2", false},
        {"5.15.8", "6.4.2", false}, {"", "6.4.2", false},      {"6.4.2", "garbage", false},
    };
    for (const auto& c : cases)
        EXPECT_EQ(RuntimeVersionSupported(c.runtime, c.built), c.supported)
            << c.runtime << " vs " << c.built;
}

TEST(VersionText, LongAndShortFormsFollowTheirDigitRules) {
    const std::tuple<ProgramVersion, const char*, const char*> cases[] = {
        {{5, 2, 25}, "5.02.0025", "5.2.25"}, {{5, 2, 0}, "5.02", "5.2"},
        {{1, 0, 0}, "1.00", "1.00"},         {{1, 0, 3}, "1.00.0003", "1.00.3"},
        {{0, 1, 0}, "0.01", "0.1"},          {{3, 45, 12345}, "3.45.12345", "3.45.12345"},
    };
    for (const auto& [version, long_text, short_text] : cases) {
        EXPECT_EQ(LongVersionText(version), long_text);
        EXPECT_EQ(ShortVersionText(version), short_text);
    }
}

TEST(SplitComments, GivesTheSiteAndTheMailAddressAfterTheSeparator) {
    const SupportAddresses ours = SplitComments(kVersionInformation.comments);
    EXPECT_TRUE(ours.site.starts_with("https://") && !ours.site.ends_with("/")) << ours.site;
    EXPECT_TRUE(ours.mail.starts_with("mailto:")) << ours.mail;
    EXPECT_EQ(SplitComments("https://a.example, mailto:b").mail, "mailto:b");
    EXPECT_EQ(SplitComments("https://a.example,mailto:b").site, "https://a.example,mailto:b");
    EXPECT_EQ(SplitComments("https://a.example,mailto:b").mail, "");
    EXPECT_EQ(SplitComments("x, y, z").mail, "y");
}

}  // namespace
}  // namespace glyphora
