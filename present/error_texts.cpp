#include "error_texts.h"

namespace vantrel {

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

std::string ErrorLine(const ChainError& error) {
    return "Error " + std::to_string(error.number) + " (" + error.description + ") in " +
           error.procedure + " of " + error.module;
}

}  // namespace vantrel
