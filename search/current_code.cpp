#include "current_code.h"

#include <cmath>
#include <string_view>

#include "model/shape_table.h"

namespace vantrel::search {
namespace {

std::optional<double> Finite(const std::optional<double>& x) {
    if (x && std::isfinite(*x)) return x;
    return std::nullopt;
}

}  // namespace

CurrentCodeEvaluator::CurrentCodeEvaluator(const DesignInputs& inputs) {
    // BasisFrom reads the inputs' texts by the core's rules; any two shapes
    // of the table let it form the shared part, the pair fills the rest.
    DesignInputs named = inputs;
    named.Beam = named.Column = std::string(ShapeName(0));
    shared_ = current::BasisFrom(named, DesignRecord{});
}

std::optional<CurrentCodeOutcome> CurrentCodeEvaluator::Evaluate(const PairEvaluator& pairs,
                                                                 int beam, int column,
                                                                 const PairOutcome& o) const {
    if (!shared_ || o.error) return std::nullopt;
    const BeamValues& b = pairs.Beam(beam);
    current::Aisc358Basis basis = *shared_;
    basis.beamIndex = beam;
    basis.columnIndex = column;
    // The chain's stored values of the pair, as the design record holds them.
    TakeStoredValues(o, basis);
    basis.Fy = b.Fy;
    basis.Fu = b.Fu;
    basis.Ry = b.Ry;
    basis.L = pairs.Shared().L;

    const current::Aisc358Result result = current::EvaluateAisc358(basis);
    if (result.items.empty()) return std::nullopt;
    CurrentCodeOutcome outcome;
    outcome.pass = result.pass;
    for (const current::Item& item : result.items) {
        const bool required = item.status == current::ItemStatus::Required;
        if (item.id == "panel_zone_shear") {
            outcome.panelZoneRatio = Finite(item.ratio);
            outcome.doublersRequired = outcome.doublersRequired || required;
        } else if (item.id == "panel_zone_thickness") {
            outcome.doublersRequired = outcome.doublersRequired || required;
        } else if (item.id == "continuity_plates") {
            outcome.continuityRequired = required;
        } else if (item.id == "strong_column") {
            outcome.strongColumnRatio = Finite(item.value);
        }
    }
    return outcome;
}

}  // namespace vantrel::search
