#include "chain_error.h"

namespace vantrel {

const char* ErrorDescription(int number) {
    switch (number) {
        case kErrInvalidArgument:
            return "Invalid procedure call or argument";
        case kErrOverflow:
            return "Overflow";
        case kErrDivisionByZero:
            return "Division by zero";
        case kErrTypeMismatch:
            return "Type mismatch";
        default:
            return "Application-defined or object-defined error";
    }
}

}  // namespace vantrel
