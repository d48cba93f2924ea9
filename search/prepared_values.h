#pragma once
// The parts of a pair's calculation worked out once per search.

#include "pair_evaluation.h"

namespace vantrel::search {

// The length, loads and height as the chain reads them.
SharedValues ReadSharedValues(const DesignInputs& inputs);

// The beam-only steps of the chain for table row index: the chain's own
// calculating procedures (cut, section moduli, grade, Mpr, drift) and the
// beam-only parts of the checks.
BeamValues PrepareBeam(const DesignInputs& inputs, const SharedValues& shared, int index);

ColumnValues PrepareColumn(int index);

}  // namespace vantrel::search
