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
}

TEST(Fixed4, ToTextWritesPlainDecimalTextThatReadsBack) {
    const std::pair<std::int64_t, const char*> cases[] = {
        {0, "0"},      {50000, "5"},     {-120000, "-12"},
        {5000, "0.5"}, {-2500, "-0.25"}, {31416, "3.1416"},
        {1, "0.0001"}, {-1, "-0.0001"},  {kMax, "922337203685477.5807"},
    };
    EXPECT_EQ(Fixed4::FromScaled(kMin).ToText(), "-922337203685477.5808");
    for (const auto& [scaled, text] : cases) {
        EXPECT_EQ(Fixed4::FromScaled(scaled).ToText(), text) << scaled;
        EXPECT_EQ(Fixed4::ParseLeading(text).Scaled(), std::max(scaled, -kMax));  // saturated
    }
}

TEST(Fixed4, WholeNumbersRoundHalfToEvenAndSaturate) {
    const std::pair<std::int64_t, std::int64_t> cases[] = {
        {25000, 2}, {35000, 4},   {-25000, -2}, {-35000, -4}, {25001, 3},
        {24999, 2}, {-24999, -2}, {4999, 0},    {5000, 0},    {15000, 2},
    };
    for (auto [scaled, whole] : cases)
        EXPECT_EQ(Fixed4::FromScaled(scaled).RoundToInteger(), whole) << scaled;
    EXPECT_EQ(Fixed4(kMax).Scaled(), kMax);
    EXPECT_EQ(Fixed4(kMin).Scaled(), kMin);
    EXPECT_EQ(Fixed4(std::int64_t{3000000000}).ToInt32(), std::numeric_limits<std::int32_t>::max());
    EXPECT_EQ(Fixed4(std::int64_t{-3000000000}).ToInt32(),
              std::numeric_limits<std::int32_t>::min());
    EXPECT_EQ(Fixed4(true), Fixed4(1));
    EXPECT_LT(Fixed4(-1), Fixed4::FromScaled(1));
}

}  // namespace
}  // namespace glyphora
