#include "current_code.h"

#include <cmath>
#include <string_view>

#include "current/item_catalog.h"
#include "model/shape_table.h"

namespace vantrel::search {
namespace {

using current::ItemId;

std::optional<double> Finite(const std::optional<double>& x) {
    if (x && std::isfinite(*x)) return x;
    return std::nullopt;
}

const current::Item& ItemOf(const current::Aisc358Result& result, ItemId id) {
    return result.items[static_cast<size_t>(id)];
}

bool Required(const current::Aisc358Result& result, ItemId id) {
    return ItemOf(result, id).status == current::ItemStatus::Required;
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
    const SharedValues& shared = pairs.Shared();
    current::Aisc358Basis basis = *shared_;
    basis.beamIndex = beam;
    basis.columnIndex = column;
    // The chain's stored values of the pair, as the design record holds them.
    TakeStoredValues(o, basis);
    basis.Fy = b.Fy;
    basis.Fu = b.Fu;
    basis.Ry = b.Ry;
    basis.L = shared.L;
    basis.h = shared.h;
    basis.wu = shared.w;
    basis.points = shared.points;

    const current::Aisc358Result result = current::EvaluateAisc358(basis);
    if (result.items.size() != current::kItemCount) return std::nullopt;
    CurrentCodeOutcome outcome;
    outcome.pass = result.pass;
    outcome.doublersRequired =
        Required(result, ItemId::PanelZoneShear) || Required(result, ItemId::PanelZoneThickness);
    outcome.continuityRequired = Required(result, ItemId::ContinuityPlateThickness);
    outcome.strongColumnRatio = Finite(ItemOf(result, ItemId::StrongColumn).value);
    outcome.panelZoneRatio = Finite(ItemOf(result, ItemId::PanelZoneShear).ratio);
    outcome.hingeRatio = Finite(ItemOf(result, ItemId::HingeLocation).ratio);
    outcome.columnAxialRatio = Finite(ItemOf(result, ItemId::ColumnAxial).ratio);
    return outcome;
}

}  // namespace vantrel::search
