#pragma once
// The current-code items of an RBS connection: AISC 358-16 Chapter 5 with
// AISC 341-16 and AISC 360-16 (LRFD), evaluated for the same design as the
// FEMA 350 chain and from that chain's stored values. Pure C++, no Qt.

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "model/design_inputs.h"
#include "model/design_record.h"
#include "model/step_formulas.h"

namespace vantrel::current {

enum class ItemStatus { Pass, Fail, Required, NotRequired, Exempt, NotApplicable, Info };

// "pass", "fail", "required", "not required", "exempt", "n/a", "info".
std::string_view StatusText(ItemStatus status);

// How the window, the report and the command line group the items.
enum class ItemGroup { Prequalification, Strength, Slenderness, PlatesAndDetails, Bracing };

// "Prequalification limits", "Strength", "Slenderness", "Plates and details",
// "Bracing and detailing".
std::string_view GroupTitle(ItemGroup group);

struct Item {
    std::string_view id;         // "cut_a", "flexure_face", ...
    std::string_view label;      // a short caption for tables ("RBS cut a")
    std::string_view reference;  // "358 5.8-1"
    std::string_view unit;       // "in", "kip", "ft-kip", "ft", "" for a pure number
    ItemGroup group = ItemGroup::Prequalification;
    std::optional<double> value, min, max, ratio;
    ItemStatus status = ItemStatus::Info;
};

enum class SeismicSystem { SMF, IMF };

struct Aisc358Result {
    SeismicSystem system = SeismicSystem::SMF;
    bool pass = false;        // no item has status Fail
    double sumMpc = 0;        // ΣM*pc, ft-kip
    double sumMpb = 0;        // ΣM*pb, ft-kip
    std::vector<Item> items;  // in the order of the design basis
};

// Everything the items read, as doubles, so that a caller without a full
// design record (the design search) can fill it per pair.
struct Aisc358Basis {
    int beamIndex = -1;    // shape-table index of the beam (ShapeAt, detail table)
    int columnIndex = -1;  // shape-table index of the column
    SeismicSystem system = SeismicSystem::SMF;
    bool columnAbove = false;
    double Puc = 0;  // kip, the single-precision value of the input text
    // The FEMA 350 chain's stored values of the same run.
    double a = 0, b = 0, c = 0, R = 0, Zrbs = 0, Fy = 0, Fu = 0, Ry = 0;
    double Mpr = 0, Vp = 0, X = 0, Lprime = 0, Mf = 0, Vg = 0, L = 0;
    double h = 0;   // in, the storey height as the panel-zone check stores it
    double wu = 0;  // k/ft, 1.2 D + 0.5 L of the distributed loads
    PointLoads points{};
};

// The chain's stored values the items read, from the design record or the
// search's pair outcome, which name them alike.
template <class Stored>
void TakeStoredValues(const Stored& s, Aisc358Basis& basis) {
    basis.a = s.a;
    basis.b = s.b;
    basis.c = s.c;
    basis.R = s.R;
    basis.Zrbs = s.Zrbs;
    basis.Mpr = s.Mpr;
    basis.Vp = s.Vp;
    basis.X = s.X;
    basis.Lprime = s.Lprime;
    basis.Mf = s.Mf;
    basis.Vg = s.Vg;
}

// ColumnAxialLoad as the items take it: the single-precision value of the
// text. No value when the text is not a number or lies beyond single
// precision, or when it is negative (a tension the checks do not cover).
struct AxialLoadReading {
    std::optional<double> value;
    bool negative = false;
};
AxialLoadReading ReadAxialLoad(const std::string& text);

// Why a negative ColumnAxialLoad leaves no section.
inline constexpr std::string_view kNegativeAxialLoadReason =
    "The column's axial load is negative: the current-code checks cover compression only.";

// The basis of a finished FEMA 350 run, or nothing when the inputs' shapes
// are not in the table or ColumnAxialLoad gives no value (ReadAxialLoad).
std::optional<Aisc358Basis> BasisFrom(const DesignInputs& inputs, const DesignRecord& record);

// The items of one basis, in their order, with the overall verdict.
Aisc358Result EvaluateAisc358(const Aisc358Basis& basis);

// The section of a run: nothing when the FEMA 350 run reported an error or
// the basis cannot be formed; the items otherwise.
std::optional<Aisc358Result> EvaluateAisc358(const DesignInputs& inputs, const DesignRecord& record,
                                             bool femaRunErrored);

// How the window, the report and calc's table show column_bracing's value:
// "top flange only" (1) or "top and bottom flanges" (2).
std::string_view BracedFlangesText(double levels);

// The assumptions to print with the results, in order.
const std::vector<std::string_view>& Assumptions();

// The differences from the FEMA 350 chain, for the report's note.
const std::vector<std::string_view>& DifferencesFromFema350();

}  // namespace vantrel::current
