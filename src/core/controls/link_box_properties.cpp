#include "controls/link_box_properties.h"

#include <charconv>
#include <cstdint>
#include <optional>

#include "base/text.h"

namespace glyphora {
namespace {

template <typename Number>
std::optional<Number> ParseNumber(std::string_view text) {
    text = TrimSpaces(text);
    Number value{};
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc() || end != text.data() + text.size()) return std::nullopt;
    return value;
}

}  // namespace

std::string BooleanText(bool value) { return value ? "True" : "False"; }

std::optional<bool> ParseBooleanText(std::string_view text) {
    text = TrimSpaces(text);
    if (EqualsNoCase(text, "True") || text == "-1" || text == "1") return true;
    if (EqualsNoCase(text, "False") || text == "0") return false;
    return std::nullopt;
}

LinkBoxProperties ReadLinkBoxProperties(const PropertyBag& bag, const LinkBoxProperties& current) {
    LinkBoxProperties read;
    const auto value = [&](std::size_t index) {
        return bag.ReadProperty(kLinkBoxPropertyKeys[index]);
    };
    const auto boolean = [&](std::size_t index, bool fallback) {
        const auto text = value(index);
        return text ? ParseBooleanText(*text).value_or(fallback) : fallback;
    };
    const auto color = [&](std::size_t index, ColorValue fallback) {
        const auto text = value(index);
        return text ? ParseNumber<ColorValue>(*text).value_or(fallback) : fallback;
    };

    // An absent alignment reads as an empty value, which is 0; so does one out of range.
    const auto alignment = value(0) ? ParseNumber<int>(*value(0)) : std::nullopt;
    read.alignment = alignment && *alignment >= 0 && *alignment <= 2 ? *alignment : 0;
    read.auto_size = boolean(1, false);
    read.back_color = color(2, current.back_color);
    read.caption = value(3).value_or(current.caption);
    read.caption_is_path = boolean(4, true);
    read.enabled = boolean(5, true);
    read.font = value(6).value_or(current.font);
    read.fore_color = color(7, current.fore_color);
    read.hot_tracking = boolean(8, true);
    read.path = value(9).value_or(current.path);
    return read;
}

void WriteLinkBoxProperties(PropertyBag& bag, const LinkBoxProperties& properties) {
    const std::string values[] = {
        std::to_string(properties.alignment),
        BooleanText(properties.auto_size),
        std::to_string(properties.back_color),
        properties.caption,
        BooleanText(properties.caption_is_path),
        BooleanText(properties.enabled),
        properties.font,
        std::to_string(properties.fore_color),
        BooleanText(properties.hot_tracking),
        properties.path,
    };
    for (std::size_t i = 0; i < kLinkBoxPropertyKeys.size(); ++i) {
        bag.WriteProperty(kLinkBoxPropertyKeys[i], values[i]);
    }
}

}  // namespace glyphora
