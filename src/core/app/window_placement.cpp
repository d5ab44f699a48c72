#include "app/window_placement.h"

#include <limits>

namespace glyphora {

namespace {

std::string SectionFor(const PlacementWindow& window, std::string_view section) {
    return section.empty() ? window.Name() + "_State" : std::string(section);
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
    const WindowGeometry current = window.Geometry();
    const auto pixels = [&](std::string_view key, std::int32_t default_pixels) {
        return ReadPlacementNumber(file, name, key, default_pixels).ToInt32();
    };
    placement.left = pixels("Left", 0);
    placement.top = pixels("Top", 0);
    placement.width = pixels("Width", current.width);
    placement.height = pixels("Height", current.height);

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
    const SettingWrite results[] = {
        WriteSettingNumber(file, name, "State", placement.state),
        WriteSettingNumber(file, name, "Left", placement.left),
        WriteSettingNumber(file, name, "Top", placement.top),
        WriteSettingNumber(file, name, "Width", placement.width),
        WriteSettingNumber(file, name, "Height", placement.height),
    };
    SettingWrite overall = results[0];
    for (SettingWrite result : results) {
        if (result == SettingWrite::Failed) return SettingWrite::Failed;
        if (result == SettingWrite::Written) overall = SettingWrite::Written;
    }
    return overall;
}

}  // namespace glyphora
