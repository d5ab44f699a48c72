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

class WindowFrame : public ::testing::Test {
protected:
    WindowFrameRules rules_;
    FakeFrame window_{rules_};
};

TEST_F(WindowFrame, OnlyResizesInTheNormalStateSnapBackToTheContent) {
    rules_.Resized(window_);
    for (WindowState state : {WindowState::Minimized, WindowState::Maximized}) {
        window_.state = state;
        rules_.Resized(window_);
        EXPECT_EQ(rules_.PreviousState(), state);
    }
    EXPECT_EQ(window_.log, (std::vector<std::string>{"fit"}));
}

TEST_F(WindowFrame, RestoringReturnsToTheRememberedPosition) {
    rules_.Resized(window_);  // normal at 500,100
    window_.state = WindowState::Minimized;
    rules_.Resized(window_);
    window_.position = {-32000, -32000};  // where some systems park a minimised window
    rules_.Moved(window_);                // not normal: the remembered position stays
    window_.state = WindowState::Normal;
    window_.log.clear();
    rules_.Resized(window_);
    EXPECT_EQ(window_.log, (std::vector<std::string>{"move 500,100", "fit"}));
    EXPECT_EQ(window_.position, (FramePosition{500, 100}));

    // A window started maximised restores to its saved position.
    window_.state = WindowState::Maximized;
    window_.position = {0, 0};
    rules_.RememberNormalPosition({250, 40});
    rules_.Resized(window_);
    window_.state = WindowState::Normal;
    rules_.Resized(window_);
    EXPECT_EQ(window_.position, (FramePosition{250, 40}));
    // A quiet move is not answered by a fit.
    window_.log.clear();
    rules_.MoveQuietly(window_, {7, 8});
    EXPECT_EQ(window_.log, (std::vector<std::string>{"move 7,8"}));
    EXPECT_EQ(rules_.NormalPosition(), (FramePosition{7, 8}));
    EXPECT_FALSE(rules_.Suspended());
}

TEST_F(WindowFrame, ExpandingGrowsOnTheLeftUnclampedAndCompactingGivesItBack) {
    EXPECT_FALSE(rules_.ModeChanged(window_, true, 1));  // nothing while the window is busy
    EXPECT_TRUE(window_.log.empty());
    EXPECT_TRUE(rules_.ModeChanged(window_, true, 0));
    EXPECT_EQ(window_.log, (std::vector<std::string>{"arrange", "move 139,100", "fit"}));
    window_.log.clear();
    EXPECT_TRUE(rules_.ModeChanged(window_, false, 0));
    EXPECT_EQ(window_.log, (std::vector<std::string>{"arrange", "move 500,100", "fit"}));
    EXPECT_EQ(rules_.NormalPosition(), (FramePosition{500, 100}));
    window_.position = {100, 0};  // near the screen edge
    rules_.ModeChanged(window_, true, 0);
    EXPECT_EQ(window_.position.left, 100 - WindowFrameRules::kModeShift);
}

}  // namespace
}  // namespace glyphora
