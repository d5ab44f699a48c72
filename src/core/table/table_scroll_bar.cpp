#include "table/table_scroll_bar.h"

#include <algorithm>

namespace glyphora {

namespace {

// a / b rounded to the nearest whole number, halves to even (b > 0, a >= 0).
long long RoundHalfEven(long long a, long long b) {
    const long long q = a / b;
    const long long r = a % b;
    if (2 * r > b || (2 * r == b && (q % 2) != 0)) return q + 1;
    return q;
}

}  // namespace

void TableScrollBar::SetMax(int max) {
    state_.max = max;
    state_.value = std::clamp(state_.value, 0, std::max(max, 0));
}

void TableScrollBar::SetValue(int value) {
    state_.value = std::clamp(value, 0, std::max(state_.max, 0));
}

void TableScrollBar::ToTop() {
    state_.value = 0;
    last_value_ = 0;
}

void TableScrollBar::ToEnd() {
    state_.value = std::max(state_.max, 0);
    last_value_ = state_.value;
}

void TableScrollBar::ShowPlace(long place, long listed) {
    // The place as a fixed-point number with four decimals, then to a whole row.
    const long long max = std::max(state_.max, 0);
    long long ten_thousandths = RoundHalfEven((max + 1) * place * 10000LL, listed);
    ten_thousandths = std::min(ten_thousandths, max * 10000LL);
    state_.value = static_cast<int>(std::max(0LL, RoundHalfEven(ten_thousandths, 10000)));
}

long TableScrollBar::PlaceAtValue(long listed) const {
    if (state_.max <= 0) return 0;
    return static_cast<long>(
        RoundHalfEven(static_cast<long long>(state_.value) * listed, state_.max));
}

int TableScrollBar::EndStep() const {
    return static_cast<int>(RoundHalfEven(std::max(state_.max, 0), track_pixels_));
}

}  // namespace glyphora
