#include "model/shape_table.h"

#include <gtest/gtest.h>

#include <set>
#include <string>

#include "model/number_text.h"

namespace vantrel {
namespace {

TEST(ShapeTableTest, EveryRowIsWellFormedAndNamedByItsWeight) {
    ASSERT_EQ(ShapeRows().size(), 267u);
    std::set<std::string> names;
    for (int i = 0; i < kShapeCount; ++i) {
        const std::string row(ShapeRows()[static_cast<size_t>(i)]);
        const std::string name = GetField(row, 1);
        EXPECT_TRUE(names.insert(name).second) << "duplicate " << name;
        EXPECT_EQ(GetField(row, 16), "0") << row;  // exactly 15 fields
        for (int k = 2; k <= 15; ++k) {
            const ParsedNumber number = ParseNumber(GetField(row, k));
            EXPECT_TRUE(number.ok() && number.value > 0) << row << " field " << k;
        }
        const std::string nominal = name.substr(name.find('x') + 1);
        EXPECT_EQ(GetField(row, 15), nominal) << row;
        EXPECT_EQ(ShapeName(i), name);
        EXPECT_EQ(ShapeIndex(name), i);
    }
}

struct FieldCase {
    const char* row;
    int index;
    const char* expected;
};

class GetFieldTest : public ::testing::TestWithParam<FieldCase> {};

TEST_P(GetFieldTest, SplitsAtEveryComma) {
    EXPECT_EQ(GetField(GetParam().row, GetParam().index), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(Rows, GetFieldTest,
                         ::testing::Values(FieldCase{"a,b,c", 3, "c"}, FieldCase{"a,b,c", 1, "a"},
                                           FieldCase{"a,b,c", 4, "0"}, FieldCase{"a,b,c", 0, "0"},
                                           FieldCase{"a,b,c", -1, "0"}, FieldCase{"", 1, "0"},
                                           FieldCase{"a,,c", 2, ""}, FieldCase{"a,b,", 3, ""},
                                           FieldCase{"single", 1, "single"}));

TEST(ShapeLookupTest, FindsOnlyExactDesignations) {
    EXPECT_EQ(ShapeRow("w 21x44"), "");
    EXPECT_EQ(ShapeRow("W21x44"), "");
    EXPECT_EQ(ShapeRow("W 21x44 "), "");
    EXPECT_EQ(ShapeRow(""), "");
    const WShape missing = ShapeFromDesignation("W 99x1");
    EXPECT_EQ(missing.Name, "0");
    EXPECT_EQ(missing.d, 0.0f);
    EXPECT_EQ(missing.Weight, 0.0f);
}

}  // namespace
}  // namespace vantrel
