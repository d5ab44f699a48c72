#include "platform/window_frame.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace glyphora {
namespace {

// A window that records what the rules ask of it. A move reports itself back through Moved, as
// a window system does.
class FakeFrame : public FrameWindow {
public:
    explicit FakeFrame(WindowFrameRules& rules) : rules_(rules) {}

    WindowState State() const override { return state; }
    FramePosition Position() const override { return position; }
    void MoveTo(FramePosition to) override {
        log.push_back("move " + std::to_string(to.left) + "," + std::to_string(to.top));
        position = to;
        rules_.Moved(*this);
        // A window system answers a move with a resize notice: it must not undo the move.
        rules_.Resized(*this);
    }
    void Arrange() override { log.push_back("arrange"); }
    void FitToContent() override { log.push_back("fit"); }

    WindowState state = WindowState::Normal;
    FramePosition position{500, 100};
    std::vector<std::string> log;

private:
    WindowFrameRules& rules_;
};

TEST(WindowFrame, ContentLargerThanTheScreenGetsTheScreenAndScrollBars) {
    struct Case {
        FrameSize content, room, expected;
    };
    const Case cases[] = {
        {{796, 731}, {1600, 1200}, {796, 731}},  // fits: the content's own size
        {{796, 731}, {800, 600}, {800, 600}},    // too tall: with its bar too wide as well
        {{700, 731}, {800, 600}, {715, 600}},    // too tall, and room for the bar
        {{900, 500}, {800, 600}, {800, 515}},    // too wide: a horizontal bar below
        {{900, 590}, {800, 600}, {800, 600}},    // too wide, and then too tall for the bar
        {{796, 731}, {0, 0}, {796, 731}},        // no screen known
    };
    for (const Case& c : cases) {
        const FrameSize size = FitContentToRoom(c.content, c.room, 15);
        EXPECT_EQ(size, c.expected) << c.content.width << "x" << c.content.height << " in "
                                    << c.room.width << "x" << c.room.height;
    }
}

TEST(WindowFrame, EveryResizeInTheNormalStateSnapsBackToTheContent) {
    WindowFrameRules rules;
    FakeFrame window(rules);
    rules.Resized(window);
    rules.Resized(window);
    EXPECT_EQ(window.log, (std::vector<std::string>{"fit", "fit"}));
}

TEST(WindowFrame, MinimisedOrMaximisedTheWindowIsNotFitted) {
    WindowFrameRules rules;
    FakeFrame window(rules);
    for (WindowState state : {WindowState::Minimized, WindowState::Maximized}) {
        window.state = state;
        window.log.clear();
        rules.Resized(window);
        EXPECT_TRUE(window.log.empty());
        EXPECT_EQ(rules.PreviousState(), state);
    }
}

TEST(WindowFrame, RestoringAfterMinimisingReturnsToTheRememberedPosition) {
    WindowFrameRules rules;
    FakeFrame window(rules);
    rules.Resized(window);  // normal at 500,100
    window.state = WindowState::Minimized;
    rules.Resized(window);
    window.position = {-32000, -32000};  // where some systems park a minimised window
    rules.Moved(window);                 // not normal: the remembered position stays
    window.state = WindowState::Normal;
    window.log.clear();
    rules.Resized(window);
    EXPECT_EQ(window.log, (std::vector<std::string>{"move 500,100", "fit"}));
    EXPECT_EQ(window.position, (FramePosition{500, 100}));
}

TEST(WindowFrame, AWindowStartedMaximisedRestoresToItsSavedPosition) {
    WindowFrameRules rules;
    FakeFrame window(rules);
    window.state = WindowState::Maximized;
    window.position = {0, 0};
    rules.RememberNormalPosition({250, 40});
    rules.Resized(window);
    window.state = WindowState::Normal;
    rules.Resized(window);
    EXPECT_EQ(window.position, (FramePosition{250, 40}));
}

TEST(WindowFrame, MovesInTheNormalStateUpdateTheRememberedPosition) {
    WindowFrameRules rules;
    FakeFrame window(rules);
    window.position = {40, 60};
    rules.Moved(window);
    EXPECT_EQ(rules.NormalPosition(), (FramePosition{40, 60}));
    window.state = WindowState::Maximized;
    window.position = {0, 0};
    rules.Moved(window);
    EXPECT_EQ(rules.NormalPosition(), (FramePosition{40, 60}));
}

TEST(WindowFrame, ExpandingGrowsOnTheLeftAndCompactingGivesItBack) {
    WindowFrameRules rules;
    FakeFrame window(rules);
    EXPECT_TRUE(rules.ModeChanged(window, true, 0));
    EXPECT_EQ(window.log, (std::vector<std::string>{"arrange", "move 139,100", "fit"}));
    window.log.clear();
    EXPECT_TRUE(rules.ModeChanged(window, false, 0));
    EXPECT_EQ(window.log, (std::vector<std::string>{"arrange", "move 500,100", "fit"}));
    EXPECT_EQ(rules.NormalPosition(), (FramePosition{500, 100}));
}

TEST(WindowFrame, ExpandingNearTheScreenEdgeIsNotClamped) {
    WindowFrameRules rules;
    FakeFrame window(rules);
    window.position = {100, 0};
    rules.ModeChanged(window, true, 0);
    EXPECT_EQ(window.position.left, 100 - WindowFrameRules::kModeShift);
}

TEST(WindowFrame, TheModeSwitchDoesNothingWhileTheWindowIsBusy) {
    WindowFrameRules rules;
    FakeFrame window(rules);
    EXPECT_FALSE(rules.ModeChanged(window, true, 1));
    EXPECT_TRUE(window.log.empty());
    EXPECT_EQ(window.position, (FramePosition{500, 100}));
}

TEST(WindowFrame, AQuietMoveIsNotAnsweredByAFit) {
    WindowFrameRules rules;
    FakeFrame window(rules);
    rules.MoveQuietly(window, {7, 8});
    EXPECT_EQ(window.log, (std::vector<std::string>{"move 7,8"}));
    EXPECT_EQ(rules.NormalPosition(), (FramePosition{7, 8}));
    EXPECT_FALSE(rules.Suspended());
}

}  // namespace
}  // namespace glyphora
