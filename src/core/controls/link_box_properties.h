#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>

#include "base/color_value.h"
#include "base/property_bag.h"

namespace glyphora {

// The saved state of a link label: what its host's property bag holds for it. The font is kept as
// the text the window's toolkit describes a font with; the core does not read it.
struct LinkBoxProperties {
    int alignment = 0;  // 0 left, 1 right, 2 centre
    bool auto_size = false;
    ColorValue back_color = kThemeWindow;
    std::string caption;
    bool caption_is_path = true;
    bool enabled = true;
    std::string font;
    ColorValue fore_color = kThemeWindowText;
    bool hot_tracking = true;
    std::string path;
};

// The bag keys, in the order they are read and written.
inline constexpr std::array<std::string_view, 10> kLinkBoxPropertyKeys = {
    "Alignment", "AutoSize", "BackColor", "Caption",     "CaptionIsPath",
    "Enabled",   "Font",     "ForeColor", "HotTracking", "Path"};

// Reads every key. A key the bag lacks, or whose value does not read as its type, gives the
// default: 0 for Alignment, False for AutoSize, True for CaptionIsPath, Enabled and HotTracking,
// and the control's current value (from `current`) for the colours, caption, font and path.
LinkBoxProperties ReadLinkBoxProperties(const PropertyBag& bag, const LinkBoxProperties& current);

// Writes all ten keys in order, whatever their values, so every value is always stored.
void WriteLinkBoxProperties(PropertyBag& bag, const LinkBoxProperties& properties);

// Booleans as the bag stores them ("True", "False"); reading also takes "-1", "1" and "0".
std::string BooleanText(bool value);
std::optional<bool> ParseBooleanText(std::string_view text);

}  // namespace glyphora
