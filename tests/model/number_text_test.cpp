#include "model/number_text.h"

#include <gtest/gtest.h>

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
        EXPECT_DOUBLE_EQ(parsed.value, c.value) << c.text;
    }
}

constexpr ParseStatus kOk = ParseStatus::Ok;
constexpr ParseStatus kNaN = ParseStatus::NotANumber;

INSTANTIATE_TEST_SUITE_P(Texts, ParseNumberTest,
                         ::testing::Values(ParseCase{"12", kOk, 12}, ParseCase{" 12 ", kOk, 12},
                                           ParseCase{"+1.5", kOk, 1.5}, ParseCase{"-.5", kOk, -0.5},
                                           ParseCase{"5.", kOk, 5}, ParseCase{"1e3", kOk, 1000},
                                           ParseCase{"2.5e-1", kOk, 0.25},
                                           ParseCase{"1e-400", kOk, 0}, ParseCase{"", kNaN, 0},
                                           ParseCase{".", kNaN, 0}, ParseCase{"-", kNaN, 0},
                                           ParseCase{"1e", kNaN, 0}, ParseCase{"1,5", kNaN, 0},
                                           ParseCase{"0x10", kNaN, 0}, ParseCase{"1.2.3", kNaN, 0},
                                           ParseCase{"inf", kNaN, 0}, ParseCase{"nan", kNaN, 0},
                                           ParseCase{"\t1", kNaN, 0}, ParseCase{"1 2", kNaN, 0},
                                           ParseCase{"1e99x", kNaN, 0},
                                           ParseCase{"1e400", ParseStatus::Overflow, 0},
                                           ParseCase{"-1e309", ParseStatus::Overflow, 0}));

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
