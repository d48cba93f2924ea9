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

std::string_view BracedFlangesText(double levels) {
    return levels == 1.0 ? "top flange only" : "top and bottom flanges";
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
        "The column's axial strength uses the storey height as its effective length with K = 1 "
        "(the direct analysis method, so Puc must come from such an analysis) about the minor "
        "axis. Puc is the load of the LRFD combinations, as the strong-column check needs it; "
        "341 D1.4a also asks for the column's axial strength under the overstrength seismic "
        "load (moments neglected): check it with that load entered as Puc. Combined axial and "
        "flexure (360 H1) needs the frame analysis's moments and is not checked.",
        "The column's local strength without continuity plates (360 J10.1\u2013J10.3) takes the "
        "beam flange force Mf / (d \u2212 tf); at a roof joint the end-of-member forms apply, and "
        "a cap plate is advised (358 C2.4.4: the top-storey joint has not been tested). Plate "
        "width, strength sizing for Ru \u2212 \u03C6Rn, and welds (341 E3.6f, 360 J10.8) belong "
        "on the drawings.",
        "A single-bay frame has one beam at each column: continuity plates are those of a "
        "one-sided connection (at least half the beam flange thick).",
        "The demands are the FEMA 350 record's values as stored (Mf and Mpr to 0.1 ft-kip, "
        "shears to 0.01 kip), so a ratio within 0.0003 of 1 is at the precision of the record.",
        "Point-load locations are measured from the left column's centre line, as the beam "
        "length is.",
    };
    return texts;
}

const std::vector<std::string_view>& DifferencesFromFema350() {
    static const std::vector<std::string_view> texts = {
        "Beam shear uses \u03C6v = 1.0 with Aw = d\u00B7tw (FEMA 350: 0.9).",
        "Web slenderness uses the tabulated h/tw (clear distance less the fillets) against "
        "2.57\u00B7sqrt(E/(Ry\u00B7Fy)) (FEMA 350: (d \u2212 2tf)/tw against 418/sqrt(Fy)).",
        "Columns up to W36 of any weight (FEMA 350: W12 and W14 only); beams up to 302 lb/ft.",
        "Beam shear is taken at the column face, 2\u00B7Mpr/Lh + Vgravity (FEMA 350's Vp is at "
        "the hinge).",
        "The hinges must form at the cuts: no moment inside the span under the mechanism and the "
        "gravity loads may exceed Mpe (FEMA 350 leaves the gravity moment to the frame "
        "analysis).",
        "Strong-column/weak-beam, column axial strength, the column's local strength under the "
        "beam flange force, continuity-plate thickness, panel-zone thickness, column bracing, "
        "bracing and protected-zone items are new.",
    };
    return texts;
}

}  // namespace vantrel::current
