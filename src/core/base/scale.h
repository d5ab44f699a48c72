#pragma once

#include <cstdlib>

namespace glyphora {

// a * b / c rounded half away from zero, without overflow on the way; -1 when c is 0 (a size
// that cannot be scaled reads as "none").
inline int ScaleRounded(int a, int b, int c) {
    if (c == 0) return -1;
    const long long product = static_cast<long long>(a) * b;
    long long quotient = product / c;
    const long long remainder = product % c;
    if (2 * std::llabs(remainder) >= std::llabs(static_cast<long long>(c)))
        quotient += (product < 0) != (c < 0) ? -1 : 1;
    return static_cast<int>(quotient);
}

}  // namespace glyphora
