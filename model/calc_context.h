#pragma once
// What one run of the calculation chain works on.

#include <string_view>

#include "chain_error.h"
#include "chain_math.h"
#include "design_inputs.h"
#include "design_record.h"
#include "design_results.h"

namespace vantrel {

// The steps store values only: the record's, and the cut's sources and the
// checks' values and verdicts in results. Presenters write the texts later.
struct CalcContext {
    DesignRecord& record;
    const DesignInputs& inputs;
    DesignResults& results;
    ErrorSink& errors;
};

// Hands a trapped error, named by its module and procedure, to the sink;
// cause (or nullptr) says what was wrong where the chain knows it.
void ReportError(CalcContext& ctx, std::string_view module, std::string_view procedure, int number,
                 const char* cause = nullptr);

// The error trap of one procedure of the chain: runs body, and on a run-time
// error ends it there and reports it; the chain then goes on.
template <typename Body>
void RunTrapped(CalcContext& ctx, std::string_view module, std::string_view procedure,
                Body&& body) {
    try {
        body();
    } catch (const ChainFault& fault) {
        ReportError(ctx, module, procedure, fault.number, fault.cause);
    }
}

}  // namespace vantrel
