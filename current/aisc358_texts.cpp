// The fixed texts of the current-code section: statuses, group titles, the
// assumptions and the differences from the FEMA 350 chain.
#include "aisc358.h"

namespace vantrel::current {

std::string_view StatusText(ItemStatus status) {
    switch (status) {
        case ItemStatus::Pass:
            return "pass";
        case ItemStatus::Fail:
            return "fail";
        case ItemStatus::Required:
            return "required";
        case ItemStatus::NotRequired:
            return "not required";
        case ItemStatus::Exempt:
            return "exempt";
        case ItemStatus::NotApplicable:
            return "n/a";
        case ItemStatus::Info:
            return "info";
    }
    return "info";
}

std::string_view GroupTitle(ItemGroup group) {
    switch (group) {
        case ItemGroup::Prequalification:
            return "Prequalification limits";
        case ItemGroup::Strength:
            return "Strength";
        case ItemGroup::Slenderness:
            return "Slenderness";
        case ItemGroup::PlatesAndDetails:
            return "Plates and details";
        case ItemGroup::Bracing:
            return "Bracing and detailing";
    }
    return "";
}

const std::vector<std::string_view>& Assumptions() {
    static const std::vector<std::string_view> texts = {
        "LRFD; E = 29000 ksi; beam and column of the same grade.",
        "One beam frames into each column (a single-bay frame): the panel-zone demand and "
        "\u03A3M*pb come from one beam.",
        "Column shear above and below the panel zone is neglected in the panel-zone demand, and "
        "the projection of the column strengths to the beam centreline is neglected in "
        "\u03A3M*pc: both conservative.",
        "Panel-zone strength without the column-flange term (360 J10-9, J10-10): conservative "
        "unless the frame analysis models panel-zone deformation.",
        "No axial force in the beam (Ca = 0 for its web); gravity on the beam from 1.2D + 0.5L, "
        "no snow.",
        "The full beam flange width is used in the continuity-plate equations.",
        "Lateral bracing and the supplemental brace are stated as requirements for the drawings, "
        "not checked: the program does not know where braces are.",
    };
    return texts;
}

const std::vector<std::string_view>& DifferencesFromFema350() {
    static const std::vector<std::string_view> texts = {
        "Beam shear uses \u03C6v = 1.0 with Aw = d\u00B7tw (FEMA 350: 0.9).",
        "Web slenderness uses the tabulated h/tw (clear distance less the fillets) against "
        "2.57\u00B7sqrt(E/(Ry\u00B7Fy)) (FEMA 350: (d \u2212 2tf)/tw against 418/sqrt(Fy)).",
        "Columns up to W36 of any weight (FEMA 350: W12 and W14 only); beams up to 302 lb/ft.",
        "Strong-column/weak-beam, panel-zone thickness, bracing and protected-zone items are "
        "new.",
    };
    return texts;
}

}  // namespace vantrel::current
