#include "app/version_info.h"

#include <gtest/gtest.h>

namespace glyphora {
namespace {

TEST(VersionText, LongAndShortFormsFollowTheirDigitRules) {
    struct Case {
        ProgramVersion version;
        const char* long_text;
        const char* short_text;
    } cases[] = {
        {{5, 2, 25}, "5.02.0025", "5.2.25"},
        {{5, 2, 0}, "5.02", "5.2"},
        {{1, 0, 0}, "1.00", "1.00"},
        {{1, 0, 3}, "1.00.0003", "1.00.3"},
        {{0, 1, 0}, "0.01", "0.1"},
        {{2, 10, 1}, "2.10.0001", "2.10.1"},
        {{3, 45, 12345}, "3.45.12345", "3.45.12345"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(LongVersionText(c.version), c.long_text) << c.long_text;
        EXPECT_EQ(ShortVersionText(c.version), c.short_text) << c.short_text;
    }
}

TEST(VersionText, BuildVersionComesFromTheProject) {
    EXPECT_EQ(ShortVersionText(kProgramVersion),
              std::to_string(GLYPHORA_VERSION_MAJOR) + "." +
                  (GLYPHORA_VERSION_MINOR == 0 ? std::string("00")
                                               : std::to_string(GLYPHORA_VERSION_MINOR)) +
                  (GLYPHORA_VERSION_PATCH >= 1 ? "." + std::to_string(GLYPHORA_VERSION_PATCH)
                                               : std::string()));
}

TEST(SplitComments, GivesTheSiteAndTheMailAddress) {
    const SupportAddresses ours = SplitComments(kVersionInformation.comments);
    EXPECT_TRUE(ours.site.starts_with("https://")) << ours.site;
    EXPECT_FALSE(ours.site.ends_with("/")) << ours.site;
    EXPECT_TRUE(ours.mail.starts_with("mailto:")) << ours.mail;

    const SupportAddresses split = SplitComments("https://a.example, mailto:b@a.example");
    EXPECT_EQ(split.site, "https://a.example");
    EXPECT_EQ(split.mail, "mailto:b@a.example");
}

TEST(SplitComments, WithoutSeparatorLeavesTheMailEmpty) {
    const SupportAddresses split = SplitComments("https://a.example,mailto:b@a.example");
    EXPECT_EQ(split.site, "https://a.example,mailto:b@a.example");
    EXPECT_EQ(split.mail, "");
    EXPECT_EQ(SplitComments("").mail, "");
    EXPECT_EQ(SplitComments("x, y, z").mail, "y");
}

}  // namespace
}  // namespace glyphora
