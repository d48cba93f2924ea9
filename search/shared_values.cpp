#include "prepared_values.h"

#include "model/calculations.h"
#include "model/chain_math.h"

namespace vantrel::search {

SharedValues ReadSharedValues(const DesignInputs& in) {
    SharedValues shared;
    shared.smrf = in.IsSMRF();
    // Every calculation reads these texts: CalculateVP the length and the
    // loads, CheckPanelZone the height, CalculateCutout the cut's. A text that fails there fails
    // for every pair.
    try {
        shared.L = SingleFromText(in.Length);
        DesignRecord loads;
        const std::pair<const std::string&, float&> texts[] = {
            {in.DistDL1, loads.DistDL1},
            {in.DistDL2, loads.DistDL2},
            {in.DistDL3, loads.DistDL3},
            {in.DistLL1, loads.DistLL1},
            {in.DistLL2, loads.DistLL2},
            {in.DistLL3, loads.DistLL3},
            {in.PointDL1, loads.PointDL1},
            {in.PointDL2, loads.PointDL2},
            {in.PointDL3, loads.PointDL3},
            {in.PointLL1, loads.PointLL1},
            {in.PointLL2, loads.PointLL2},
            {in.PointLL3, loads.PointLL3},
            {in.PointLoadLocation1, loads.PointLoadLocation1},
            {in.PointLoadLocation2, loads.PointLoadLocation2},
            {in.PointLoadLocation3, loads.PointLoadLocation3},
        };
        for (const auto& [text, value] : texts) value = SingleFromText(text);
        shared.w = FactoredDistributedLoad(loads);
        shared.points = {{{loads.PointDL1, loads.PointLL1, loads.PointLoadLocation1},
                          {loads.PointDL2, loads.PointLL2, loads.PointLoadLocation2},
                          {loads.PointDL3, loads.PointLL3, loads.PointLoadLocation3}}};
        shared.h = Single(DoubleFromText(in.Height) * 12.0);
        // CalculateCutout reads each override, and the coefficient where the
        // override is 0, before it looks at the beam.
        const std::pair<const std::string&, const std::string&> cut[] = {
            {in.ORA, in.A}, {in.ORB, in.B}, {in.ORC, in.C}};
        for (const auto& [overrideText, coefficientText] : cut)
            if (SingleFromText(overrideText) == 0.0f) DoubleFromText(coefficientText);
        // CalculateVP refuses negative loads and locations off the span for
        // every pair; its test of L' is the pair's own.
        loads.L = shared.L;
        loads.Lprime = 1.0f;
        if (!HingesAndLoadsUsable(loads)) shared.error = true;
    } catch (const ChainFault&) {
        shared.error = true;
    }
    // CheckPanelZone divides by h.
    if (shared.h == 0.0f) shared.error = true;
    return shared;
}

}  // namespace vantrel::search
