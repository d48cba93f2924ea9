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

std::string ErrorPrompt(const ChainError& error) {
    std::string prompt = "An unexpected error has occured in the \"";
    prompt += error.procedure;
    prompt += "\" of \"";
    prompt += error.module;
    prompt += "\".\r\n(ERROR: \"";
    prompt += error.description;
    prompt += "\" ). \r\n";
    if (!error.cause.empty()) prompt += error.cause + "\r\n";
    prompt += "\r\n";
    return prompt;
}

std::string ErrorTitle(const ChainError& error) {
    return std::to_string(error.number) + " : " + error.source;
}

}  // namespace vantrel
