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
    std::string cause;  // one line on what was wrong; empty where the chain cannot tell
};

// The causes of error 5 that the chain names.
inline constexpr const char* kCauseHingesMeet =
    "The RBS hinges meet or pass each other: the beam is too short for its column and cuts.";
inline constexpr const char* kCauseNegativeLoad = "A gravity load is negative.";
inline constexpr const char* kCauseLoadOffTheBeam = "A point load lies beyond the beam's length.";
inline constexpr const char* kCauseUnknownGrade =
    "The steel grade is not one of the list's entries.";
inline constexpr const char* kCauseNegativeCut = "A cut dimension is negative.";

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

}  // namespace vantrel
