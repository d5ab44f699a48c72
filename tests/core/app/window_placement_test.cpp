#include "app/window_placement.h"

#include <gtest/gtest.h>

#include <limits>
#include <vector>

#include "temp_folder.h"

namespace glyphora {
namespace {

using testing::ReadBytes;
using testing::WriteBytes;

class FakeWindow : public PlacementWindow {
public:
    std::string Name() const override { return "fwMain"; }
    WindowState State() const override { return state; }
    void SetState(WindowState new_state) override {
        state = new_state;
        states_set.push_back(new_state);
    }
    WindowGeometry Geometry() const override { return geometry; }
    int TwipsPerPixelX() const override { return tx; }
    int TwipsPerPixelY() const override { return ty; }

    WindowState state = WindowState::Normal;
    WindowGeometry geometry;
    int tx = 15, ty = 15;
    std::vector<WindowState> states_set;
};

std::vector<std::int32_t> Fields(const WindowPlacement& p) {
    return {p.state, p.left, p.top, p.width, p.height};
}

class Placement : public ::testing::Test {
protected:
    std::string Saved() {
        std::filesystem::remove(file_);
        SaveWindowPlacement(window_, placement_, file_);
        return ReadBytes(file_);
    }

    testing::TempFolder folder_;
    std::filesystem::path file_ = folder_ / "glyphora.dat";
    FakeWindow window_;
    WindowPlacement placement_;
};

TEST_F(Placement, SavesWholePixelsAndRestoresTwips) {
    window_.geometry = {1500, 3000, 9000, 6015};
    EXPECT_EQ(Saved(), "[fwMain_State]\nState=0\nLeft=100\nTop=200\nWidth=600\nHeight=401\n");
    EXPECT_EQ(SaveWindowPlacement(window_, placement_, file_), SettingWrite::Unchanged);
    EXPECT_EQ(SaveWindowPlacement(window_, placement_, ""), SettingWrite::Ignored);
    FakeWindow restarted;
    WindowPlacement restored;
    RestoreWindowPlacement(restarted, restored, file_);
    EXPECT_EQ(Fields(restored), (std::vector<std::int32_t>{0, 1500, 3000, 9000, 6015}));

    window_.tx = 12;
    window_.ty = 20;
    window_.geometry = {1511, -1519, 23, 39};  // the remainder is dropped
    EXPECT_EQ(Saved(), "[fwMain_State]\nState=0\nLeft=125\nTop=-75\nWidth=1\nHeight=1\n");
    window_.tx = 0;  // an unusable number of twips counts as fifteen
    window_.ty = -3;
    window_.geometry = {1500, 1500, 1500, 1500};
    EXPECT_EQ(Saved(), "[fwMain_State]\nState=0\nLeft=100\nTop=100\nWidth=100\nHeight=100\n");
}

TEST_F(Placement, AMaximisedWindowSavesStateTwoWithTheLastNormalGeometry) {
    placement_ = {2, 1500, 750, 9000, 6000};  // as the move and resize handling left it
    window_.state = WindowState::Maximized;
    window_.geometry = {-60, -60, 19320, 11520};  // the maximised frame must not be stored
    EXPECT_EQ(Saved(), "[fwMain_State]\nState=2\nLeft=100\nTop=50\nWidth=600\nHeight=400\n");
}

TEST_F(Placement, RestoringRoundsHalfToEvenSaturatesAndDefaultsToTheWindow) {
    WriteBytes(file_,
               "[fwMain_State]\nLeft=100.5\nTop=100.3\nWidth=abc\nHeight=99999999999999999\n");
    RestoreWindowPlacement(window_, placement_, file_);
    EXPECT_EQ(placement_.left, 1508);  // 1507.5
    EXPECT_EQ(placement_.top, 1504);   // 1504.5
    EXPECT_EQ(placement_.width, 0);    // present but not a number
    EXPECT_EQ(placement_.height, std::numeric_limits<std::int32_t>::max());

    std::filesystem::remove(file_);
    window_.states_set.clear();
    window_.ty = 12;
    window_.state = WindowState::Minimized;
    window_.geometry = {77, 88, 10007, 5005};
    RestoreWindowPlacement(window_, placement_, file_);
    // Whole pixels of the window.
    EXPECT_EQ(Fields(placement_), (std::vector<std::int32_t>{1, 0, 0, 10005, 5004}));
    EXPECT_EQ(window_.states_set, std::vector<WindowState>{WindowState::Minimized});
}

TEST_F(Placement, TheStoredStateIsSetOnTheWindowWhenItIsOneOfTheThree) {
    const std::pair<const char*, WindowState> cases[] = {
        {"0", WindowState::Normal},     {"1", WindowState::Minimized},
        {"2", WindowState::Maximized},  {"7", WindowState::Maximized},  // unknown: stays
        {"-1", WindowState::Maximized},
    };
    for (const auto& [stored, expected] : cases) {
        WriteBytes(file_, std::string("[Other]\nState=") + stored + "\n");
        window_.state = WindowState::Maximized;
        RestoreWindowPlacement(window_, placement_, file_, "OTHER");  // a section of its own
        EXPECT_EQ(window_.state, expected) << stored;
        EXPECT_EQ(placement_.state, static_cast<int>(expected)) << stored;
    }
}

}  // namespace
}  // namespace glyphora
