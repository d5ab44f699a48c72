#include "app/fixed4.h"

#include <gtest/gtest.h>

#include <limits>

namespace glyphora {
namespace {

constexpr std::int64_t kMax = std::numeric_limits<std::int64_t>::max();
constexpr std::int64_t kMin = std::numeric_limits<std::int64_t>::min();

// No exponent, no hexadecimal prefix; a fifth decimal rounds half to even; beyond the range the
// value saturates, also when rounding up passes the end.
TEST(Fixed4, ParseLeadingReadsTheLeadingNumber) {
    const std::pair<const char*, std::int64_t> cases[] = {
        {"5", 50000},       {"  -12abc", -120000}, {".5", 5000},       {"-.25", -2500},
        {"12.3.4", 123000}, {"1e3", 10000},        {"&HFF", 0},        {"", 0},
        {"- 5", 0},         {"1.23456", 12346},    {"1.00005", 10000}, {"1.000050001", 10001},
    };
    for (const auto& [text, scaled] : cases)
        EXPECT_EQ(Fixed4::ParseLeading(text).Scaled(), scaled) << text;
    EXPECT_EQ(Fixed4::ParseLeading("922337203685477.5807").Scaled(), kMax);
    EXPECT_EQ(Fixed4::ParseLeading("922337203685477.58079").Scaled(), kMax);
    EXPECT_EQ(Fixed4::ParseLeading("-99999999999999999999").Scaled(), -kMax);
    EXPECT_EQ(Fixed4::ParseLeading("2147483647.5").ToInt32(),
              std::numeric_limits<std::int32_t>::max());
    EXPECT_EQ(Fixed4::ParseLeading("-2147483649").ToInt32(),
              std::numeric_limits<std::int32_t>::min());
}

}  // namespace
}  // namespace glyphora
