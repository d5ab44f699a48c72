#include "app/fixed4.h"

#include <cstdlib>

namespace glyphora {

namespace {

constexpr std::uint64_t kMaxMagnitude = static_cast<std::uint64_t>(
    std::numeric_limits<std::int64_t>::max());  // the negative side has one more, unused

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

}  // namespace

Fixed4 Fixed4::ParseLeading(std::string_view text) {
    std::size_t i = 0;
    while (i < text.size() &&
           (text[i] == ' ' || text[i] == '\t' || text[i] == '\n' || text[i] == '\r')) {
        ++i;
    }
    bool negative = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) negative = text[i++] == '-';

    bool overflow = false;
    std::uint64_t scaled = 0;  // magnitude in ten-thousandths
    bool any_digit = false;
    for (; i < text.size() && IsDigit(text[i]); ++i) {
        any_digit = true;
        const auto digit = static_cast<std::uint64_t>(text[i] - '0');
        if (overflow || __builtin_mul_overflow(scaled, 10u, &scaled) ||
            __builtin_add_overflow(scaled, digit * kScale, &scaled) || scaled > kMaxMagnitude) {
            overflow = true;
        }
    }
    int rounding_digit = -1;  // the fifth decimal, -1 when there is none
    bool sticky = false;      // a non-zero digit after the fifth decimal
    if (i < text.size() && text[i] == '.') {
        ++i;
        std::uint64_t place = kScale / 10;
        for (; i < text.size() && IsDigit(text[i]); ++i) {
            any_digit = true;
            const int digit = text[i] - '0';
            if (place > 0) {
                if (!overflow) scaled += static_cast<std::uint64_t>(digit) * place;
                place /= 10;
            } else if (rounding_digit < 0) {
                rounding_digit = digit;
            } else if (digit != 0) {
                sticky = true;
            }
        }
    }
    if (!any_digit) return Fixed4();
    if (!overflow && rounding_digit >= 0) {
        const bool up = rounding_digit > 5 || (rounding_digit == 5 && (sticky || scaled % 2 == 1));
        if (up && ++scaled > kMaxMagnitude) overflow = true;
    }
    if (overflow || scaled > kMaxMagnitude) scaled = kMaxMagnitude;
    const auto magnitude = static_cast<std::int64_t>(scaled);
    return FromScaled(negative ? -magnitude : magnitude);
}

std::int64_t Fixed4::RoundToInteger() const {
    const std::int64_t whole = scaled_ / kScale;  // toward zero
    const std::int64_t rest = scaled_ % kScale;   // same sign as scaled_
    const std::int64_t twice = 2 * std::llabs(rest);
    const bool up = twice > kScale || (twice == kScale && whole % 2 != 0);
    if (!up) return whole;
    return scaled_ < 0 ? whole - 1 : whole + 1;
}

std::int32_t Fixed4::ToInt32() const {
    const std::int64_t value = RoundToInteger();
    if (value > std::numeric_limits<std::int32_t>::max()) {
        return std::numeric_limits<std::int32_t>::max();
    }
    if (value < std::numeric_limits<std::int32_t>::min()) {
        return std::numeric_limits<std::int32_t>::min();
    }
    return static_cast<std::int32_t>(value);
}

std::string Fixed4::ToText() const {
    // Unsigned, so that the most negative value has a magnitude too.
    const std::uint64_t magnitude =
        scaled_ < 0 ? 0 - static_cast<std::uint64_t>(scaled_) : static_cast<std::uint64_t>(scaled_);
    std::string text = scaled_ < 0 ? "-" : "";
    text += std::to_string(magnitude / kScale);
    std::uint64_t fraction = magnitude % kScale;
    if (fraction != 0) {
        std::string digits = std::to_string(fraction);
        digits.insert(0, 4 - digits.size(), '0');
        while (digits.back() == '0') digits.pop_back();
        text += '.';
        text += digits;
    }
    return text;
}

}  // namespace glyphora
