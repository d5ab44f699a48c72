#include "app/main_settings.h"

#include <algorithm>

#include "app/settings_store.h"

namespace glyphora {

namespace {

constexpr std::string_view kPictureSizeKey = "cbPicture";
constexpr std::string_view kColourKeys[] = {"bbPicture0", "bbPicture1"};
constexpr std::string_view kStyleKeys[kPictureStyleCount] = {"chPicture0", "chPicture1",
                                                             "chPicture2", "chPicture3"};

bool ReadCheck(const std::filesystem::path& file, std::string_view section, std::string_view key,
               int default_value) {
    return ReadSettingNumber(file, section, key, default_value) > Fixed4(0);
}

int ReadClamped(const std::filesystem::path& file, std::string_view key, int default_value,
                int count) {
    const int value = ReadSettingNumber(file, kMainSection, key, default_value).ToInt32();
    return std::clamp(value, 0, std::max(count - 1, 0));
}

std::int32_t ReadColour(const std::filesystem::path& file, std::string_view key,
                        std::int32_t default_value) {
    const std::int32_t value =
        ReadSettingNumber(file, kPictureSection, key, default_value).ToInt32();
    return value >= 0 && value <= 0xFFFFFF ? value : default_value;
}

}  // namespace

MainSettings ReadMainSettings(const std::filesystem::path& file, const MainSettingsLimits& limits) {
    MainSettings s;
    const std::string font = ReadSettingText(file, kMainSection, "lvFont");
    if (!font.empty()) s.font = font;
    s.subrange_start = std::max(0, ReadSettingNumber(file, kMainSection, "lvRange", 0).ToInt32());
    s.show_all = ReadCheck(file, kMainSection, "chRange", 0);
    s.view_pattern = ReadCheck(file, kMainSection, "chView", 0);
    s.copy_format = ReadClamped(file, "obFormat", 0, limits.format_count);
    s.char_set = ReadClamped(file, "cbCharSet", 7, limits.char_set_count);
    s.hex_view = ReadCheck(file, kMainSection, "bHexView", 1);
    s.hex_goto = ReadSettingNumber(file, kMainSection, "bHexGoto", 1) != Fixed4(0);
    s.expanded = ReadCheck(file, kMainSection, "chMode", 1);
    s.on_top = ReadCheck(file, kMainSection, "chOnTop", 0);
    s.preview_charset = ReadCheck(file, kMainSection, "chPreview", 0);

    s.picture.size =
        ReadSettingNumber(file, kPictureSection, kPictureSizeKey, limits.default_picture_size);
    for (int i = 0; i < kPictureStyleCount; ++i)
        s.picture.styles[i] = ReadCheck(file, kPictureSection, kStyleKeys[i], 0);
    s.picture.fore_colour = ReadColour(file, kColourKeys[0], kDefaultForeColour);
    s.picture.back_colour = ReadColour(file, kColourKeys[1], kDefaultBackColour);

    s.search_history = ReadSettingList(file, kSearchHistorySection);
    return s;
}

void WriteMainSettings(const std::filesystem::path& file, const MainSettings& s,
                       const PlacementWindow& window, WindowPlacement& placement) {
    const auto flag = [](bool on) { return Fixed4(on ? 1 : 0); };
    if (s.font) WriteSettingText(file, kMainSection, "lvFont", *s.font);
    WriteSettingNumber(file, kMainSection, "lvRange", Fixed4(s.subrange_start));
    WriteSettingNumber(file, kMainSection, "chRange", flag(s.show_all));
    WriteSettingNumber(file, kMainSection, "chView", flag(s.view_pattern));
    WriteSettingNumber(file, kMainSection, "obFormat", s.copy_format);
    WriteSettingNumber(file, kMainSection, "cbCharSet", s.char_set);
    WriteSettingNumber(file, kMainSection, "bHexView", flag(s.hex_view));
    WriteSettingNumber(file, kMainSection, "bHexGoto", flag(s.hex_goto));
    WriteSettingNumber(file, kMainSection, "chMode", flag(s.expanded));
    WriteSettingNumber(file, kMainSection, "chOnTop", flag(s.on_top));

    WriteSettingNumber(file, kPictureSection, kColourKeys[0], s.picture.fore_colour);
    WriteSettingNumber(file, kPictureSection, kColourKeys[1], s.picture.back_colour);
    WriteSettingNumber(file, kPictureSection, kPictureSizeKey, s.picture.size);
    for (int i = 0; i < kPictureStyleCount; ++i)
        WriteSettingNumber(file, kPictureSection, kStyleKeys[i], flag(s.picture.styles[i]));

    SaveWindowPlacement(window, placement, file, kPlacementSection);
    WriteSettingList(file, kSearchHistorySection, s.search_history);
}

}  // namespace glyphora
