#pragma once
// The presenters: the texts, colours and bold of the three result grids, from
// the design record and the results of one calculation. After an errored run
// the grids show what a freshly started window shows.

#include "model/design_record.h"
#include "model/design_results.h"
#include "result_grids.h"

namespace vantrel {

void PresentSummary(const DesignRecord& record, const DesignResults& results, SummaryGrid& grid);
void PresentChecks(const DesignRecord& record, const DesignResults& results, ChecksGrid& grid);
void PresentParameters(const DesignRecord& record, const DesignResults& results,
                       ParametersGrid& grid);
void PresentGrids(const DesignRecord& record, const DesignResults& results, ResultGrids& grids);

}  // namespace vantrel
