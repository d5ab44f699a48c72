#include "platform/on_screen_position.h"

#include <gtest/gtest.h>

#include <limits>
#include <vector>

namespace glyphora {
namespace {

constexpr int kMax = std::numeric_limits<int>::max();
constexpr int kMin = std::numeric_limits<int>::min();

TEST(OnScreenPosition, KeepsAGrabbablePositionElseCentresOnThePrimaryScreen) {
    // The primary screen, and a second one to its right that starts lower.
    const std::vector<ScreenArea> screens = {{0, 0, 1600, 1200}, {1600, 200, 1280, 1024}};
    const FramePosition centred{300, 250};  // a 1000 x 700 window on the primary screen
    struct Case {
        FramePosition saved;
        FramePosition shown;
    } cases[] = {
        {{100, 50}, {100, 50}},     {{2000, 300}, {2000, 300}},  // on the second screen
        {{-900, 100}, {-900, 100}},  // 100 pixels of the top edge on the screen
        {{-901, 100}, centred},      // 99
        {{100, 1199}, {100, 1199}},  // the top edge on the last row
        {{100, 1200}, centred},      // below the screen
        {{100, -1}, centred},        // the title bar above the screen
        {{2000, 150}, centred},      // beside the primary, above the second screen
        {{-5000, -300}, centred},   {{99999999, 10}, centred},
        {{kMax, kMax}, centred},    {{kMin, kMin}, centred},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(OnScreenPosition(c.saved, 1000, 700, screens, 0), c.shown)
            << c.saved.left << "," << c.saved.top;
    }
}

}  // namespace
}  // namespace glyphora
