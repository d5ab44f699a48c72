#include "app/main_settings.h"

#include <gtest/gtest.h>

#include "temp_folder.h"

namespace glyphora {
namespace {

using testing::ReadBytes;
using testing::TempFolder;
using testing::WriteBytes;

class NormalWindow : public PlacementWindow {
public:
    std::string Name() const override { return "fwMain"; }
    WindowState State() const override { return WindowState::Normal; }
    void SetState(WindowState) override {}
    WindowGeometry Geometry() const override { return {150, 300, 6000, 7500}; }
    int TwipsPerPixelX() const override { return 15; }
    int TwipsPerPixelY() const override { return 15; }
};

class MainSettingsFile : public ::testing::Test {
protected:
    MainSettings Read(std::string_view text) {
        WriteBytes(file_, text);
        return ReadMainSettings(file_, limits_);
    }

    TempFolder folder_;
    std::filesystem::path file_ = folder_ / "glyphora.dat";
    MainSettingsLimits limits_{12, 16, Fixed4(36)};
};

TEST_F(MainSettingsFile, AMissingFileGivesEveryDefault) {
    const MainSettings s = ReadMainSettings(file_, limits_);
    EXPECT_EQ(s.font, std::nullopt);
    EXPECT_EQ(s.subrange_start, 0);
    EXPECT_FALSE(s.show_all);
    EXPECT_FALSE(s.view_pattern);
    EXPECT_EQ(s.copy_format, 0);
    EXPECT_EQ(s.char_set, 7);
    EXPECT_TRUE(s.hex_view);
    EXPECT_TRUE(s.hex_goto);
    EXPECT_TRUE(s.expanded);
    EXPECT_FALSE(s.on_top);
    EXPECT_FALSE(s.preview_charset);
    EXPECT_EQ(s.picture.size, Fixed4(36));
    EXPECT_EQ(s.picture.styles, (std::array<bool, 4>{}));
    EXPECT_EQ(s.picture.fore_colour, 0);
    EXPECT_EQ(s.picture.back_colour, 0xFFFFFF);
    EXPECT_TRUE(s.search_history.empty());
    EXPECT_FALSE(std::filesystem::exists(file_));  // reading never creates the file
}

TEST_F(MainSettingsFile, ChecksAreOnAboveZeroButTheGoToNotationWheneverNotZero) {
    struct Case {
        const char* stored;
        bool check;
        bool hex_goto;
    } cases[] = {{"1", true, true},   {"2", true, true},   {"0", false, false},
                 {"-1", false, true}, {"0.5", true, true}, {"abc", false, false}};
    for (const auto& c : cases) {
        const std::string v = c.stored;
        const MainSettings s =
            Read("[fwMain]\nchRange=" + v + "\nchView=" + v + "\nchMode=" + v + "\nchOnTop=" + v +
                 "\nbHexView=" + v + "\nbHexGoto=" + v + "\nchPreview=" + v +
                 "\n[fwMain_Picture]\nchPicture2=" + v + "\n");
        EXPECT_EQ(s.show_all, c.check) << v;
        EXPECT_EQ(s.view_pattern, c.check) << v;
        EXPECT_EQ(s.expanded, c.check) << v;
        EXPECT_EQ(s.on_top, c.check) << v;
        EXPECT_EQ(s.hex_view, c.check) << v;
        EXPECT_EQ(s.preview_charset, c.check) << v;
        EXPECT_EQ(s.picture.styles[2], c.check) << v;
        EXPECT_EQ(s.hex_goto, c.hex_goto) << v;
    }
}

TEST_F(MainSettingsFile, NumbersAreClampedToWhatTheControlsHold) {
    struct Case {
        const char* line;
        long subrange;
        int format;
        int char_set;
    } cases[] = {
        {"lvRange=-5", 0, 0, 7},  // a negative subrange start reads as 0
        {"lvRange=1024", 1024, 0, 7},
        {"obFormat=11", 0, 11, 7},
        {"obFormat=12", 0, 11, 7},  // past the last option
        {"obFormat=-3", 0, 0, 7},
        {"obFormat=2.5", 0, 2, 7},  // whole numbers round half to even
        {"cbCharSet=15", 0, 0, 15},
        {"cbCharSet=99", 0, 0, 15},
        {"cbCharSet=-1", 0, 0, 0},
    };
    for (const auto& c : cases) {
        const MainSettings s = Read(std::string("[fwMain]\n") + c.line + "\n");
        EXPECT_EQ(s.subrange_start, c.subrange) << c.line;
        EXPECT_EQ(s.copy_format, c.format) << c.line;
        EXPECT_EQ(s.char_set, c.char_set) << c.line;
    }
}

TEST_F(MainSettingsFile, ColoursOutsideTheRgbRangeReadAsTheirDefaults) {
    MainSettings s = Read("[fwMain_Picture]\nbbPicture0=255\nbbPicture1=65280\n");
    EXPECT_EQ(s.picture.fore_colour, 255);
    EXPECT_EQ(s.picture.back_colour, 65280);
    s = Read("[fwMain_Picture]\nbbPicture0=-1\nbbPicture1=16777216\n");
    EXPECT_EQ(s.picture.fore_colour, 0);
    EXPECT_EQ(s.picture.back_colour, 0xFFFFFF);
}

TEST_F(MainSettingsFile, TextsAndListsComeBackAsStored) {
    const MainSettings s = Read(
        "[fwMain]\nlvFont=  DejaVu Sans  \n[fwMain_Picture]\ncbPicture=48\n"
        "[cbSearch_Search]\n5=curl\n0=alpha beta\n");
    EXPECT_EQ(s.font, "DejaVu Sans");
    EXPECT_EQ(s.picture.size, Fixed4(48));
    EXPECT_EQ(s.search_history, (std::vector<std::string>{"curl", "alpha beta"}));
}

TEST_F(MainSettingsFile, ShutdownWritesEveryKeyInOrderAndARestartReadsThemBack) {
    MainSettings s;
    s.font = "DejaVu Serif";
    s.subrange_start = 0x400;
    s.show_all = true;
    s.view_pattern = true;
    s.copy_format = 6;
    s.char_set = 3;
    s.hex_view = false;
    s.hex_goto = false;
    s.expanded = false;
    s.on_top = true;
    s.preview_charset = true;  // never written
    s.picture.size = Fixed4(24);
    s.picture.styles = {true, false, true, false};
    s.picture.fore_colour = 255;
    s.picture.back_colour = 0xC0C0C0;
    s.search_history = {"curl", "&amp;"};

    NormalWindow window;
    WindowPlacement placement;
    WriteMainSettings(file_, s, window, placement);
    EXPECT_EQ(ReadBytes(file_),
              "[fwMain]\nlvFont=DejaVu Serif\nlvRange=1024\nchRange=1\nchView=1\nobFormat=6\n"
              "cbCharSet=3\nbHexView=0\nbHexGoto=0\nchMode=0\nchOnTop=1\n"
              "[fwMain_Picture]\nbbPicture0=255\nbbPicture1=12632256\ncbPicture=24\n"
              "chPicture0=1\nchPicture1=0\nchPicture2=1\nchPicture3=0\n"
              "[fwMain_State]\nState=0\nLeft=10\nTop=20\nWidth=400\nHeight=500\n"
              "[cbSearch_Search]\n0=curl\n1=&amp;\n");

    MainSettings back = ReadMainSettings(file_, limits_);
    EXPECT_FALSE(back.preview_charset);
    back.preview_charset = true;
    EXPECT_EQ(back.font, s.font);
    EXPECT_EQ(back.subrange_start, s.subrange_start);
    EXPECT_EQ(back.show_all, s.show_all);
    EXPECT_EQ(back.view_pattern, s.view_pattern);
    EXPECT_EQ(back.copy_format, s.copy_format);
    EXPECT_EQ(back.char_set, s.char_set);
    EXPECT_EQ(back.hex_view, s.hex_view);
    EXPECT_EQ(back.hex_goto, s.hex_goto);
    EXPECT_EQ(back.expanded, s.expanded);
    EXPECT_EQ(back.on_top, s.on_top);
    EXPECT_EQ(back.picture.size, s.picture.size);
    EXPECT_EQ(back.picture.styles, s.picture.styles);
    EXPECT_EQ(back.picture.fore_colour, s.picture.fore_colour);
    EXPECT_EQ(back.picture.back_colour, s.picture.back_colour);
    EXPECT_EQ(back.search_history, s.search_history);
}

TEST_F(MainSettingsFile, WithoutAChosenFontTheStoredNameStays) {
    WriteBytes(file_, "[fwMain]\nlvFont=Old Font\n");
    MainSettings s;
    NormalWindow window;
    WindowPlacement placement;
    WriteMainSettings(file_, s, window, placement);
    EXPECT_EQ(ReadMainSettings(file_, limits_).font, "Old Font");
}

}  // namespace
}  // namespace glyphora
