#include "app/window_placement.h"

#include <limits>

namespace glyphora {

namespace {

int TwipsPerPixel(int reported) { return reported >= 1 ? reported : kDefaultTwipsPerPixel; }

std::string SectionFor(const PlacementWindow& window, std::string_view section) {
    return section.empty() ? window.Name() + "_State" : std::string(section);
}

// pixels × twips per pixel, rounded half to even, saturated to 32 bits.
std::int32_t ToTwips(Fixed4 pixels, int twips_per_pixel) {
    std::int64_t scaled = 0;
    if (__builtin_mul_overflow(pixels.Scaled(), static_cast<std::int64_t>(twips_per_pixel),
                               &scaled)) {
        scaled = pixels.Scaled() < 0 ? std::numeric_limits<std::int64_t>::min()
                                     : std::numeric_limits<std::int64_t>::max();
    }
    return Fixed4::FromScaled(scaled).ToInt32();
}

bool StartsWithNumber(std::string_view text) {
    std::size_t at = 0;
    if (at < text.size() && (text[at] == '-' || text[at] == '+')) ++at;
    if (at < text.size() && text[at] == '.') ++at;
    return at < text.size() && text[at] >= '0' && text[at] <= '9';
}

// A stored placement value, or the default for a text that is no number or a number beyond the
// 32 bits of the record: the window system would take such a position modulo its own width.
Fixed4 ReadPlacementNumber(const std::filesystem::path& file, const std::string& section,
                           std::string_view key, Fixed4 default_number) {
    const std::string text = ReadSettingText(file, section, key);
    if (!StartsWithNumber(text)) return default_number;
    const Fixed4 number = Fixed4::ParseLeading(text);
    if (number < Fixed4(std::numeric_limits<std::int32_t>::min()) ||
        number > Fixed4(std::numeric_limits<std::int32_t>::max()))
        return default_number;
    return number;
}

}  // namespace

void RestoreWindowPlacement(PlacementWindow& window, WindowPlacement& placement,
                            const std::filesystem::path& file, std::string_view section) {
    const std::string name = SectionFor(window, section);
    const int tx = TwipsPerPixel(window.TwipsPerPixelX());
    const int ty = TwipsPerPixel(window.TwipsPerPixelY());
    const WindowGeometry current = window.Geometry();

    placement.left = ToTwips(ReadPlacementNumber(file, name, "Left", 0), tx);
    placement.top = ToTwips(ReadPlacementNumber(file, name, "Top", 0), ty);
    placement.width = ToTwips(ReadPlacementNumber(file, name, "Width", current.width / tx), tx);
    placement.height = ToTwips(ReadPlacementNumber(file, name, "Height", current.height / ty), ty);

    const auto current_state = static_cast<std::int32_t>(window.State());
    const std::int64_t stored =
        ReadPlacementNumber(file, name, "State", current_state).RoundToInteger();
    const bool known = stored >= 0 && stored <= 2;
    placement.state = known ? static_cast<std::int32_t>(stored) : current_state;
    window.SetState(static_cast<WindowState>(placement.state));
}

SettingWrite SaveWindowPlacement(const PlacementWindow& window, WindowPlacement& placement,
                                 const std::filesystem::path& file, std::string_view section) {
    if (window.State() == WindowState::Normal) {
        const WindowGeometry current = window.Geometry();
        placement.left = current.left;
        placement.top = current.top;
        placement.width = current.width;
        placement.height = current.height;
    }
    const std::string name = SectionFor(window, section);
    const int tx = TwipsPerPixel(window.TwipsPerPixelX());
    const int ty = TwipsPerPixel(window.TwipsPerPixelY());
    const SettingWrite results[] = {
        WriteSettingNumber(file, name, "State", placement.state),
        WriteSettingNumber(file, name, "Left", placement.left / tx),
        WriteSettingNumber(file, name, "Top", placement.top / ty),
        WriteSettingNumber(file, name, "Width", placement.width / tx),
        WriteSettingNumber(file, name, "Height", placement.height / ty),
    };
    SettingWrite overall = results[0];
    for (SettingWrite result : results) {
        if (result == SettingWrite::Failed) return SettingWrite::Failed;
        if (result == SettingWrite::Written) overall = SettingWrite::Written;
    }
    return overall;
}

}  // namespace glyphora
