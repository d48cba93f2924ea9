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
#include <utility>

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

// Each operation of FlaggingMath fails exactly where the chain's raises.
template <class Operation>
void ExpectSameFailure(Operation operation, const char* what) {
    bool chainFails = false;
    try {
        ThrowingMath chain;
        operation(chain);
    } catch (const ChainFault&) {
        chainFails = true;
    }
    FlaggingMath flagging;
    operation(flagging);
    EXPECT_EQ(flagging.failed(), chainFails) << what;
}

TEST(FlaggingMath, FailsWhereTheChainRaises) {
    const double nan = std::nan("");
    for (const auto& [a, b] : {std::pair{1.0, 0.0},
                               {0.0, 0.0},
                               {-1.0, -0.0},
                               {1e300, 1e-300},
                               {nan, 1.0},
                               {6.0, 3.0},
                               {0.0, 5.0}})
        ExpectSameFailure([a, b](auto& m) { m.Divide(a, b); }, "divide");
    // Just below the midpoint under 2^128 rounds to FLT_MAX; the midpoint to infinity.
    for (const double x : {0x1.fffffefffffffp127, 0x1.ffffffp127, -1e39, kInf, nan, 1e-50})
        ExpectSameFailure([x](auto& m) { m.Single(x); }, "single");
    for (const double x : {-1e-9, 0.0, nan})
        ExpectSameFailure([x](auto& m) { m.SquareRoot(x); }, "root");
    FlaggingMath m;
    EXPECT_EQ(m.Divide(6, 3), 2.0);
    m.Single(0x1.ffffffp127);
    EXPECT_TRUE(m.failed());
}

}  // namespace
}  // namespace vantrel::search
