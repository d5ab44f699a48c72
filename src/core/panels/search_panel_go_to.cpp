// The code point box tbGoTo and its two notations.
#include <algorithm>

#include "panels/search_panel.h"

namespace glyphora {

namespace {

// The decimal value of the leading digits, as the box's value is read; saturates instead of
// overflowing.
std::uint64_t DecimalValue(std::u16string_view text) {
    std::uint64_t value = 0;
    for (char16_t c : text) {
        if (c < u'0' || c > u'9') break;
        if (value > (UINT64_MAX - 9) / 10) return UINT64_MAX;
        value = value * 10 + static_cast<std::uint64_t>(c - u'0');
    }
    return value;
}

std::u16string ToText(std::uint64_t value, unsigned base) {
    static constexpr char16_t kDigits[] = u"0123456789ABCDEF";
    std::u16string text;
    do {
        text.insert(text.begin(), kDigits[value % base]);
        value /= base;
    } while (value > 0);
    return text;
}

// The sum of each hexadecimal digit's value (either case) times 16 to the power of its distance
// from the right end; empty text gives 0, other characters count as 0. Wraps past 64 bits.
std::uint64_t HexToValue(std::u16string_view text) {
    std::uint64_t value = 0;
    for (char16_t c : text) {
        std::uint64_t digit = 0;
        if (c >= u'0' && c <= u'9')
            digit = static_cast<std::uint64_t>(c - u'0');
        else if (c >= u'A' && c <= u'F')
            digit = static_cast<std::uint64_t>(c - u'A' + 10);
        else if (c >= u'a' && c <= u'f')
            digit = static_cast<std::uint64_t>(c - u'a' + 10);
        value = value * 16 + digit;
    }
    return value;
}

}  // namespace

std::uint64_t SearchPanel::GoToValue() const {
    return go_to_hex_ ? HexToValue(go_to_.text) : DecimalValue(go_to_.text);
}

void SearchPanel::RestoreGoToNotation(bool hex) {
    go_to_hex_ = !hex;
    SwitchGoToNotation();
}

void SearchPanel::SwitchGoToNotation() {
    go_to_hex_ = !go_to_hex_;
    if (go_to_hex_) {
        const std::uint64_t value = DecimalValue(go_to_.text);
        if (value > 0) SetGoToText(ToText(value, 16));
    } else {
        SetGoToText(ToText(HexToValue(go_to_.text), 10));
    }
}

void SearchPanel::GoToTextChanged(std::u16string text, std::size_t caret) {
    // The box itself refuses what goes beyond its length, typed or pasted.
    if (text.size() > GoToMaxLength()) text.resize(GoToMaxLength());
    caret = std::min(caret, text.size());
    if (text == go_to_.text) {
        go_to_.caret = caret;
        return;
    }
    go_to_ = {std::move(text), caret};
    GoToChanged();
}

void SearchPanel::SetGoToText(std::u16string text) {
    if (text == go_to_.text) return;
    go_to_.caret = text.size();
    go_to_.text = std::move(text);
    GoToChanged();
}

void SearchPanel::GoToChanged() {
    if (filter_.FilterAllowedChars(go_to_, GoToAllowedChars(), [this] { GoToChanged(); })) return;
    if (!go_to_hex_ && DecimalValue(go_to_.text) > static_cast<std::uint64_t>(kLargestCodePoint)) {
        // The digit that made the value too large goes at once.
        std::u16string shorter = go_to_.text.substr(0, go_to_.text.size() - 1);
        SetGoToText(std::move(shorter));
        return;
    }
    if (go_to_.text.empty()) return;
    SetSearchText({});
    SetSymbolText({});
    if (go_to_.text.size() == GoToMaxLength()) GoToEnter();
}

bool SearchPanel::GoToKeyDown(BoxKey key) {
    if (!key.enter) return false;
    GoToEnter();
    return true;
}

void SearchPanel::GoToEnter() {
    if (go_to_.text.empty()) return;
    const std::uint64_t value = GoToValue();
    // The box holds at most four hexadecimal or five decimal digits; anything larger is not a
    // code point of the plane and goes to the last listed one, as GoToCodePoint does.
    const long cp = value > static_cast<std::uint64_t>(kLargestCodePoint)
                        ? kLargestCodePoint + 1
                        : static_cast<long>(value);
    window_.GoToCodePoint(cp);
}

void SearchPanel::GoToFocusLost() {
    if (go_to_menu_open_) return;
    if (GoToValue() != static_cast<std::uint64_t>(window_.CurrentCodePoint())) SetGoToText({});
}

}  // namespace glyphora
