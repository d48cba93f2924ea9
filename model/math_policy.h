#pragma once
// The two arithmetics the formulas of a step run over (step_formulas.h,
// checks/check_formulas.h).
// - ThrowingMath is the chain's: a failing operation raises ChainFault, which
//   the procedure's trap reports (chain_math.h).
// - FlaggingMath is the search's inner loop: a failing operation marks the
//   evaluation failed and yields 1; the caller discards every value of a
//   failed evaluation, so what later operations make of that 1 does not matter.
// Both fail on exactly the same operations.

#include <cmath>

#include "chain_error.h"
#include "chain_math.h"

namespace vantrel {

class ThrowingMath {
  public:
    double Divide(double a, double b) { return vantrel::Divide(a, b); }
    double SquareRoot(double x) { return vantrel::SquareRoot(x); }
    float Single(double x) { return vantrel::Single(x); }
    // FormatRound(x, "0.0"), "0.00" or "0.000" for decimals 1, 2 or 3.
    float FormatRound(double x, int decimals);
    // A value the chain refuses outright ("Invalid procedure call or argument"),
    // with the cause the user is told.
    [[noreturn]] void Refuse(const char* cause) { RaiseFault(kErrInvalidArgument, cause); }
};

class FlaggingMath {
  public:
    // a / b: fails where Divide of the chain raises (x/0, 0/0, NaN, overflow).
    double Divide(double a, double b) {
        if (std::isnan(a) || std::isnan(b) || b == 0.0) return Fail();
        const double q = a / b;
        return std::isfinite(q) ? q : Fail();
    }
    double SquareRoot(double x) {
        if (std::isnan(x) || x < 0.0) return Fail();
        return std::sqrt(x);
    }
    // The value stored as single precision; fails where it would be infinite.
    float Single(double x) {
        // Values from FLT_MAX up to the midpoint below 2^128 round down to
        // FLT_MAX; from that midpoint on the conversion gives infinity.
        constexpr double kOverflowFrom = 0x1.ffffffp127;
        if (!(std::fabs(x) < kOverflowFrom)) return static_cast<float>(Fail());
        return static_cast<float>(x);
    }
    float FormatRound(double x, int decimals);
    void Refuse(const char* /*cause*/) { failed_ = true; }
    bool failed() const { return failed_; }

  private:
    double Fail() {
        failed_ = true;
        return 1.0;
    }
    bool failed_ = false;
};

// The float that FormatRound of the chain gives, or false where that raises
// an error, without writing the text where the rounding is clear. Exposed for
// the tests of the rounding.
bool FastFormatRound(double x, int decimals, float& result);

}  // namespace vantrel
