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
    // What shutdown writes for these settings into a fresh file.
    std::string Written(const MainSettings& settings) {
        const std::filesystem::path file = folder_ / "written.dat";
        std::filesystem::remove(file);
        WindowPlacement placement;
        WriteMainSettings(file, settings, NormalWindow{}, placement);
        return ReadBytes(file);
    }

    TempFolder folder_;
    std::filesystem::path file_ = folder_ / "glyphora.dat";
    MainSettingsLimits limits_{12, 16, Fixed4(36)};
};

constexpr const char* kPlacement =
    "[fwMain_State]\nState=0\nLeft=10\nTop=20\nWidth=400\nHeight=500\n";

TEST_F(MainSettingsFile, AMissingFileGivesEveryDefault) {
    const MainSettings s = ReadMainSettings(file_, limits_);
    EXPECT_FALSE(std::filesystem::exists(file_));  // reading never creates the file
    EXPECT_EQ(s.font, std::nullopt);
    EXPECT_FALSE(s.preview_charset);
    EXPECT_EQ(Written(s), std::string("[fwMain]\nlvRange=0\nchRange=0\nchView=0\nobFormat=0\n"
                                      "cbCharSet=7\nbHexView=1\nbHexGoto=1\nchMode=1\nchOnTop=0\n"
                                      "[fwMain_Picture]\nbbPicture0=0\nbbPicture1=16777215\n"
                                      "cbPicture=36\nchPicture0=0\nchPicture1=0\nchPicture2=0\n"
                                      "chPicture3=0\n") +
                              kPlacement);
}

TEST_F(MainSettingsFile, ChecksAreOnAboveZeroButTheGoToNotationWheneverNotZero) {
    struct Case {
        const char* stored;
        bool check, hex_goto;
    } cases[] = {{"1", true, true},   {"2", true, true},   {"0", false, false},
                 {"-1", false, true}, {"0.5", true, true}, {"abc", false, false}};
    for (const auto& c : cases) {
        const std::string v = c.stored;
        const MainSettings s =
            Read("[fwMain]\nchRange=" + v + "\nchView=" + v + "\nchMode=" + v + "\nchOnTop=" + v +
                 "\nbHexView=" + v + "\nbHexGoto=" + v + "\nchPreview=" + v +
                 "\n[fwMain_Picture]\nchPicture2=" + v + "\n");
        for (bool check : {s.show_all, s.view_pattern, s.expanded, s.on_top, s.hex_view,
                           s.preview_charset, s.picture.styles[2]})
            EXPECT_EQ(check, c.check) << v;
        EXPECT_EQ(s.hex_goto, c.hex_goto) << v;
    }
}

TEST_F(MainSettingsFile, NumbersAreClampedToWhatTheControlsHold) {
    struct Case {
        const char* line;
        long subrange;
        int format, char_set;
    } cases[] = {
        {"lvRange=-5", 0, 0, 7},    {"lvRange=1024", 1024, 0, 7}, {"obFormat=12", 0, 11, 7},
        {"obFormat=-3", 0, 0, 7},   {"obFormat=2.5", 0, 2, 7},    {"cbCharSet=15", 0, 0, 15},
        {"cbCharSet=99", 0, 0, 15}, {"cbCharSet=-1", 0, 0, 0},
    };
    for (const auto& c : cases) {
        const MainSettings s = Read(std::string("[fwMain]\n") + c.line + "\n");
        EXPECT_EQ(s.subrange_start, c.subrange) << c.line;
        EXPECT_EQ(s.copy_format, c.format) << c.line;
        EXPECT_EQ(s.char_set, c.char_set) << c.line;
    }
    MainSettings s = Read("[fwMain_Picture]\nbbPicture0=255\nbbPicture1=65280\n");
    EXPECT_EQ(s.picture.fore_colour, 255);
    EXPECT_EQ(s.picture.back_colour, 65280);
    s = Read("[fwMain_Picture]\nbbPicture0=-1\nbbPicture1=16777216\n");  // outside RGB
    EXPECT_EQ(s.picture.fore_colour, 0);
    EXPECT_EQ(s.picture.back_colour, 0xFFFFFF);
}

TEST_F(MainSettingsFile, ShutdownWritesEveryKeyInOrderAndARestartReadsThemBack) {
    MainSettings s = Read(
        "[fwMain]\nlvFont=  DejaVu Serif  \n[fwMain_Picture]\ncbPicture=24\n"
        "[cbSearch_Search]\n5=curl\n0=&amp;\n");
    EXPECT_EQ(s.font, "DejaVu Serif");
    EXPECT_EQ(s.search_history, (std::vector<std::string>{"curl", "&amp;"}));
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
    const MainSettings back = Read(text);
    EXPECT_FALSE(back.preview_charset);  // never written
    EXPECT_EQ(Written(back), text);
}

TEST_F(MainSettingsFile, WithoutAChosenFontTheStoredNameStays) {
    WriteBytes(file_, "[fwMain]\nlvFont=Old Font\n");
    WindowPlacement placement;
    WriteMainSettings(file_, MainSettings{}, NormalWindow{}, placement);
    EXPECT_EQ(ReadMainSettings(file_, limits_).font, "Old Font");
}

}  // namespace
}  // namespace glyphora
