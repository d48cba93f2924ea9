// The search's rounding against FormatRound of the chain, which goes through
// the text: the same float, bit for bit, and an error in the same cases.

#include <gtest/gtest.h>

#include <bit>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <limits>
#include <ostream>
#include <random>
#include <string>

#include "model/chain_math.h"
#include "model/math_policy.h"

namespace vantrel::search {
namespace {

const char* const kPatterns[] = {"", "0.0", "0.00", "0.000"};

// Empty text when both agree, else a description.
std::string Disagreement(double x, int decimals) {
    bool chainOk = true;
    float chain = 0.0f;
    try {
        chain = FormatRound(x, kPatterns[decimals]);
    } catch (const ChainFault&) {
        chainOk = false;
    }
    float fast = 0.0f;
    const bool fastOk = FastFormatRound(x, decimals, fast);
    if (chainOk == fastOk &&
        (!chainOk || std::bit_cast<uint32_t>(chain) == std::bit_cast<uint32_t>(fast)))
        return {};
    char text[160];
    std::snprintf(text, sizeof text, "x=%.17g decimals=%d chain=%s%.9g fast=%s%.9g", x, decimals,
                  chainOk ? "" : "error ", static_cast<double>(chain), fastOk ? "" : "error ",
                  static_cast<double>(fast));
    return text;
}

struct Case {
    double x;
    int decimals;
};

void PrintTo(const Case& c, std::ostream* out) {
    char text[64];
    std::snprintf(text, sizeof text, "%.17g with %d decimals", c.x, c.decimals);
    *out << text;
}

class KnownValues : public testing::TestWithParam<Case> {};

TEST_P(KnownValues, MatchTheChain) {
    EXPECT_EQ(Disagreement(GetParam().x, GetParam().decimals), "");
}

constexpr double kInf = std::numeric_limits<double>::infinity();

INSTANTIATE_TEST_SUITE_P(
    Rounding, KnownValues,
    testing::Values(
        // ties in the decimal text round away from zero
        Case{0.125, 2}, Case{26.875, 2}, Case{-26.875, 2}, Case{11.625, 2}, Case{0.0005, 3},
        // below a tie in binary, but a tie once written with 15 digits
        Case{2.675, 2}, Case{1.005, 2}, Case{0.285, 2}, Case{-1.0005, 3}, Case{382.85, 1},
        // clearly below and above ties
        Case{2.67499, 2}, Case{2.67501, 2}, Case{0.0049999, 2}, Case{-0.0049999, 2},
        // zero and values that round to zero keep no sign
        Case{0.0, 2}, Case{-0.0, 2}, Case{-0.004, 2}, Case{1e-300, 3},
        // at and beyond the fast range, and beyond the float range
        Case{16777.2144, 3}, Case{16777.2156, 3}, Case{167772.16, 2}, Case{1677721.6, 1},
        Case{1e30, 2}, Case{-3.4e38, 1}, Case{3.5e38, 1}, Case{1e300, 2},
        // not finite
        Case{kInf, 2}, Case{-kInf, 1}, Case{std::nan(""), 3}));

// Random magnitudes from 1e-6 to 1e9, and values a hair off the rounding
// ties n/10^k ± 1/2·10^-k, where the 15-digit step of the text matters.
TEST(FastFormatRound, AgreesOnRandomAndNearTieValues) {
    std::mt19937_64 random(20240611);
    std::uniform_real_distribution<double> exponent(-6.0, 9.0);
    std::uniform_int_distribution<int> decimals(1, 3);
    std::uniform_int_distribution<long> units(0, 30000000);
    std::uniform_int_distribution<int> ulps(-40, 40);
    int disagreements = 0;
    std::string first;
    for (int i = 0; i < 300000; ++i) {
        const int k = decimals(random);
        double x = std::pow(10.0, exponent(random));
        if (i % 2 == 1) {
            const double scale = std::pow(10.0, k);
            x = (static_cast<double>(units(random)) + 0.5) / scale;
            for (int step = ulps(random); step != 0; step += step > 0 ? -1 : 1)
                x = std::nextafter(x, step > 0 ? kInf : -kInf);
        }
        if (i % 3 == 0) x = -x;
        const std::string d = Disagreement(x, k);
        if (!d.empty() && disagreements++ == 0) first = d;
    }
    EXPECT_EQ(disagreements, 0) << first;
}

TEST(FlaggingMath, FailsWhereTheChainRaises) {
    const struct {
        double a, b;
        bool fails;
    } divisions[] = {{1, 0, true},
                     {0, 0, true},
                     {-1, -0.0, true},
                     {1e300, 1e-300, true},
                     {std::nan(""), 1, true},
                     {6, 3, false},
                     {0, 5, false}};
    for (const auto& d : divisions) {
        FlaggingMath m;
        const double q = m.Divide(d.a, d.b);
        EXPECT_EQ(m.failed(), d.fails) << d.a << " / " << d.b;
        if (!d.fails) {
            EXPECT_EQ(q, d.a / d.b);
        }
    }
    const struct {
        double x;
        bool fails;
    } singles[] = {{0x1.fffffefffffffp127, false},  // just below the midpoint: FLT_MAX
                   {0x1.ffffffp127, true},          // the midpoint rounds to infinity
                   {-1e39, true},
                   {kInf, true},
                   {std::nan(""), true},
                   {1e-50, false}};
    for (const auto& s : singles) {
        FlaggingMath m;
        bool chainFails = false;
        try {
            Single(s.x);
        } catch (const ChainFault&) {
            chainFails = true;
        }
        m.Single(s.x);
        EXPECT_EQ(m.failed(), s.fails) << s.x;
        EXPECT_EQ(chainFails, s.fails) << s.x;
    }
    FlaggingMath root;
    root.SquareRoot(-1e-9);
    EXPECT_TRUE(root.failed());
}

}  // namespace
}  // namespace vantrel::search
