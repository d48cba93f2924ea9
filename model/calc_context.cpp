#include "calc_context.h"

namespace vantrel {

void ReportError(CalcContext& ctx, std::string_view module, std::string_view procedure, int number,
                 const char* cause) {
    ChainError error;
    error.module.assign(module);
    error.procedure.assign(procedure);
    error.number = number;
    error.description = ErrorDescription(number);
    if (cause != nullptr) error.cause = cause;
    ctx.errors.ReportError(error);
}

}  // namespace vantrel
