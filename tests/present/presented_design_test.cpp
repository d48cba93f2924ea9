// What the browser edition and the window take of a presented design that
// calc's fixtures do not show: the page's grid cells, and the colours of the
// current-code rows.
#include <gtest/gtest.h>

#include <map>

#include "present/design_json.h"
#include "support/design_fixture.h"

namespace vantrel {
namespace {

// Every cell of every grid, with its text, colour and bold, in order.
void ExpectCellsOf(const ResultGrids& grids) {
    const Json cells = Json::parse(GridCellsJson(grids));
    const std::pair<const char*, const ResultGrid*> named[] = {
        {"summary", &grids.summary}, {"checks", &grids.checks}, {"parameters", &grids.parameters}};
    ASSERT_EQ(cells.size(), std::size(named));
    for (const auto& [name, grid] : named) {
        const Json& rows = cells.at(name);
        ASSERT_EQ(rows.size(), static_cast<size_t>(grid->RowCount())) << name;
        for (int r = 0; r < grid->RowCount(); ++r) {
            const Json& row = rows[static_cast<size_t>(r)];
            ASSERT_EQ(row.size(), static_cast<size_t>(grid->ColumnCount())) << name << r;
            for (int c = 0; c < grid->ColumnCount(); ++c) {
                const GridCell& cell = grid->Cell(r, c);
                const Json& json = row[static_cast<size_t>(c)];
                EXPECT_EQ(json, Json::array({cell.text, ColourText(cell.color), cell.bold}))
                    << name << ' ' << r << ',' << c;
            }
        }
    }
}

TEST(PresentedDesignTest, PageCellsAreTheGridsCells) {
    test::Calculated fresh;
    ExpectCellsOf(fresh.state.grids);
    test::Calculated calculated;
    test::Run(calculated, test::WorkedExample());  // green, red, the bold headings, "in³"
    ExpectCellsOf(calculated.state.grids);
}

// Pass green, fail red, a plate required amber, every other status white.
TEST(PresentedDesignTest, CurrentCodeRowsAreColouredByStatus) {
    test::Calculated calc;
    test::Run(calc, test::WorkedExample());
    ASSERT_TRUE(calc.state.aisc358.result);
    const std::map<std::string, Rgb> colours = {
        {"pass", kPassGreen}, {"fail", kFailRed}, {"required", kRequiredAmber}};
    std::map<std::string, int> seen;
    for (const Aisc358Row& row : Aisc358Rows(*calc.state.aisc358.result)) {
        if (row.groupTitle) continue;
        const auto colour = colours.find(row.status);
        EXPECT_EQ(row.colour, colour == colours.end() ? kWhite : colour->second) << row.id;
        ++seen[row.status];
    }
    for (const char* status : {"pass", "fail", "required", "info"}) EXPECT_GT(seen[status], 0);
}

}  // namespace
}  // namespace vantrel
