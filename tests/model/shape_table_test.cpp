#include "model/shape_table.h"

#include <gtest/gtest.h>

#include <set>
#include <string>

#include "model/input_lists.h"
#include "model/number_text.h"

namespace vantrel {
namespace {

TEST(ShapeTableTest, HoldsTheReferenceRowsVerbatim) {
    const auto rows = ShapeRows();
    ASSERT_EQ(rows.size(), 267u);
    EXPECT_EQ(rows.front(),
              "W 4x13,3.83,4.16,11.3,6.28,5.46,1.72,4.06,0.28,0.345,3.86,2.92,1.9,1,13");
    EXPECT_EQ(rows.back(),
              "W 44x335,98.3,44,31100,1620,1410,17.8,16,1.02,1.77,1200,236,151,3.5,335");
    EXPECT_EQ(ShapeRow("W 21x44"),
              "W 21x44,13,20.7,843,95.4,81.6,8.06,6.5,0.35,0.45,20.7,10.2,6.37,1.26,44");
}

TEST(ShapeTableTest, EveryRowIsWellFormedAndNamedByItsWeight) {
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
    }
}

TEST(ShapeTableTest, KeepsTheTableOrder) {
    EXPECT_LT(ShapeIndex("W 6x16"), ShapeIndex("W 6x15"));
    EXPECT_LT(ShapeIndex("W 40x392"), ShapeIndex("W 40x199"));
    EXPECT_EQ(ShapeIndex("W 4x13"), 0);
    EXPECT_EQ(ShapeIndex("W 44x335"), 266);
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

TEST(ShapeLookupTest, ParsesTheColumnOfTheWorkedExample) {
    const WShape column = ShapeFromDesignation("W 14x90");
    EXPECT_EQ(column.Name, "W 14x90");
    EXPECT_EQ(column.d, 14.0f);
    EXPECT_EQ(column.tw, 0.44f);
    EXPECT_EQ(column.bf, 14.5f);
    EXPECT_EQ(column.ry, 3.7f);
}

TEST(InputListsTest, CoefficientEntriesRunInHundredths) {
    const auto a = CoefficientEntriesA();
    const auto b = CoefficientEntriesB();
    const auto c = CoefficientEntriesC();
    ASSERT_EQ(a.size(), 26u);
    ASSERT_EQ(b.size(), 21u);
    ASSERT_EQ(c.size(), 11u);
    EXPECT_EQ(a.front(), "0.50");
    EXPECT_EQ(a[10], "0.60");
    EXPECT_EQ(b.back(), "0.85");
    EXPECT_EQ(c.back(), "0.25");
}

}  // namespace
}  // namespace vantrel
