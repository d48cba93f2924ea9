#include "model/number_text.h"

#include <gtest/gtest.h>

#include <charconv>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <limits>
#include <random>
#include <string>

#include "model/chain_error.h"
#include "model/chain_math.h"

namespace vantrel {
namespace {

struct FormatCase {
    double value;
    const char* pattern;
    const char* expected;
};

class FormatTest : public ::testing::TestWithParam<FormatCase> {};

TEST_P(FormatTest, WritesFixedDecimalsRoundingHalfAwayFromZero) {
    const FormatCase& c = GetParam();
    EXPECT_EQ(Format(c.value, c.pattern), c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Patterns, FormatTest,
    ::testing::Values(FormatCase{26.875, "0.00", "26.88"}, FormatCase{0.125, "0.00", "0.13"},
                      FormatCase{-0.125, "0.00", "-0.13"}, FormatCase{2.0, "0.000", "2.000"},
                      FormatCase{-0.001, "0.00", "0.00"},  // no "-0.00"
                      FormatCase{0.05, "0.0", "0.1"}, FormatCase{999.995, "0.00", "1000.00"},
                      FormatCase{0.0049999, "0.00", "0.00"}, FormatCase{0.0005, "0.000", "0.001"},
                      FormatCase{0.00049, "0.000", "0.000"},
                      // 1.005 is 1.00499999999999989... in binary; 15 digits read 1.00500000000000.
                      FormatCase{1.005, "0.00", "1.01"}, FormatCase{0.0692307692, "0.00%", "6.92%"},
                      FormatCase{0.615385, "0.0%", "61.5%"},
                      FormatCase{1e20, "0.00", "100000000000000000000.00"},
                      FormatCase{std::numeric_limits<double>::infinity(), "0.00", ""},
                      FormatCase{std::nan(""), "0.000", ""}));

struct ParseCase {
    const char* text;
    ParseStatus status;
    double value;
};

class ParseNumberTest : public ::testing::TestWithParam<ParseCase> {};

TEST_P(ParseNumberTest, AcceptsOnlyPlainDecimalNumbers) {
    const ParseCase& c = GetParam();
    const ParsedNumber parsed = ParseNumber(c.text);
    EXPECT_EQ(parsed.status, c.status) << '"' << c.text << '"';
    if (c.status == ParseStatus::Ok) {
        EXPECT_EQ(parsed.value, c.value) << c.text;
    }
}

constexpr ParseStatus kOk = ParseStatus::Ok;
constexpr ParseStatus kNaN = ParseStatus::NotANumber;

INSTANTIATE_TEST_SUITE_P(
    Texts, ParseNumberTest,
    ::testing::Values(
        ParseCase{"12", kOk, 12}, ParseCase{" 12 ", kOk, 12}, ParseCase{"+1.5", kOk, 1.5},
        ParseCase{"-.5", kOk, -0.5}, ParseCase{"5.", kOk, 5}, ParseCase{"1e3", kOk, 1000},
        ParseCase{"2.5e-1", kOk, 0.25}, ParseCase{"1e-400", kOk, 0}, ParseCase{"", kNaN, 0},
        ParseCase{".", kNaN, 0}, ParseCase{"-", kNaN, 0}, ParseCase{"1e", kNaN, 0},
        ParseCase{"1,5", kNaN, 0}, ParseCase{"0x10", kNaN, 0}, ParseCase{"1.2.3", kNaN, 0},
        ParseCase{"inf", kNaN, 0}, ParseCase{"nan", kNaN, 0}, ParseCase{"\t1", kNaN, 0},
        ParseCase{"1 2", kNaN, 0}, ParseCase{"1e99x", kNaN, 0},
        ParseCase{"1e400", ParseStatus::Overflow, 0}, ParseCase{"-1e309", ParseStatus::Overflow, 0},
        // The edges of the double range.
        ParseCase{"1e-330", kOk, 0}, ParseCase{"2e-324", kOk, 0},
        ParseCase{"2.5e-324", kOk, 4.9406564584124654e-324}, ParseCase{"1e-310", kOk, 1e-310},
        ParseCase{"2.2250738585072014e-308", kOk, 0x1p-1022},
        ParseCase{"1.7976931348623157e308", kOk, 0x1.fffffffffffffp1023},
        ParseCase{"1.7976931348623159e308", ParseStatus::Overflow, 0},
        // Ties to even, decided by digits far beyond the 17th.
        ParseCase{"9007199254740993", kOk, 0x1p53},
        ParseCase{"9007199254740993.000000000001", kOk, 0x1.0000000000001p53}));

template <typename Real>
struct ShortestCase {
    Real value;
    const char* expected;
};

class ShortestDoubleTest : public ::testing::TestWithParam<ShortestCase<double>> {};
class ShortestFloatTest : public ::testing::TestWithParam<ShortestCase<float>> {};

TEST_P(ShortestDoubleTest, WritesAsToChars) {
    EXPECT_EQ(ShortestText(GetParam().value), GetParam().expected);
}
TEST_P(ShortestFloatTest, WritesAsToChars) {
    EXPECT_EQ(ShortestText(GetParam().value), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Doubles, ShortestDoubleTest,
    ::testing::Values(ShortestCase<double>{0.1, "0.1"},
                      ShortestCase<double>{1.0 / 3, "0.3333333333333333"},
                      ShortestCase<double>{-2, "-2"}, ShortestCase<double>{0.001, "0.001"},
                      ShortestCase<double>{1e-5, "1e-05"}, ShortestCase<double>{1e5, "1e+05"},
                      ShortestCase<double>{123456.0, "123456"},
                      ShortestCase<double>{9007199254740992.0, "9007199254740992"},
                      // A whole number shown fixed has its exact digits.
                      ShortestCase<double>{1.2345678901234568e20, "123456789012345683968"},
                      ShortestCase<double>{1e23, "1e+23"},
                      ShortestCase<double>{0x1p-1074, "5e-324"},
                      ShortestCase<double>{0x0.fffffffffffffp-1022, "2.225073858507201e-308"},
                      ShortestCase<double>{0x1.fffffffffffffp1023, "1.7976931348623157e+308"}));

INSTANTIATE_TEST_SUITE_P(Floats, ShortestFloatTest,
                         ::testing::Values(ShortestCase<float>{0.1f, "0.1"},
                                           ShortestCase<float>{0.9648298f, "0.9648298"},
                                           ShortestCase<float>{1e7f, "1e+07"},
                                           ShortestCase<float>{16777216.0f, "16777216"},
                                           ShortestCase<float>{123456792.0f, "123456792"},
                                           ShortestCase<float>{0x1p-149f, "1e-45"},
                                           ShortestCase<float>{0x1p-126f, "1.1754944e-38"},
                                           ShortestCase<float>{0x1.fffffep127f, "3.4028235e+38"}));

// The same texts as the C++ library's own shortest writer, on random bit
// patterns and on values of the sizes the program writes.
template <typename Real>
void ExpectAsToChars(Real x, int& mismatches) {
    char reference[64];
    const std::string expected(reference, std::to_chars(reference, reference + 64, x).ptr);
    if (std::isfinite(x) && ShortestText(x) != expected)
        ADD_FAILURE() << ++mismatches << ": " << ShortestText(x) << " vs " << expected;
}

TEST(ShortestTextTest, AgreesWithToChars) {
    std::mt19937_64 random(23);
    std::uniform_real_distribution<double> ordinary(0.0, 1000.0);
    int mismatches = 0;
    for (int i = 0; i < 300000 && mismatches < 5; ++i) {
        const uint64_t bits = random();
        double d = 0;
        float f = 0;
        std::memcpy(&d, &bits, sizeof d);
        std::memcpy(&f, &bits, sizeof f);
        ExpectAsToChars(d, mismatches);
        ExpectAsToChars(f, mismatches);
        ExpectAsToChars(ordinary(random), mismatches);
        ExpectAsToChars(static_cast<float>(ordinary(random)), mismatches);
    }
}

struct FaultCase {
    const char* name;
    double (*operation)();
    int number;
};

class ChainMathTest : public ::testing::TestWithParam<FaultCase> {};

TEST_P(ChainMathTest, RaisesTheRunTimeErrorOfTheOperation) {
    try {
        GetParam().operation();
        FAIL() << GetParam().name << " did not fail";
    } catch (const ChainFault& fault) {
        EXPECT_EQ(fault.number, GetParam().number) << GetParam().name;
    }
}

INSTANTIATE_TEST_SUITE_P(
    Operations, ChainMathTest,
    ::testing::Values(
        FaultCase{"nonzero over zero", [] { return Divide(1, 0); }, kErrDivisionByZero},
        FaultCase{"zero over zero", [] { return Divide(0, 0); }, kErrOverflow},
        FaultCase{"quotient beyond double", [] { return Divide(1e300, 1e-300); }, kErrOverflow},
        FaultCase{"root of a negative", [] { return SquareRoot(-1); }, kErrInvalidArgument},
        FaultCase{"store beyond float", [] { return double{Single(1e39)}; }, kErrOverflow},
        FaultCase{"text not a number", [] { return DoubleFromText("abc"); }, kErrTypeMismatch},
        FaultCase{"empty text", [] { return DoubleFromText(""); }, kErrTypeMismatch},
        FaultCase{"text beyond double", [] { return DoubleFromText("1e999"); }, kErrOverflow},
        FaultCase{"text beyond float", [] { return double{SingleFromText("1e39")}; }, kErrOverflow},
        FaultCase{"rounded beyond float", [] { return double{FormatRound(1e39, "0.00")}; },
                  kErrOverflow},
        FaultCase{"16-bit overflow", [] { return static_cast<double>(Int16(40000)); },
                  kErrOverflow}));

// The exact 128-bit rounding must agree with the C library's correctly
// rounded printf on values from every decade the program meets.
TEST(RoundToSignificantTest, AgreesWithPrintfOverManyValues) {
    std::mt19937_64 random(20261206);
    std::uniform_real_distribution<double> mantissa(1.0, 10.0);
    std::uniform_int_distribution<int> decade(-8, 16);
    int mismatches = 0;
    for (int i = 0; i < 200000 && mismatches < 5; ++i) {
        double x = mantissa(random) * std::pow(10.0, decade(random));
        if (i % 3 == 0) x = static_cast<double>(static_cast<float>(x));  // widened floats
        if (i % 7 == 0) x = std::round(x * 1000.0) / 1000.0 + 0.0005;    // near ties
        if (i < 2) x = i * 0.1;                                          // zero, 0.1
        for (int significant : {7, 15}) {
            char reference[64];
            std::snprintf(reference, sizeof reference, "%.*e", significant - 1, x);
            std::string digits;
            const char* p = reference;
            for (; *p != 'e'; ++p)
                if (*p != '.') digits += *p;
            const int exponent = std::atoi(p + 1);
            const SignificantDigits rounded = RoundToSignificant(x, significant);
            if (rounded.digits != digits || rounded.exponent != exponent) {
                ++mismatches;
                ADD_FAILURE() << reference << " vs " << rounded.digits << "e" << rounded.exponent;
            }
        }
    }
}

TEST(ValueTextTest, AgreesWithPrintfSevenDigitGeneralForm) {
    EXPECT_EQ(ValueText(-0.0f), "0");  // no sign, unlike printf
    EXPECT_EQ(ValueText(0.0f), "0");
    std::mt19937 random(7);
    std::uniform_int_distribution<uint32_t> bits;
    int checked = 0;
    int mismatches = 0;
    while (checked < 200000 && mismatches < 5) {
        const uint32_t pattern = bits(random);
        float v = 0;
        std::memcpy(&v, &pattern, sizeof v);
        if (!std::isfinite(v) || std::fabs(v) > 1e12f || std::fabs(v) < 1e-9f) continue;
        ++checked;
        char reference[64];
        std::snprintf(reference, sizeof reference, "%.7G", static_cast<double>(v));
        if (ValueText(v) != reference) {
            ++mismatches;
            ADD_FAILURE() << reference << " vs " << ValueText(v);
        }
    }
}

}  // namespace
}  // namespace vantrel
