#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "checks/verdict_cells.h"
#include "model/shape_table.h"
#include "support/design_fixture.h"

namespace vantrel {
namespace {

bool HasNonFiniteText(const std::string& text) {
    return text.find("nan") != std::string::npos || text.find("inf") != std::string::npos ||
           text.find("NaN") != std::string::npos || text.find("INF") != std::string::npos;
}

// Every beam on every column: no crash, no non-finite text, every verdict
// exactly green "OK..." or red with a failure text, and a second run equal.
class AllPairsSweepTest : public ::testing::TestWithParam<const char*> {};

TEST_P(AllPairsSweepTest, EveryPairGivesCleanVerdicts) {
    DesignInputs inputs = NewDesignInputs();
    inputs.Length = GetParam();
    test::Calculated calc;
    long failures = 0;
    for (int beam = 0; beam < kShapeCount; ++beam) {
        inputs.Beam = std::string(ShapeName(beam));
        for (int column = 0; column < kShapeCount; ++column) {
            inputs.Column = std::string(ShapeName(column));
            test::Run(calc, inputs);
            const std::vector<VerdictResult> first = ReadVerdicts(calc.state.grids);
            const std::string firstChecks = calc.checks(12, 2) + calc.checks(16, 2);
            test::Run(calc, inputs);
            const std::vector<VerdictResult> second = ReadVerdicts(calc.state.grids);
            for (size_t i = 0; i < first.size(); ++i) {
                const VerdictResult& v = first[i];
                const bool clean = (v.state == VerdictState::Pass && v.note.rfind("OK", 0) == 0) ||
                                   (v.state == VerdictState::Fail &&
                                    (v.note.rfind("FAIL", 0) == 0 || v.note == "Fail"));
                const bool same = v.state == second[i].state && v.note == second[i].note;
                if ((!clean || !same) && ++failures < 10) {
                    ADD_FAILURE() << inputs.Beam << " on " << inputs.Column << ": " << v.cell->name
                                  << " '" << v.note << "'";
                }
            }
            if (firstChecks != calc.checks(12, 2) + calc.checks(16, 2) && ++failures < 10)
                ADD_FAILURE() << inputs.Beam << " on " << inputs.Column << " not repeatable";
            for (const ResultGrid* grid : {&calc.state.grids.summary, &calc.state.grids.checks,
                                           &calc.state.grids.parameters}) {
                for (int r = 1; r < 33; ++r)
                    for (int c = 1; c < 4 && c < grid->ColumnCount(); ++c)
                        if (HasNonFiniteText(grid->Text(r, c)) && ++failures < 10)
                            ADD_FAILURE() << inputs.Beam << " on " << inputs.Column << ": "
                                          << grid->Text(r, c);
            }
            if (!calc.errors.errors.empty() && ++failures < 10)
                ADD_FAILURE() << inputs.Beam << " on " << inputs.Column << ": "
                              << calc.errors.errors.front().procedure;
            calc.errors.errors.clear();
        }
    }
    EXPECT_EQ(failures, 0);
}

INSTANTIATE_TEST_SUITE_P(Lengths, AllPairsSweepTest, ::testing::Values("15.00", "30.00"),
                         [](const auto& p) { return std::string(p.param).substr(0, 2) + "Feet"; });

// A verdict needs both its value and its note: a colour left from an
// earlier run never reads as a pass or a fail on its own.
TEST(ReadVerdictsTest, AVerdictWithoutValueOrNoteIsMissing) {
    ResultGrids grids;
    grids.parameters.Paint(2, 1, 2, 1, kPassGreen);
    grids.parameters.SetText(2, 2, "OK");  // a note without a value
    grids.checks.Paint(3, 2, 3, 2, kFailRed);
    grids.checks.SetText(3, 2, "0.990");  // a value without a note
    for (const VerdictResult& v : ReadVerdicts(grids))
        EXPECT_EQ(v.state, VerdictState::Missing) << v.cell->name;
}

}  // namespace
}  // namespace vantrel
