#pragma once

#include <array>
#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "app/fixed4.h"
#include "app/window_placement.h"

namespace glyphora {

// Sections of the settings file that belong to the main window.
inline constexpr std::string_view kMainSection = "fwMain";
inline constexpr std::string_view kPictureSection = "fwMain_Picture";
inline constexpr std::string_view kPlacementSection = "fwMain_State";
inline constexpr std::string_view kSearchHistorySection = "cbSearch_Search";

inline constexpr int kPictureStyleCount = 4;  // chPicture: bold, italic, underline, strikeout
inline constexpr std::int32_t kDefaultForeColour = 0;         // black
inline constexpr std::int32_t kDefaultBackColour = 0xFFFFFF;  // white

// The character picture's settings (size box, style boxes, colours as red + 256 green + 65536
// blue).
struct PictureSettings {
    Fixed4 size;  // cbPicture: the number its text stands for
    std::array<bool, kPictureStyleCount> styles{};
    std::int32_t fore_colour = kDefaultForeColour;
    std::int32_t back_colour = kDefaultBackColour;
};

// Every value the main window keeps between runs, apart from the window placement (see
// window_placement.h). Each field is named after the control or flag it restores.
struct MainSettings {
    std::optional<std::string> font;  // lvFont: the chosen family; nullopt when none was chosen
    long subrange_start = 0;          // lvRange: CurrentSubrangeStart
    bool show_all = false;            // chRange "Show A&ll"
    bool view_pattern = false;        // chView "&View Pattern"
    int copy_format = 0;              // obFormat
    int char_set = 7;                 // cbCharSet row
    bool hex_view = true;             // bHexView: codes shown as U+hhhh
    bool hex_goto = true;             // bHexGoto: the go-to box takes hexadecimal
    bool expanded = true;             // chMode "E&xpanded Mode"
    bool on_top = false;              // chOnTop "Always on T&op"
    bool preview_charset = false;     // chPreview: read at start-up, never written
    PictureSettings picture;
    std::vector<std::string> search_history;  // cbSearch's list, newest first
};

// What the reading rules need to know about the controls.
struct MainSettingsLimits {
    int format_count = 12;        // obFormat options
    int char_set_count = 16;      // cbCharSet rows
    Fixed4 default_picture_size;  // the size cbPicture shows before anything is restored
};

// Reads every key with its default and rule: check boxes and flags are on when the stored number
// is above 0, except bHexGoto, on whenever it is not 0; lvRange below 0 reads as 0; obFormat and
// cbCharSet are clamped to their lists; a colour outside 0..0xFFFFFF reads as its default. A
// missing or unreadable file gives every default.
MainSettings ReadMainSettings(const std::filesystem::path& file, const MainSettingsLimits& limits);

// Writes the settings at shutdown, in this order: the main section (lvFont only when a font is
// chosen, then lvRange, chRange, chView, obFormat, cbCharSet, bHexView, bHexGoto, chMode, chOnTop),
// the picture section (bbPicture0, bbPicture1, cbPicture, chPicture0..3), the window placement,
// and the search history. Unchanged values are left alone (see settings_store.h); failures are
// not reported, each write goes on regardless.
void WriteMainSettings(const std::filesystem::path& file, const MainSettings& settings,
                       const PlacementWindow& window, WindowPlacement& placement);

}  // namespace glyphora
