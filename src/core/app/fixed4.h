#pragma once

#include <compare>
#include <concepts>
#include <cstdint>
#include <limits>
#include <string>
#include <string_view>

namespace glyphora {

// A number as the settings file keeps it: a fixed-point value with four decimals, held as a count
// of ten-thousandths so that a stored value and a new one compare exactly (a binary double would
// make "0.1" and 0.1 differ). Arithmetic that would leave the range saturates at its ends.
class Fixed4 {
public:
    static constexpr std::int64_t kScale = 10000;

    constexpr Fixed4() = default;

    // Implicit: nearly every setting is a whole number (indexes, colours, 0/1 flags).
    template <std::integral T>
    constexpr Fixed4(T whole) : scaled_(ScaleWhole(static_cast<std::int64_t>(whole))) {}

    static constexpr Fixed4 FromScaled(std::int64_t scaled) {
        Fixed4 value;
        value.scaled_ = scaled;
        return value;
    }

    // The leading number of a text, read the way the settings have always been read: spaces,
    // tabs and line breaks skipped at the start, then an optional sign, digits and at most one
    // decimal point. Digits beyond the fourth decimal round half to even. A text that does not
    // start with a number gives 0; a number beyond the range saturates.
    static Fixed4 ParseLeading(std::string_view text);

    constexpr std::int64_t Scaled() const { return scaled_; }

    // Rounded to a whole number, half to even (the rule of an assignment to an integer).
    std::int64_t RoundToInteger() const;
    // The same, saturated to the 32-bit range that the program's fields use.
    std::int32_t ToInt32() const;
    double ToDouble() const { return static_cast<double>(scaled_) / kScale; }

    // Decimal text as stored: "-12", "0.5", "3.1416"; no leading space, no trailing zeros.
    std::string ToText() const;

    constexpr auto operator<=>(const Fixed4&) const = default;

private:
    static constexpr std::int64_t ScaleWhole(std::int64_t whole) {
        constexpr std::int64_t kMax = std::numeric_limits<std::int64_t>::max() / kScale;
        if (whole > kMax) return std::numeric_limits<std::int64_t>::max();
        if (whole < -kMax) return std::numeric_limits<std::int64_t>::min();
        return whole * kScale;
    }

    std::int64_t scaled_ = 0;
};

}  // namespace glyphora
