#pragma once
// Runs one check on a hand-made record, so boundaries can be hit exactly.

#include "checks/checks.h"
#include "present/grid_presenters.h"
#include "support/design_fixture.h"

namespace vantrel::test {

struct CheckRun : Calculated {
    DesignInputs inputs = NewDesignInputs();

    CheckRun() { ClearValues(state.record); }

    // Runs one procedure, then presents the grids as Calculate would.
    template <typename Procedure>
    void RunCheck(Procedure procedure) {
        state.results.smrf = inputs.IsSMRF();
        CalcContext ctx{state.record, inputs, state.results, errors};
        procedure(ctx);
        state.results.errored = !errors.errors.empty();
        PresentGrids(state.record, state.results, state.grids);
    }
    const GridCell& checksCell(int row, int column) const {
        return state.grids.checks.Cell(row, column);
    }
    const GridCell& parametersCell(int row, int column) const {
        return state.grids.parameters.Cell(row, column);
    }
};

}  // namespace vantrel::test
