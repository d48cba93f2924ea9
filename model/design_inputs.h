#pragma once
// The 30 inputs of a design, each held as the text of its control, named by
// its project-file key.

#include <array>
#include <string>
#include <string_view>

#include "gravity_loads.h"

namespace vantrel {

using LoadTexts = std::array<std::string, kLoadCount>;

struct DesignInputs {
    std::string Column, Grade, Beam;
    std::string A, B, C;
    std::string ORA, ORB, ORC;
    std::string Length, Height;
    std::string Description;
    std::string FRAMETYPE;
    // The gravity loads, three of each: DistDL[0] is the project file's DistDL1.
    LoadTexts DistDL, DistLL;
    LoadTexts PointDL, PointLL, PointLoadLocation;
    // The current-code checks' column inputs: Puc in kip, and "Yes" when the
    // column continues above the joint.
    std::string ColumnAxialLoad;
    std::string ColumnAbove;

    bool IsSMRF() const { return FRAMETYPE == "SMRF"; }

    // The text of the named input, or nullptr for an unknown name.
    std::string* Find(std::string_view name);
    const std::string* Find(std::string_view name) const;

    bool operator==(const DesignInputs&) const = default;
};

// The fifteen load texts by kind, in project-file order.
inline constexpr LoadTexts DesignInputs::*kLoadKinds[] = {
    &DesignInputs::DistDL, &DesignInputs::DistLL, &DesignInputs::PointDL, &DesignInputs::PointLL,
    &DesignInputs::PointLoadLocation};

enum class InputKind { Text, Load, Location, AxialLoad };

struct InputField {
    std::string_view name;
    InputKind kind;
    std::string& (*text)(DesignInputs&);

    std::string& Of(DesignInputs& inputs) const { return text(inputs); }
    const std::string& Of(const DesignInputs& inputs) const {
        return text(const_cast<DesignInputs&>(inputs));
    }
};

// The 30 inputs in project-file order.
extern const std::array<InputField, 30> kInputFields;

// The inputs of a freshly started window: first shape of both lists, the
// A992 grade, coefficients "0.60", "0.75", "0.20", overrides "0.000",
// length "15.00", height "8.00", SMRF, loads "0.000", locations "0.00",
// column axial load "0.000", column above "No".
DesignInputs NewDesignInputs();

}  // namespace vantrel
