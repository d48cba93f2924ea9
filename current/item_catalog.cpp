#include "item_catalog.h"

namespace vantrel::current {

using enum ItemGroup;

const std::array<ItemTexts, kItemCount> kItemTexts = {{
    {"cut_a", "RBS cut start a", "358 5.8-1", "in", Prequalification},
    {"cut_b", "RBS cut length b", "358 5.8-2", "in", Prequalification},
    {"cut_c", "RBS cut depth c", "358 5.8-3", "in", Prequalification},
    {"beam_depth", "Beam nominal depth", "358 5.3.1(2)", "in", Prequalification},
    {"beam_weight", "Beam weight", "358 5.3.1(3)", "lb/ft", Prequalification},
    {"beam_flange_thickness", "Beam flange thickness", "358 5.3.1(4)", "in", Prequalification},
    {"beam_span_depth", "Clear span to depth", "358 5.3.1(5)", "", Prequalification},
    {"column_depth", "Column nominal depth", "358 5.3.2(3)", "in", Prequalification},
    {"flexure_face", "Moment at column face", "358 5.8-7, 5.8-8", "ft-kip", Strength},
    {"beam_shear", "Beam shear", "358 5.8-9; 360 G2.1", "kip", Strength},
    {"beam_flange_slenderness", "Beam flange at RBS, b/t", "358 5.3.1(6); 341 D1.1", "",
     Slenderness},
    {"beam_web_slenderness", "Beam web, h/tw", "341 D1.1", "", Slenderness},
    {"column_flange_slenderness", "Column flange, bf/2tf", "358 5.3.2(6); 341 D1.1", "",
     Slenderness},
    {"column_web_slenderness", "Column web, h/tw", "341 D1.1", "", Slenderness},
    {"continuity_plates", "Continuity plates", "341 E3.6f.1, E3-8, E3-9; E2.6f", "in",
     PlatesAndDetails},
    {"panel_zone_shear", "Panel zone shear", "341 E3.6e.1, E2.6e; 360 J10.6", "kip",
     PlatesAndDetails},
    {"doubler_thickness", "Doubler plate thickness", "360 J10.6", "in", PlatesAndDetails},
    {"panel_zone_thickness", "Panel zone thickness", "341 E3.6e.2, E3-7", "in", PlatesAndDetails},
    {"strong_column", "Strong column / weak beam", "341 E3.4a, E3-1; 358 5.4(2)(a)", "",
     PlatesAndDetails},
    {"bracing_spacing", "Lateral bracing spacing, max.", "341 D1.2b, D1.2a", "ft", Bracing},
    {"supplemental_brace", "Supplemental brace from face, max.", "358 5.3.1(7)", "in", Bracing},
    {"protected_zone", "Protected zone from face", "358 5.3.1(8)", "in", Bracing},
    {"brace_strength", "Brace strength", "341 D1.2c", "kip", Bracing},
    {"drift_factor", "Drift increase factor", "358 5.8 Step 1", "", Bracing},
}};

}  // namespace vantrel::current
