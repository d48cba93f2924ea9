// The items of the design basis, evaluated in double precision from the
// FEMA 350 chain's stored values and the shape tables. Every expression is
// written in the order of the basis's formulas, so that each value is
// reproducible to the last bit.
#include "aisc358.h"

#include <algorithm>
#include <cmath>
#include <limits>

#include "item_catalog.h"
#include "model/number_text.h"
#include "model/shape_table.h"
#include "shape_details.h"

namespace vantrel::current {
namespace {

constexpr double kE = 29000.0;  // ksi
// The stored cut dimensions are rounded to 0.001 in.
constexpr double kCutTolerance = 0.0005;

// An item's number that does not apply. Any number that is not finite is
// absent as well, so nothing undefined is ever shown.
constexpr double kAbsent = std::numeric_limits<double>::quiet_NaN();

std::optional<double> Finite(double v) {
    return std::isfinite(v) ? std::optional<double>(v) : std::nullopt;
}

class ItemList {
  public:
    explicit ItemList(std::vector<Item>& items) : items_(items) { items_.reserve(kItemCount); }

    void Add(ItemId id, double value, double min, double max, double ratio, ItemStatus status) {
        const ItemTexts& texts = TextsOf(id);
        Item& item = items_.emplace_back();
        item.id = texts.id;
        item.label = texts.label;
        item.reference = texts.reference;
        item.unit = texts.unit;
        item.group = texts.group;
        item.value = Finite(value);
        item.min = Finite(min);
        item.max = Finite(max);
        item.ratio = Finite(ratio);
        item.status = status;
    }

