#pragma once
// Checked arithmetic for the bodies of the chain's procedures. A failing
// operation throws ChainFault, which never leaves the procedure: each one
// traps it with RunTrapped (calc_context.h) and reports it.

#include <cstdint>
#include <string_view>

namespace vantrel {

struct ChainFault {
    int number;
    const char* cause = nullptr;  // what the user is told was wrong, where known
};

[[noreturn]] void RaiseFault(int number, const char* cause = nullptr);

// a / b: a nonzero a over zero is "Division by zero"; 0/0 or a result out of
// the double range is "Overflow".
double Divide(double a, double b);

// Square root; a negative argument is "Invalid procedure call or argument".
double SquareRoot(double x);

// The value stored as single precision; out of the float range is "Overflow".
float Single(double x);

// An input text as a number (conversion error: "Type mismatch").
double DoubleFromText(std::string_view text);
float SingleFromText(std::string_view text);

// The single-precision value of Format(x, pattern).
float FormatRound(double x, std::string_view pattern);

// 16-bit integer arithmetic.
int16_t Int16(long value);

}  // namespace vantrel
