#pragma once
// Runs one check on a hand-made record, so boundaries can be hit exactly.

#include "checks/checks.h"
#include "support/design_fixture.h"

namespace vantrel::test {

struct CheckRun : Calculated {
    DesignInputs inputs = NewDesignInputs();

    CheckRun() { ClearValues(state.record); }

    template <typename Procedure>
    void RunCheck(Procedure procedure) {
        CalcContext ctx{state.record, inputs, state.grids, state.labels, errors};
        procedure(ctx);
    }
    const GridCell& checksCell(int row, int column) const {
        return state.grids.checks.Cell(row, column);
    }
    const GridCell& parametersCell(int row, int column) const {
        return state.grids.parameters.Cell(row, column);
    }
};

}  // namespace vantrel::test
