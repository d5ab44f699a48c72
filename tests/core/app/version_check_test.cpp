#include "app/version_check.h"

#include <gtest/gtest.h>

namespace glyphora {
namespace {

TEST(LibraryVersionText, ReadsTheLeadingNumbers) {
    struct Case {
        const char* text;
        std::optional<LibraryVersion> expected;
    } cases[] = {
        {"6.4.2", LibraryVersion{6, 4, 2}},
        {"6.5.0-rc1", LibraryVersion{6, 5, 0}},
        {"6.4", LibraryVersion{6, 4, 0}},
        {"6", LibraryVersion{6, 0, 0}},
        {"6.", LibraryVersion{6, 0, 0}},
        {"6.x.1", LibraryVersion{6, 0, 0}},
        {"", std::nullopt},
        {"v6.4.2", std::nullopt},
        {"-6.4.2", std::nullopt},
        {"99999999999.1.1", std::nullopt},
    };
    for (const auto& c : cases) EXPECT_EQ(ParseLibraryVersion(c.text), c.expected) << c.text;
}

TEST(RuntimeVersion, AnOlderOrForeignLibraryIsRefused) {
    struct Case {
        const char* runtime;
        const char* built;
        bool supported;
    } cases[] = {
        {"6.4.2", "6.4.2", true},   // the same library
        {"6.4.3", "6.4.2", true},   // a newer patch
        {"6.7.0", "6.4.2", true},   // a newer minor keeps binary compatibility
        {"6.4.1", "6.4.2", false},  // older than the build
        {"6.3.9", "6.4.2", false},
        {"7.0.0", "6.4.2", false},  // another major version is another library
        {"5.15.8", "6.4.2", false},
        {"", "6.4.2", false},  // nothing can be promised about an unreadable version
        {"6.4.2", "garbage", false},
    };
    for (const auto& c : cases)
        EXPECT_EQ(RuntimeVersionSupported(c.runtime, c.built), c.supported)
            << c.runtime << " vs " << c.built;
}

}  // namespace
}  // namespace glyphora
