#pragma once
// Run-time errors of the calculation chain and the interface through which
// they reach the user (a message box in the window, a list in the CLI).

#include <string>
#include <vector>

namespace vantrel {

enum ErrorNumber : int {
    kErrInvalidArgument = 5,  // "Invalid procedure call or argument"
    kErrOverflow = 6,         // "Overflow"
    kErrDivisionByZero = 11,  // "Division by zero"
    kErrTypeMismatch = 13,    // "Type mismatch"
};

const char* ErrorDescription(int number);

struct ChainError {
    std::string module;     // "Tab1", "Tab2", "Tab4"
    std::string procedure;  // e.g. "CalculateCutout"
    int number = 0;
    std::string description;
    std::string source = "Vantrel";
};

// Receives each trapped error of the chain, in chain order.
class ErrorSink {
public:
    virtual ~ErrorSink() = default;
    virtual void ReportError(const ChainError& error) = 0;
};

// Keeps the errors for later inspection (command line, tests, search).
class CollectingErrorSink final : public ErrorSink {
public:
    void ReportError(const ChainError& error) override { errors.push_back(error); }
    std::vector<ChainError> errors;
};

// The message box texts of a reported error.
std::string ErrorPrompt(const ChainError& error);
std::string ErrorTitle(const ChainError& error);

}  // namespace vantrel
