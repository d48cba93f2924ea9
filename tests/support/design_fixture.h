#pragma once
// Runs the calculation chain on inputs built from the new-design defaults.

#include <initializer_list>
#include <string>
#include <utility>

#include "present/design_state.h"

namespace vantrel::test {

struct Calculated {
    DesignState state;
    CollectingErrorSink errors;
    const DesignRecord& record() const { return state.record; }
    const std::string& summary(int row, int column) const {
        return state.grids.summary.Text(row, column);
    }
    const std::string& checks(int row, int column) const {
        return state.grids.checks.Text(row, column);
    }
    const std::string& parameters(int row, int column) const {
        return state.grids.parameters.Text(row, column);
    }
};

inline DesignInputs InputsWith(
    std::initializer_list<std::pair<const char*, const char*>> replacements) {
    DesignInputs inputs = NewDesignInputs();
    for (const auto& [name, text] : replacements) *inputs.Find(name) = text;
    return inputs;
}

inline void Run(Calculated& calculated, const DesignInputs& inputs) {
    CalculateAndPresent(calculated.state, inputs, calculated.errors);
}

// The worked example: W 21x44 beam on W 14x90 columns, 30 ft, no loads.
inline DesignInputs WorkedExample() {
    return InputsWith({{"Beam", "W 21x44"}, {"Column", "W 14x90"}, {"Length", "30.00"}});
}

}  // namespace vantrel::test
