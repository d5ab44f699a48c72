#include "app/version_info.h"

#include <gtest/gtest.h>

namespace glyphora {
namespace {

TEST(VersionText, LongAndShortFormsFollowTheirDigitRules) {
    struct Case {
        ProgramVersion version;
        const char *long_text, *short_text;
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
        EXPECT_EQ(LongVersionText(c.version), c.long_text);
        EXPECT_EQ(ShortVersionText(c.version), c.short_text);
    }
}

TEST(SplitComments, GivesTheSiteAndTheMailAddressAfterTheSeparator) {
    const SupportAddresses ours = SplitComments(kVersionInformation.comments);
    EXPECT_TRUE(ours.site.starts_with("https://") && !ours.site.ends_with("/")) << ours.site;
    EXPECT_TRUE(ours.mail.starts_with("mailto:")) << ours.mail;
    const SupportAddresses split = SplitComments("https://a.example, mailto:b@a.example");
    EXPECT_EQ(split.site, "https://a.example");
    EXPECT_EQ(split.mail, "mailto:b@a.example");
    EXPECT_EQ(SplitComments("https://a.example,mailto:b").site, "https://a.example,mailto:b");
    EXPECT_EQ(SplitComments("https://a.example,mailto:b").mail, "");
    EXPECT_EQ(SplitComments("x, y, z").mail, "y");
}

}  // namespace
}  // namespace glyphora
