#include "app/window_placement.h"

#include <gtest/gtest.h>

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
    int tx = 15;
    int ty = 15;
    std::vector<WindowState> states_set;
};

class Placement : public ::testing::Test {
protected:
    testing::TempFolder folder_;
    std::filesystem::path file_ = folder_ / "glyphora.dat";
    FakeWindow window_;
    WindowPlacement placement_;
};

TEST_F(Placement, FifteenTwipsPerPixelStoreLeft1500AsPixel100AndRestoreIt) {
    window_.geometry = {1500, 3000, 9000, 6015};
    EXPECT_EQ(SaveWindowPlacement(window_, placement_, file_), SettingWrite::Written);
    EXPECT_EQ(ReadBytes(file_),
              "[fwMain_State]\nState=0\nLeft=100\nTop=200\nWidth=600\nHeight=401\n");

    FakeWindow restarted;
    WindowPlacement restored;
    RestoreWindowPlacement(restarted, restored, file_);
    EXPECT_EQ(restored.left, 1500);
    EXPECT_EQ(restored.top, 3000);
    EXPECT_EQ(restored.width, 9000);
    EXPECT_EQ(restored.height, 6015);
    EXPECT_EQ(restored.state, 0);
}

TEST_F(Placement, AMaximisedWindowSavesStateTwoWithTheLastNormalGeometry) {
    window_.geometry = {1500, 750, 9000, 6000};
    placement_ = {2, 1500, 750, 9000, 6000};  // as the move and resize handling left it
    window_.state = WindowState::Maximized;
    window_.geometry = {-60, -60, 19320, 11520};  // the maximised frame must not be stored
    EXPECT_EQ(SaveWindowPlacement(window_, placement_, file_), SettingWrite::Written);
    EXPECT_EQ(ReadBytes(file_),
              "[fwMain_State]\nState=2\nLeft=100\nTop=50\nWidth=600\nHeight=400\n");
    EXPECT_EQ(placement_.left, 1500);
}

TEST_F(Placement, SavingDividesWholeTwipsDroppingTheRemainder) {
    window_.tx = 12;
    window_.ty = 20;
    window_.geometry = {1511, -1519, 23, 39};
    SaveWindowPlacement(window_, placement_, file_);
    EXPECT_EQ(ReadBytes(file_), "[fwMain_State]\nState=0\nLeft=125\nTop=-75\nWidth=1\nHeight=1\n");
}

TEST_F(Placement, RestoringRoundsStoredPixelsTimesTwipsHalfToEven) {
    WriteBytes(file_, "[fwMain_State]\nLeft=100.5\nTop=100.3\nWidth=abc\nHeight=-2\n");
    RestoreWindowPlacement(window_, placement_, file_);
    EXPECT_EQ(placement_.left, 1508);  // 1507.5
    EXPECT_EQ(placement_.top, 1504);   // 1504.5
    EXPECT_EQ(placement_.width, 0);    // present but not a number
    EXPECT_EQ(placement_.height, -30);
}

TEST_F(Placement, MissingValuesDefaultToTheWindow) {
    window_.tx = 15;
    window_.ty = 12;
    window_.state = WindowState::Minimized;
    window_.geometry = {77, 88, 10007, 5005};
    RestoreWindowPlacement(window_, placement_, file_);
    EXPECT_EQ(placement_.left, 0);
    EXPECT_EQ(placement_.top, 0);
    EXPECT_EQ(placement_.width, 10005);  // 10007 \ 15 = 667 pixels
    EXPECT_EQ(placement_.height, 5004);  // 5005 \ 12 = 417 pixels
    EXPECT_EQ(placement_.state, 1);
    EXPECT_EQ(window_.states_set, std::vector<WindowState>{WindowState::Minimized});
}

TEST_F(Placement, TheStoredStateIsSetOnTheWindowWhenItIsOneOfTheThree) {
    struct Case {
        const char* stored;
        WindowState expected;
    } cases[] = {
        {"0", WindowState::Normal},
        {"1", WindowState::Minimized},
        {"2", WindowState::Maximized},
        {"7", WindowState::Maximized},  // unknown: the current state stays
        {"-1", WindowState::Maximized},
    };
    for (const auto& c : cases) {
        WriteBytes(file_, std::string("[fwMain_State]\nState=") + c.stored + "\n");
        window_.state = WindowState::Maximized;
        RestoreWindowPlacement(window_, placement_, file_);
        EXPECT_EQ(window_.state, c.expected) << c.stored;
        EXPECT_EQ(placement_.state, static_cast<int>(c.expected)) << c.stored;
    }
}

TEST_F(Placement, AGivenSectionIsUsedInsteadOfTheWindowsName) {
    window_.geometry = {150, 150, 150, 150};
    SaveWindowPlacement(window_, placement_, file_, "Other");
    EXPECT_EQ(ReadBytes(file_), "[Other]\nState=0\nLeft=10\nTop=10\nWidth=10\nHeight=10\n");
    WindowPlacement restored;
    RestoreWindowPlacement(window_, restored, file_, "OTHER");
    EXPECT_EQ(restored.left, 150);
}

TEST_F(Placement, AnUnusableTwipsPerPixelCountsAsFifteen) {
    window_.tx = 0;
    window_.ty = -3;
    window_.geometry = {1500, 1500, 1500, 1500};
    SaveWindowPlacement(window_, placement_, file_);
    EXPECT_EQ(ReadBytes(file_),
              "[fwMain_State]\nState=0\nLeft=100\nTop=100\nWidth=100\nHeight=100\n");
    RestoreWindowPlacement(window_, placement_, file_);
    EXPECT_EQ(placement_.top, 1500);
}

TEST_F(Placement, ValuesBeyond32BitsOrNotNumbersAreTheDefault) {
    struct Case {
        const char* stored;
        std::int32_t left;  // twips
    } cases[] = {
        {"2147483648", 0},
        {"-2147483649", 0},
        {"99999999999999999", 0},
        {"abc", 0},
        {"-", 0},
        {"199999999", std::numeric_limits<std::int32_t>::max()},  // in range; twips saturate
        {"-7.5", -112},
        {"12px", 180},
    };
    window_.state = WindowState::Maximized;
    window_.geometry = {0, 0, 1500, 750};
    for (const Case& c : cases) {
        WriteBytes(file_, std::string("[fwMain_State]\nState=x\nLeft=") + c.stored +
                              "\nWidth=" + c.stored + "\n");
        RestoreWindowPlacement(window_, placement_, file_);
        EXPECT_EQ(placement_.left, c.left) << c.stored;
        if (c.left == 0) {
            EXPECT_EQ(placement_.width, 1500) << c.stored;
        }
        EXPECT_EQ(placement_.state, 2) << "not a number: the current state";
    }
}

TEST_F(Placement, SavingTheSamePlacementTwiceLeavesTheFileAlone) {
    window_.geometry = {1500, 1500, 1500, 1500};
    EXPECT_EQ(SaveWindowPlacement(window_, placement_, file_), SettingWrite::Written);
    EXPECT_EQ(SaveWindowPlacement(window_, placement_, file_), SettingWrite::Unchanged);
    EXPECT_EQ(SaveWindowPlacement(window_, placement_, ""), SettingWrite::Ignored);
}

}  // namespace
}  // namespace glyphora
