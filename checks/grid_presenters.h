#pragma once
// The presenters: the texts, colours and bold of the three result grids and
// the sketch's labels, from the design record and the results of one
// calculation. After an errored run the grids show what a freshly started
// window shows.

#include <string>

#include "model/design_inputs.h"
#include "model/design_record.h"
#include "model/design_results.h"
#include "model/result_grids.h"
#include "model/sketch_labels.h"

namespace vantrel {

void PresentSummary(const DesignRecord& record, const DesignResults& results, ResultGrid& grid);
void PresentChecks(const DesignRecord& record, const DesignResults& results, ResultGrid& grid);
void PresentParameters(const DesignRecord& record, const DesignResults& results, ResultGrid& grid);
void PresentGrids(const DesignRecord& record, const DesignResults& results, ResultGrids& grids);
// Freshly laid-out grids presented from the values (for the report).
ResultGrids PresentedGrids(const DesignRecord& record, const DesignResults& results);

// The "Fl. Width =" label of a shape: its flange width in inches.
std::string FlangeWidthLabel(const WShape& shape);

// The shape names and flange widths, the length, and the a, b, c and R
// texts of the presented summary grid.
void PresentLabels(const DesignInputs& inputs, const DesignRecord& record,
                   const ResultGrid& summary, SketchLabels& labels);

}  // namespace vantrel
