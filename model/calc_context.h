#pragma once
// What one run of the calculation chain works on.

#include <string_view>

#include "chain_error.h"
#include "chain_math.h"
#include "design_inputs.h"
#include "design_record.h"
#include "result_grids.h"
#include "sketch_labels.h"

namespace vantrel {

struct CalcContext {
    DesignRecord& record;
    const DesignInputs& inputs;
    ResultGrids& grids;
    SketchLabels& labels;
    ErrorSink& errors;
};

// Hands a trapped error to the sink, then empties the grids' value cells.
void ReportError(CalcContext& ctx, std::string_view module, std::string_view procedure,
                 int number);

// The error trap of one procedure of the chain: runs body, and on a run-time
// error ends it there and reports it; the chain then goes on.
template <typename Body>
void RunTrapped(CalcContext& ctx, std::string_view module, std::string_view procedure,
                Body&& body) {
    try {
        body();
    } catch (const ChainFault& fault) {
        ReportError(ctx, module, procedure, fault.number);
    }
}

}  // namespace vantrel
