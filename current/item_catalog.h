#pragma once
// The fixed texts of each current-code item, in one place: id, caption,
// reference, unit and group, in the order of the design basis.

#include <array>
#include <cstddef>
#include <string_view>

#include "aisc358.h"

namespace vantrel::current {

enum class ItemId : size_t {
    CutA,
    CutB,
    CutC,
    BeamDepth,
    BeamWeight,
    BeamFlangeThickness,
    BeamSpanDepth,
    ColumnDepth,
    FlexureFace,
    HingeLocation,
    BeamShear,
    ColumnAxial,
    BeamFlangeSlenderness,
    BeamWebSlenderness,
    ColumnFlangeSlenderness,
    ColumnWebSlenderness,
    ContinuityPlates,
    ColumnFlangeBending,
    ColumnWebYielding,
    ColumnWebCrippling,
    ContinuityPlateThickness,
    PanelZoneShear,
    DoublerThickness,
    PanelZoneThickness,
    StrongColumn,
    WebConnection,
    BracingSpacing,
    SupplementalBrace,
    ProtectedZone,
    BraceStrength,
    ColumnBracing,
    ColumnBraceStrength,
    DriftFactor,
};

inline constexpr size_t kItemCount = 33;

struct ItemTexts {
    std::string_view id, label, reference, unit;
    ItemGroup group;
};

// Indexed by ItemId. The groups follow one another in this order, so a
// table that starts a heading whenever the group changes shows each once.
extern const std::array<ItemTexts, kItemCount> kItemTexts;

inline const ItemTexts& TextsOf(ItemId id) {
    return kItemTexts[static_cast<size_t>(id)];
}

}  // namespace vantrel::current
