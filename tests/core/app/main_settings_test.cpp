// The main window's settings: every key with its default, rule and writing order, and the window
// window's placement.
#include "app/main_settings.h"

#include <gtest/gtest.h>

#include <limits>

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

    WindowState state = WindowState::Normal;
    WindowGeometry geometry{10, 20, 400, 500};
    std::vector<WindowState> states_set;
};

std::vector<std::int32_t> Fields(const WindowPlacement& p) {
    return {p.state, p.left, p.top, p.width, p.height};
}

class MainSettingsFile : public ::testing::Test {
protected:
    MainSettings Read(std::string_view text) {
        WriteBytes(file_, text);
        return ReadMainSettings(file_, limits_);
    }
    // What shutdown writes for these settings into a fresh file.
    std::string Written(const MainSettings& settings) {
        std::filesystem::remove(file_);
        WriteMainSettings(file_, settings, window_, placement_);
        return ReadBytes(file_);
    }
    std::string SavedPlacement() {
        std::filesystem::remove(file_);
        SaveWindowPlacement(window_, placement_, file_);
        return ReadBytes(file_);
    }

    testing::TempFolder folder_;
    std::filesystem::path file_ = folder_ / "glyphora.dat";
    MainSettingsLimits limits_{12, 16, Fixed4(36)};
    FakeWindow window_;
    WindowPlacement placement_;
};

constexpr const char* kPlacement =
    "[fwMain_State]\nState=0\nLeft=10\nTop=20\nWidth=400\nHeight=500\n";

TEST_F(MainSettingsFile, ChecksAreOnAboveZeroButTheGoToNotationWheneverNotZero) {
    const std::tuple<const char*, bool, bool> cases[] = {
        {"1", true, true},   {"2", true, true},   {"0", false, false},
        {"-1", false, true}, {"0.5", true, true}, {"abc", false, false},
    };
    for (const auto& [stored, check, hex_goto] : cases) {
        const std::string v = stored;
        const MainSettings s =
            Read("[fwMain]\nchRange=" + v + "\nchView=" + v + "\nchMode=" + v + "\nchOnTop=" + v +
                 "\nbHexView=" + v + "\nbHexGoto=" + v + "\nchPreview=" + v +
                 "\n[fwMain_Picture]\nchPicture2=" + v + "\n");
        for (bool on : {s.show_all, s.view_pattern, s.expanded, s.on_top, s.hex_view,
                        s.preview_charset, s.picture.styles[2]})
            EXPECT_EQ(on, check) << v;
        EXPECT_EQ(s.hex_goto, hex_goto) << v;
    }
}

TEST_F(MainSettingsFile, ShutdownWritesEveryKeyInOrderAndARestartReadsThemBack) {
    MainSettings s = Read(
        "[fwMain]\nlvFont=  DejaVu Serif  \n[fwMain_Picture]\ncbPicture=24\n"
        "[cbSearch_Search]\n5=curl\n0=&amp;\n");
    s.subrange_start = 0x400;
    s.show_all = s.view_pattern = s.on_top = s.preview_charset = true;
    s.hex_view = s.hex_goto = s.expanded = false;
    s.copy_format = 6;
    s.char_set = 3;
    s.picture.styles = {true, false, true, false};
    s.picture.fore_colour = 255;
    s.picture.back_colour = 0xC0C0C0;
    const std::string text = Written(s);
    EXPECT_EQ(text, std::string("[fwMain]\nlvFont=DejaVu Serif\nlvRange=1024\nchRange=1\nchView=1\n"
                                "obFormat=6\ncbCharSet=3\nbHexView=0\nbHexGoto=0\nchMode=0\n"
                                "chOnTop=1\n[fwMain_Picture]\nbbPicture0=255\nbbPicture1=12632256\n"
                                "cbPicture=24\nchPicture0=1\nchPicture1=0\nchPicture2=1\n"
                                "chPicture3=0\n") +
                        kPlacement + "[cbSearch_Search]\n0=curl\n1=&amp;\n");
    EXPECT_EQ(Written(Read(text)), text);
    // Without a chosen font the stored name stays.
    WriteBytes(file_, "[fwMain]\nlvFont=Old Font\n");
    WriteMainSettings(file_, MainSettings{}, window_, placement_);
    EXPECT_EQ(ReadMainSettings(file_, limits_).font, "Old Font");
}

// A colour is an RGB value; anything else (a damaged or hand-edited file) is the default.
TEST_F(MainSettingsFile, ColoursOutsideRgbReadAsTheDefault) {
    for (const auto& [stored, valid] : {std::pair{"0", true}, std::pair{"16777215", true},
                                        std::pair{"-1", false}, std::pair{"16777216", false}}) {
        const MainSettings s =
            Read(std::string("[fwMain_Picture]\nbbPicture0=") + stored + "\nbbPicture1=" + stored);
        const std::int32_t value = std::atoi(stored);
        EXPECT_EQ(s.picture.fore_colour, valid ? value : kDefaultForeColour) << stored;
        EXPECT_EQ(s.picture.back_colour, valid ? value : kDefaultBackColour) << stored;
    }
}

TEST_F(MainSettingsFile, RestoringRoundsHalfToEvenAndDefaultsToTheWindow) {
    WriteBytes(file_, "[fwMain_State]\nLeft=100.5\nTop=100.3\n");
    RestoreWindowPlacement(window_, placement_, file_);
    EXPECT_EQ(Fields(placement_), (std::vector<std::int32_t>{0, 100, 100, 400, 500}));
    // A value beyond the 32 bits of the record or no number is the default (the window would
    // take such a position modulo its own width).
    const std::pair<const char*, std::int32_t> values[] = {
        {"2147483648", 0},
        {"-2147483649", 0},
        {"99999999999999999", 0},
        {"abc", 0},
        {"-", 0},
        {"2147483647", std::numeric_limits<std::int32_t>::max()},
        {"-7.5", -8},
        {"12px", 12},
    };
    window_.state = WindowState::Maximized;
    for (const auto& [stored, left] : values) {
        WriteBytes(file_, std::string("[fwMain_State]\nState=x\nLeft=") + stored +
                              "\nWidth=" + stored + "\n");
        RestoreWindowPlacement(window_, placement_, file_);
        EXPECT_EQ(placement_.left, left) << stored;
        EXPECT_EQ(placement_.width, left == 0 ? 400 : placement_.width) << stored;
        EXPECT_EQ(placement_.state, 2) << "not a number: the current state";
    }
    std::filesystem::remove(file_);
    window_.state = WindowState::Minimized;
    window_.geometry = {77, 88, 667, 417};
    window_.states_set.clear();
    RestoreWindowPlacement(window_, placement_, file_);
    // Nothing stored: at the origin, the window's own size.
    EXPECT_EQ(Fields(placement_), (std::vector<std::int32_t>{1, 0, 0, 667, 417}));
    EXPECT_EQ(window_.states_set, std::vector<WindowState>{WindowState::Minimized});
    // The stored state is set when it is one of the three; an unknown one leaves the window's.
    const std::pair<const char*, WindowState> states[] = {
        {"0", WindowState::Normal},
        {"2", WindowState::Maximized},
        {"7", WindowState::Minimized},
    };
    for (const auto& [stored, expected] : states) {
        WriteBytes(file_, std::string("[Other]\nState=") + stored + "\n");
        window_.state = WindowState::Minimized;
        RestoreWindowPlacement(window_, placement_, file_, "OTHER");  // a section of its own
        EXPECT_EQ(window_.state, expected) << stored;
    }
}

}  // namespace
}  // namespace glyphora
