// One full calculation (every procedure, every grid text) and the loop of
// full calculations over all 267 x 267 beam/column pairs.

#include <benchmark/benchmark.h>

#include <string>

#include "model/shape_table.h"
#include "present/design_state.h"

namespace {

using namespace vantrel;

DesignInputs WorkedExample() {
    DesignInputs inputs = NewDesignInputs();
    inputs.Beam = "W 21x44";
    inputs.Column = "W 14x90";
    inputs.Length = "30.00";
    return inputs;
}

void BM_CalculateOneDesign(benchmark::State& state) {
    const DesignInputs inputs = WorkedExample();
    DesignState design;
    CollectingErrorSink errors;
    for (auto _ : state) {
        CalculateAndPresent(design, inputs, errors);
        benchmark::DoNotOptimize(design.record.Vf);
    }
}
BENCHMARK(BM_CalculateOneDesign);

void BM_CalculateAllPairs(benchmark::State& state) {
    DesignInputs inputs = WorkedExample();
    DesignState design;
    CollectingErrorSink errors;
    for (auto _ : state) {
        for (int beam = 0; beam < kShapeCount; ++beam) {
            inputs.Beam = ShapeName(beam);
            for (int column = 0; column < kShapeCount; ++column) {
                inputs.Column = ShapeName(column);
                CalculateAndPresent(design, inputs, errors);
                benchmark::DoNotOptimize(design.record.Vf);
            }
        }
    }
    state.SetItemsProcessed(state.iterations() * kShapeCount * kShapeCount);
}
BENCHMARK(BM_CalculateAllPairs)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
