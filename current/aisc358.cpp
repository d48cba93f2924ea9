// The items of the design basis, evaluated in double precision from the
// FEMA 350 chain's stored values and the shape tables. Every expression is
// written in the order of the basis's formulas, so that each value is
// reproducible to the last bit.
#include "aisc358.h"

#include <algorithm>
#include <cmath>
#include <limits>

#include "item_catalog.h"
#include "model/calculations.h"
#include "model/number_text.h"
#include "model/shape_table.h"
#include "shape_details.h"
#include "strength_formulas.h"

namespace vantrel::current {
namespace {

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

    bool Is(ItemId id, ItemStatus status) const {
        return items_[static_cast<size_t>(id)].status == status;
    }

  private:
    std::vector<Item>& items_;
};

ItemStatus PassIf(bool passes) {
    return passes ? ItemStatus::Pass : ItemStatus::Fail;
}

// The column without continuity plates (360 J10.1-J10.3): a shortfall asks
// for plates, it does not fail the design.
ItemStatus PassOrPlates(double ratio) {
    return ratio <= 1 ? ItemStatus::Pass : ItemStatus::Required;
}

ItemStatus CutStatus(double value, double min, double max) {
    return PassIf(min - kCutTolerance <= value && value <= max + kCutTolerance);
}

void Evaluate(const Aisc358Basis& in, Aisc358Result& result) {
    const WShape& beam = ShapeAt(in.beamIndex);
    const WShape& column = ShapeAt(in.columnIndex);
    const ShapeDetail& beamDetail = ShapeDetailAt(in.beamIndex);
    const ShapeDetail& columnDetail = ShapeDetailAt(in.columnIndex);
    const bool smf = in.system == SeismicSystem::SMF;
    const bool roof = !in.columnAbove;
    const double bf = beam.bf, d = beam.d, tf = beam.tf, tw = beam.tw;
    const double bcf = column.bf, dc = column.d, tcf = column.tf, tcw = column.tw;
    const double Ag = column.A, Zc = column.Zx;
    const ColumnSection section{
        dc, tcf, tcw, Ag, column.ry, columnDetail.hOverTw, columnDetail.kdes};
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
    const double Mpe = Ry * Fy * beam.Zx / 12;
    const double phiMpe = 1.0 * Mpe;
    const double flexureRatio = in.Mf / phiMpe;
    items.Add(FlexureFace, in.Mf, kAbsent, phiMpe, flexureRatio, PassIf(flexureRatio <= 1));
    const std::optional<double> spanMoment =
        LargestSpanMoment({in.Mpr, in.Lprime, dc / 24 + in.X / 12, in.wu, in.points});
    if (spanMoment) {
        items.Add(HingeLocation, *spanMoment, kAbsent, Mpe, *spanMoment / Mpe,
                  PassIf(*spanMoment <= Mpe));
    } else {
        items.Add(HingeLocation, kAbsent, kAbsent, Mpe, kAbsent, Pass);
    }
    // The shear at the column face, never below the hinge's carried there.
    const double Vu = std::max(2 * in.Mpr / in.Lprime + in.Vg, in.Vp + in.wu * in.X / 12);
    const double phiVn = BeamShearStrength(Fy, d, tw, beamDetail.hOverTw);
    const double shearRatio = Vu / phiVn;
    items.Add(BeamShear, Vu, kAbsent, phiVn, shearRatio, PassIf(shearRatio <= 1));
    const double phiPn = ColumnAxialStrength(section, Fy, in.h);
    const double axialRatio = Puc / phiPn;
    items.Add(ColumnAxial, Puc, kAbsent, phiPn, axialRatio, PassIf(axialRatio <= 1));

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
    const double Py = Ry * Fy * Ag;
    const double Ca = Puc / (0.9 * Py);
    const double columnWebLimit = ColumnWebLimit(smf, lambdaS, Ca);
    items.Add(ColumnWebSlenderness, columnDetail.hOverTw, kAbsent, columnWebLimit, kAbsent,
              PassIf(columnDetail.hOverTw <= columnWebLimit));

    // Plates and details.
    const double continuityMin = std::max(0.4 * std::sqrt(1.8 * bf * tf), bf / 6);
    items.Add(ContinuityPlates, tcf, continuityMin, kAbsent, kAbsent,
              tcf >= continuityMin ? NotRequired : Required);
    // The beam flange force on the column (360 J10.1-J10.3, lb = tf).
    const double Ru = 12 * in.Mf / (d - tf);
    const double bending = 0.90 * 6.25 * Fy * tcf * tcf * (roof ? 0.5 : 1.0);
    items.Add(ColumnFlangeBending, Ru, kAbsent, bending, Ru / bending, PassOrPlates(Ru / bending));
    const double yielding = 1.00 * Fy * tcw * ((roof ? 2.5 : 5.0) * section.kdes + tf);
    items.Add(ColumnWebYielding, Ru, kAbsent, yielding, Ru / yielding, PassOrPlates(Ru / yielding));
    const double crippling = 0.75 * WebCripplingStrength(section, Fy, tf, roof);
    items.Add(ColumnWebCrippling, Ru, kAbsent, crippling, Ru / crippling,
              PassOrPlates(Ru / crippling));
    bool platesRequired = false;
    for (ItemId plates :
         {ContinuityPlates, ColumnFlangeBending, ColumnWebYielding, ColumnWebCrippling})
        platesRequired = platesRequired || items.Is(plates, Required);
    items.Add(ContinuityPlateThickness, 0.5 * tf, kAbsent, kAbsent, kAbsent,
              platesRequired ? Required : NotRequired);

    // 341 has no panel-zone requirement of an IMF: its numbers are shown only.
    const double Pc = Fy * Ag;
    const double kp = Puc <= 0.4 * Pc ? 1.0 : 1.4 - Puc / Pc;
    const double phi = smf ? 1.0 : 0.9;
    if (kp <= 0) {
        // No panel-zone strength is left: doublers are needed, but no
        // thickness follows from the formula.
        items.Add(PanelZoneShear, Ru, kAbsent, 0.0, kAbsent, smf ? Required : NotApplicable);
        items.Add(DoublerThickness, kAbsent, kAbsent, kAbsent, kAbsent, smf ? Info : NotApplicable);
    } else {
        const double phiRn = phi * (0.60 * Fy * dc * tcw * kp);
        const double ratio = Ru / phiRn;
        const bool passes = ratio <= 1;
        items.Add(PanelZoneShear, Ru, kAbsent, phiRn, ratio,
                  !smf ? NotApplicable : (passes ? Pass : Required));
        const double doubler = passes ? 0.0 : (Ru - phiRn) / (phi * 0.60 * Fy * dc * kp);
        items.Add(DoublerThickness, smf ? doubler : kAbsent, kAbsent, kAbsent, kAbsent,
                  smf ? Info : NotApplicable);
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
    items.Add(WebConnection, Vu, kAbsent, kAbsent, kAbsent, Info);

    // Bracing and detailing: requirements for the drawings.
    const double k = smf ? 0.095 : 0.19;
    items.Add(BracingSpacing, k * beam.ry * kE / (Ry * Fy) / 12, kAbsent, kAbsent, kAbsent, Info);
    items.Add(SupplementalBrace, in.a + in.b + d / 2, kAbsent, kAbsent, kAbsent, Info);
    items.Add(ProtectedZone, in.a + in.b, kAbsent, kAbsent, kAbsent, Info);
    items.Add(BraceStrength, 0.06 * Ry * Fy * in.Zrbs / beamDetail.ho, kAbsent, kAbsent, kAbsent,
              Info);
    // A column that stays elastic (ratio above 2) needs its top flange braced only.
    items.Add(ColumnBracing, strongColumn > 2.0 ? 1.0 : 2.0, kAbsent, kAbsent, kAbsent,
              smf ? Info : NotApplicable);
    items.Add(ColumnBraceStrength, 0.02 * Ry * Fy * bf * tf, kAbsent, kAbsent, kAbsent,
              smf ? Info : NotApplicable);
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
    const AxialLoadReading puc = ReadAxialLoad(inputs.ColumnAxialLoad);
    if (!puc.value) return std::nullopt;
    basis.Puc = *puc.value;
    basis.system = inputs.FRAMETYPE == "SMRF" ? SeismicSystem::SMF : SeismicSystem::IMF;
    basis.columnAbove = inputs.ColumnAbove == "Yes";
    TakeStoredValues(r, basis);
    basis.Fy = r.Fy;
    basis.Fu = r.Fu;
    basis.Ry = r.Ry;
    basis.L = r.L;
    basis.h = r.h;
    basis.wu = FactoredDistributedLoad(r);
    basis.points = PointLoadsOf(r);
    return basis;
}

AxialLoadReading ReadAxialLoad(const std::string& text) {
    // Stored as single precision, like the loads.
    AxialLoadReading reading;
    const ParsedNumber parsed = ParseNumber(text);
    if (!parsed.ok()) return reading;
    const float single = static_cast<float>(parsed.value);
    if (!std::isfinite(single)) return reading;
    reading.negative = single < 0.0f;
    if (!reading.negative) reading.value = single;
    return reading;
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