  private:
    std::vector<Item>& items_;
};

ItemStatus PassIf(bool passes) {
    return passes ? ItemStatus::Pass : ItemStatus::Fail;
}

ItemStatus CutStatus(double value, double min, double max) {
    return PassIf(min - kCutTolerance <= value && value <= max + kCutTolerance);
}

// 360 G2.1: φv·Vn of a rolled I-shape web.
double BeamShearStrength(double Fy, double d, double tw, double hOverTw) {
    const double Aw = d * tw;
    double phiV = 1.0;
    double Cv1 = 1.0;
    if (!(hOverTw <= 2.24 * std::sqrt(kE / Fy))) {
        phiV = 0.9;
        const double kv = 5.34;
        const double limit = 1.10 * std::sqrt(kv * kE / Fy);
        Cv1 = hOverTw <= limit ? 1.0 : limit / hOverTw;
    }
    return phiV * 0.6 * Fy * Aw * Cv1;
}

// 341 D1.1, LRFD: the web limit of a member with axial force ratio Ca.
double ColumnWebLimit(bool smf, double lambdaS, double Ca) {
    if (smf) {
        return Ca <= 0.114 ? 2.57 * lambdaS * (1 - 1.04 * Ca)
                           : std::max(0.88 * lambdaS * (2.68 - Ca), 1.57 * lambdaS);
    }
    return Ca <= 0.114 ? 3.96 * lambdaS * (1 - 3.04 * Ca)
                       : std::max(1.29 * lambdaS * (2.12 - Ca), 1.57 * lambdaS);
}

void Evaluate(const Aisc358Basis& in, Aisc358Result& result) {
    const WShape& beam = ShapeAt(in.beamIndex);
    const WShape& column = ShapeAt(in.columnIndex);
    const ShapeDetail& beamDetail = ShapeDetailAt(in.beamIndex);
    const ShapeDetail& columnDetail = ShapeDetailAt(in.columnIndex);
    const bool smf = in.system == SeismicSystem::SMF;
    const double bf = beam.bf, d = beam.d, tf = beam.tf, tw = beam.tw;
    const double bcf = column.bf, dc = column.d, tcf = column.tf, tcw = column.tw;
    const double Ag = column.A, Zc = column.Zx;
    const double Fy = in.Fy, Ry = in.Ry, Puc = in.Puc;
    const double lambdaS = std::sqrt(kE / (Ry * Fy));
    using enum ItemId;
    using enum ItemStatus;
    ItemList items(result.items);

    // Prequalification limits (358 5.3).
    items.Add(CutA, in.a, 0.5 * bf, 0.75 * bf, kAbsent, CutStatus(in.a, 0.5 * bf, 0.75 * bf));
    items.Add(CutB, in.b, 0.65 * d, 0.85 * d, kAbsent, CutStatus(in.b, 0.65 * d, 0.85 * d));
    items.Add(CutC, in.c, 0.1 * bf, 0.25 * bf, kAbsent, CutStatus(in.c, 0.1 * bf, 0.25 * bf));
    items.Add(BeamDepth, beamDetail.nominalDepth, kAbsent, 36.0, kAbsent,
              PassIf(beamDetail.nominalDepth <= 36.0));
    items.Add(BeamWeight, beamDetail.nominalWeight, kAbsent, 302.0, kAbsent,
              PassIf(beamDetail.nominalWeight <= 302.0));
    items.Add(BeamFlangeThickness, tf, kAbsent, 1.75, kAbsent, PassIf(tf <= 1.75));
    const double spanDepth = (12 * in.L - dc) / d;
    const double minSpanDepth = smf ? 7.0 : 5.0;
    items.Add(BeamSpanDepth, spanDepth, minSpanDepth, kAbsent, kAbsent,
              PassIf(spanDepth >= minSpanDepth));
    items.Add(ColumnDepth, columnDetail.nominalDepth, kAbsent, 36.0, kAbsent,
              PassIf(columnDetail.nominalDepth <= 36.0));

    // Strength.
    const double phiMpe = 1.0 * (Ry * Fy * beam.Zx / 12);
    const double flexureRatio = in.Mf / phiMpe;
    items.Add(FlexureFace, in.Mf, kAbsent, phiMpe, flexureRatio, PassIf(flexureRatio <= 1));
    const double phiVn = BeamShearStrength(Fy, d, tw, beamDetail.hOverTw);
    const double shearRatio = in.Vp / phiVn;
    items.Add(BeamShear, in.Vp, kAbsent, phiVn, shearRatio, PassIf(shearRatio <= 1));

    // Slenderness (341 D1.1).
    const double flangeLimit = (smf ? 0.32 : 0.40) * lambdaS;
    const double wr =
        bf - 2 * in.c + 2 * in.R - 2 * std::sqrt(in.R * in.R - (in.b / 3) * (in.b / 3));
    const double beamFlange = wr / (2 * tf);
    items.Add(BeamFlangeSlenderness, beamFlange, kAbsent, flangeLimit, kAbsent,
              PassIf(beamFlange <= flangeLimit));
    const double beamWebLimit = (smf ? 2.57 : 3.96) * lambdaS;
    items.Add(BeamWebSlenderness, beamDetail.hOverTw, kAbsent, beamWebLimit, kAbsent,
              PassIf(beamDetail.hOverTw <= beamWebLimit));
    const double columnFlange = bcf / (2 * tcf);
    items.Add(ColumnFlangeSlenderness, columnFlange, kAbsent, flangeLimit, kAbsent,
              PassIf(columnFlange <= flangeLimit));
    const double Py = Fy * Ag;
    const double Ca = Puc / (0.9 * Py);
    const double columnWebLimit = ColumnWebLimit(smf, lambdaS, Ca);
    items.Add(ColumnWebSlenderness, columnDetail.hOverTw, kAbsent, columnWebLimit, kAbsent,
              PassIf(columnDetail.hOverTw <= columnWebLimit));

    // Plates and details.
    const double continuityMin = std::max(0.4 * std::sqrt(1.8 * bf * tf), bf / 6);
    items.Add(ContinuityPlates, tcf, continuityMin, kAbsent, kAbsent,
              tcf >= continuityMin ? NotRequired : Required);

    const double Ru = 12 * in.Mf / (d - tf);
    const double Pc = Fy * Ag;
    const double kp = Puc <= 0.4 * Pc ? 1.0 : 1.4 - Puc / Pc;
    const double phi = smf ? 1.0 : 0.9;
    if (kp <= 0) {
        // No panel-zone strength is left: doublers are needed, but no
        // thickness follows from the formula.
        items.Add(PanelZoneShear, Ru, kAbsent, 0.0, kAbsent, Required);
        items.Add(DoublerThickness, kAbsent, kAbsent, kAbsent, kAbsent, Info);
    } else {
        const double phiRn = phi * (0.60 * Fy * dc * tcw * kp);
        const double ratio = Ru / phiRn;
        const bool passes = ratio <= 1;
        items.Add(PanelZoneShear, Ru, kAbsent, phiRn, ratio, passes ? Pass : Required);
        const double doubler = passes ? 0.0 : (Ru - phiRn) / (phi * 0.60 * Fy * dc * kp);
        items.Add(DoublerThickness, doubler, kAbsent, kAbsent, kAbsent, Info);
    }
    const double dz = d - 2 * tf;
    const double wz = dc - 2 * tcf;
    const double zoneMin = (dz + wz) / 90;
    items.Add(PanelZoneThickness, tcw, zoneMin, kAbsent, kAbsent,
              !smf ? NotApplicable : (tcw >= zoneMin ? Pass : Required));

    const double n = in.columnAbove ? 2.0 : 1.0;
    result.sumMpc = n * Zc * (Fy - Puc / Ag) / 12;
    const double Muv = in.Vp * (in.a + in.b / 2 + dc / 2) / 12;
    result.sumMpb = in.Mpr + Muv;
    const double strongColumn = result.sumMpc / result.sumMpb;
    ItemStatus strongStatus = NotApplicable;
    if (smf) {
        const bool exempt = !in.columnAbove && Puc < 0.3 * Fy * Ag;
        strongStatus = exempt ? Exempt : PassIf(strongColumn > 1.0);
    }
    items.Add(StrongColumn, strongColumn, 1.0, kAbsent, kAbsent, strongStatus);

    // Bracing and detailing: requirements for the drawings.
    const double k = smf ? 0.095 : 0.19;
    items.Add(BracingSpacing, k * beam.ry * kE / (Ry * Fy) / 12, kAbsent, kAbsent, kAbsent, Info);
    items.Add(SupplementalBrace, in.a + in.b + d / 2, kAbsent, kAbsent, kAbsent, Info);
    items.Add(ProtectedZone, in.a + in.b, kAbsent, kAbsent, kAbsent, Info);
    items.Add(BraceStrength, 0.06 * Ry * Fy * in.Zrbs / beamDetail.ho, kAbsent, kAbsent, kAbsent,
              Info);
    items.Add(DriftFactor, 1 + 0.1 * (2 * in.c / bf) / 0.5, kAbsent, kAbsent, kAbsent, Info);

    result.pass = true;
    for (const Item& item : result.items) result.pass = result.pass && item.status != Fail;
}

bool IsShapeIndex(int index) {
    return index >= 0 && index < kShapeCount;
}

}  // namespace

Aisc358Result EvaluateAisc358(const Aisc358Basis& basis) {
    Aisc358Result result;
    result.system = basis.system;
    if (!IsShapeIndex(basis.beamIndex) || !IsShapeIndex(basis.columnIndex)) return result;
    try {
        Evaluate(basis, result);
    } catch (...) {
        // Out of memory for the item list: no items, and no verdict of pass.
        result.items.clear();
        result.pass = false;
    }
    return result;
}

std::optional<Aisc358Basis> BasisFrom(const DesignInputs& inputs, const DesignRecord& r) {
    Aisc358Basis basis;
    basis.beamIndex = ShapeIndex(inputs.Beam);
    basis.columnIndex = ShapeIndex(inputs.Column);
    if (!IsShapeIndex(basis.beamIndex) || !IsShapeIndex(basis.columnIndex)) return std::nullopt;
    // Puc is stored as single precision, like the loads.
    const ParsedNumber puc = ParseNumber(inputs.ColumnAxialLoad);
    if (!puc.ok()) return std::nullopt;
    const float single = static_cast<float>(puc.value);
    if (!std::isfinite(single)) return std::nullopt;
    basis.Puc = single;
    basis.system = inputs.FRAMETYPE == "SMRF" ? SeismicSystem::SMF : SeismicSystem::IMF;
    basis.columnAbove = inputs.ColumnAbove == "Yes";
    TakeStoredValues(r, basis);
    basis.Fy = r.Fy;
    basis.Fu = r.Fu;
    basis.Ry = r.Ry;
    basis.L = r.L;
    return basis;
}

std::optional<Aisc358Result> EvaluateAisc358(const DesignInputs& inputs, const DesignRecord& record,
                                             bool femaRunErrored) {
    if (femaRunErrored) return std::nullopt;
    try {
        const std::optional<Aisc358Basis> basis = BasisFrom(inputs, record);
        if (!basis) return std::nullopt;
        Aisc358Result result = EvaluateAisc358(*basis);
        if (result.items.empty()) return std::nullopt;
        return result;
    } catch (...) {
        return std::nullopt;
    }
}

}  // namespace vantrel::current
