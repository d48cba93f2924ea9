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
    BeamShear,
    BeamFlangeSlenderness,
    BeamWebSlenderness,
    ColumnFlangeSlenderness,
    ColumnWebSlenderness,
    ContinuityPlates,
    PanelZoneShear,
    DoublerThickness,
    PanelZoneThickness,
    StrongColumn,
    BracingSpacing,
    SupplementalBrace,
    ProtectedZone,
    BraceStrength,
    DriftFactor,
};

inline constexpr size_t kItemCount = 24;

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
