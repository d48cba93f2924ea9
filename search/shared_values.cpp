#include "prepared_values.h"

#include "model/calculations.h"
#include "model/chain_math.h"

namespace vantrel::search {

SharedValues ReadSharedValues(const DesignInputs& in) {
    SharedValues shared;
    shared.smrf = in.IsSMRF();
    // Every calculation reads these texts: CalculateVP the length and the
    // loads, CheckPanelZone the height, CalculateCutout the cut's. A text
    // that fails there fails for every pair.
    try {
        shared.L = SingleFromText(in.Length);
        DesignRecord loads;
        ReadLoads(in, loads);
        shared.w = FactoredDistributedLoad(loads);
        shared.points = PointLoadsOf(loads);
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
        if (HingesAndLoadsFault(loads) != nullptr) shared.error = true;
    } catch (const ChainFault&) {
        shared.error = true;
    }
    // CheckPanelZone divides by h.
    if (shared.h == 0.0f) shared.error = true;
    return shared;
}

}  // namespace vantrel::search
