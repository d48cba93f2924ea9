#include <gtest/gtest.h>

#include <string>

#include "model/field_rules.h"

namespace vantrel {
namespace {

// Each numeric field's limit: the text at the limit stays, the next step
// over it is refused, and an empty field takes its default text.
struct RuleCase {
    const char* name;
    Refusal (*check)(std::string&);
    const char* text;
    bool refused;
    const char* textAfter = nullptr;  // the rewritten text, where it changes
};

void PrintTo(const RuleCase& c, std::ostream* out) {
    *out << c.name;
}

class FieldRuleTest : public ::testing::TestWithParam<RuleCase> {};

TEST_P(FieldRuleTest, LimitIsAllowedAndTheNextStepRefused) {
    const RuleCase& c = GetParam();
    std::string text = c.text;
    EXPECT_EQ(c.check(text).has_value(), c.refused);
    EXPECT_EQ(text, c.textAfter ? c.textAfter : c.text);
}

// The rules, those that read another input with it fixed (W 21x44: bf 6.5).
using Rule = Refusal (*)(std::string&);
constexpr Rule Length = CheckLengthText;
constexpr Rule Height = CheckHeightText;
constexpr Rule Axial = CheckAxialLoadText;
constexpr Rule Load = CheckLoadText;
constexpr Rule OverrideA = [](std::string& t) { return CheckOverrideAText(t, "20"); };  // 36 in
constexpr Rule OverrideB = [](std::string& t) { return CheckOverrideBText(t, "20"); };  // 48 in
constexpr Rule OverrideBNoLength = [](std::string& t) { return CheckOverrideBText(t, "abc"); };
constexpr Rule OverrideBHugeLength = [](std::string& t) { return CheckOverrideBText(t, "1e39"); };
constexpr Rule OverrideC = [](std::string& t) { return CheckOverrideCText(t, "W 21x44"); };
constexpr Rule Location = [](std::string& t) { return CheckLocationText(t, "15.00"); };

INSTANTIATE_TEST_SUITE_P(
    Limits, FieldRuleTest,
    ::testing::Values(
        RuleCase{"Length50", Length, "50", false}, RuleCase{"Length50x01", Length, "50.01", true},
        RuleCase{"LengthEmpty", Length, "", false, "0.00"},
        RuleCase{"LengthNotANumber", Length, "1e", true}, RuleCase{"Height35", Height, "35", false},
        RuleCase{"Height35x01", Height, "35.01", true},
        RuleCase{"A15Percent", OverrideA, "36", false},
        RuleCase{"AOver15Percent", OverrideA, "36.001", true},
        RuleCase{"B20Percent", OverrideB, "48", false},
        RuleCase{"BOver20Percent", OverrideB, "48.001", true},
        RuleCase{"BEmpty", OverrideB, "", false, "0.000"},
        RuleCase{"BWithoutALength", OverrideBNoLength, "0.001", true},
        RuleCase{"BBeyondAFloatLength", OverrideBHugeLength, "0.001", true},
        RuleCase{"CHalfFlange", OverrideC, "3.25", false},
        RuleCase{"COverHalfFlange", OverrideC, "3.251", true},
        RuleCase{"Axial10000", Axial, "10000", false},
        RuleCase{"AxialOver10000", Axial, "10000.001", true},
        RuleCase{"AxialNegative", Axial, "-0.001", true}, RuleCase{"Load100", Load, "100", false},
        RuleCase{"LoadOver100", Load, "100.001", true},
        RuleCase{"LoadNegative", Load, "-0.001", true},
        RuleCase{"LoadMinusZero", Load, "-0", false},
        RuleCase{"LocationAtTheLength", Location, "15", false},
        RuleCase{"LocationPastTheLength", Location, "15.01", true},
        RuleCase{"LocationNegative", Location, "-0.01", true},
        RuleCase{"LengthMinusZero", Length, "-0.00", false},
        RuleCase{"HeightNegative", Height, "-35", true}),
    [](const auto& p) { return std::string(p.param.name); });

// A negative value is refused in the words of the field's limit: the same
// caption, then " cannot be negative.".
TEST(FieldRuleTest, NegativeValueNamedAsTheLimitNamesTheField) {
    for (auto check : {Length, Height, OverrideA, OverrideB, OverrideC, Axial, Load}) {
        std::string over = "99999";
        std::string negative = "-1";
        const std::string limit = check(over).value_or("");
        const std::string caption = limit.substr(0, limit.find(" cannot be greater than "));
        EXPECT_EQ(check(negative).value_or(""), caption + " cannot be negative.") << limit;
    }
    std::string location = "-1";
    EXPECT_EQ(Location(location).value_or(""), "Point load location cannot be negative.");
}

TEST(FieldRuleTest, TypedCharactersAndFormatting) {
    for (char32_t c : {U'0', U'9', U'.', U'-', U'\b'}) EXPECT_TRUE(AcceptsTypedCharacter(c));
    for (char32_t c : {U'/', U':', U'+', U'e', U' '}) EXPECT_FALSE(AcceptsTypedCharacter(c));
    EXPECT_EQ(FormatFieldText("-0", "0.000"), "0.000");
    EXPECT_EQ(FormatFieldText("1.0005", "0.000"), "1.001");
    EXPECT_EQ(FormatFieldText("7", "0.00"), "7.00");
    EXPECT_EQ(FormatFieldText("x7", "0.00"), "x7");
    // The patterns the fields take when left: two decimals for the length and
    // the load locations, three for the rest; none for lists and text.
    for (const char* name : {"Length", "PointLoadLocation1", "PointLoadLocation3"})
        EXPECT_EQ(FieldPattern(name), "0.00") << name;
    for (const char* name : {"Height", "ORA", "ORC", "DistDL1", "PointLL3", "ColumnAxialLoad"})
        EXPECT_EQ(FieldPattern(name), "0.000") << name;
    for (const char* name : {"Beam", "A", "Description", "FRAMETYPE", "ColumnAbove", "Lenght"})
        EXPECT_EQ(FieldPattern(name), "") << name;
}

}  // namespace
}  // namespace vantrel
