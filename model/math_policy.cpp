#include "math_policy.h"

#include <string_view>

namespace vantrel {
namespace {

constexpr std::string_view kPatterns[] = {"0", "0.0", "0.00", "0.000"};
constexpr double kScales[] = {1.0, 10.0, 100.0, 1000.0};

// Largest |x|·10^k handled without the text: the rounded integer n then
// stays below 2^24, so n and 10^k are exact floats.
constexpr double kFastLimit = 16777215.0;

// How close to a rounding tie the fast path declines. Format rounds the
// 15-significant-digit text of x, not x itself; that text differs from x by at
// most 5e-15·|x|, and the product x·10^k is off by at most one half ulp. Below
// kFastLimit both together stay under 1e-7 in units of 10^-k, so a fraction
// farther than this from one half rounds the same way in the text and here.
constexpr double kTieMargin = 1e-6;

}  // namespace

// Format(x, pattern) writes sign·n/10^k with n = |x|·10^k rounded half away
// from zero (after the 15-digit step, see kTieMargin). FormatRound reads that
// text back as the nearest float of n/10^k. With n and 10^k exact floats, one
// IEEE float division gives that same nearest float: it is correctly rounded,
// and n/10^k is never halfway between two floats (were it a dyadic fraction
// it would have fewer than 24 significant bits and be a float itself).
bool FastFormatRound(double x, int decimals, float& result) {
    if (!std::isfinite(x)) return false;
    const double scaled = std::fabs(x) * kScales[decimals];
    if (scaled < kFastLimit) {
        const double whole = std::floor(scaled);
        const double fraction = scaled - whole;  // exact
        if (std::fabs(fraction - 0.5) > kTieMargin) {
            const double n = fraction > 0.5 ? whole + 1.0 : whole;
            if (n == 0.0) {
                result = 0.0f;  // the text "0.00" carries no sign
                return true;
            }
            const float q = static_cast<float>(n) / static_cast<float>(kScales[decimals]);
            result = x < 0.0 ? -q : q;
            return true;
        }
    }
    try {
        result = vantrel::FormatRound(x, kPatterns[decimals]);
        return true;
    } catch (const ChainFault&) {
        return false;
    }
}

float ThrowingMath::FormatRound(double x, int decimals) {
    return vantrel::FormatRound(x, kPatterns[decimals]);
}

float FlaggingMath::FormatRound(double x, int decimals) {
    float result = 0.0f;
    if (!FastFormatRound(x, decimals, result)) return static_cast<float>(Fail());
    return result;
}

}  // namespace vantrel
