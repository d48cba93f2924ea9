#include "calc_context.h"

namespace vantrel {

void ReportError(CalcContext& ctx, std::string_view module, std::string_view procedure,
                 int number) {
    ChainError error;
    error.module.assign(module);
    error.procedure.assign(procedure);
    error.number = number;
    error.description = ErrorDescription(number);
    ctx.errors.ReportError(error);
}

}  // namespace vantrel
