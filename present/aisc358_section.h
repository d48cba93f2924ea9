#pragma once
// The current-code items of a run as the window's "AISC 358-16" tab and the
// report's current-code pages (page 4 on) show them: one row of texts per
// item under the title of its group, the overall verdict, and why there are
// no items when there are none. Pure C++, no Qt.

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "current/aisc358.h"
#include "result_grid.h"

namespace vantrel {

// The section of one run, or the reason it has none.
struct Aisc358Section {
    std::optional<current::Aisc358Result> result;
    // Why there is no result; empty when the design was never calculated.
    std::string absence;
};

// The items of a finished FEMA 350 run; nothing after an errored run or when
// the column axial load is not a number or is negative, with the reason.
Aisc358Section EvaluateSection(const DesignInputs& inputs, const DesignRecord& record,
                               bool femaRunErrored);

struct Aisc358Row {
    bool groupTitle = false;  // only label is set
    std::string id;
    std::string label;
    std::string value;  // with its unit; empty when the item has no value
    std::string limit;  // "≥ 7.000", "≤ 36.000 in", "3.250 to 4.875 in" or empty
    std::string ratio;
    std::string status;
    std::string reference;
    Rgb colour = kWhite;  // of the status
};

// The groups in their order, each followed by its items in the result's order.
std::vector<Aisc358Row> Aisc358Rows(const current::Aisc358Result& result);

// The codes the items check.
inline constexpr std::string_view kAisc358Basis = "AISC 358-16, AISC 341-16, AISC 360-16 (LRFD)";

// kAisc358Basis and, with a result, its system: "..., SMF".
std::string Aisc358BasisText(const Aisc358Section& section);

// The ids of the failing items, joined by sep.
std::string FailingItems(const current::Aisc358Result& result, std::string_view sep = ", ");

// The overall verdict: whether the design meets the current code, the items
// that fail and the plates it requires; or the reason there is no result.
std::string Aisc358VerdictText(const Aisc358Section& section);

// "ΣM*pc = 654.167 ft-kip, ΣM*pb = 427.300 ft-kip", empty without a result.
std::string Aisc358MomentSumsText(const Aisc358Section& section);

// Pass green, fail red, required amber, every other status white.
Rgb StatusColour(current::ItemStatus status);

inline constexpr Rgb kRequiredAmber = 0xFFBF00;

}  // namespace vantrel
