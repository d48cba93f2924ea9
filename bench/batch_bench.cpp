// `vantrel-cli batch` over a CSV of 10,000 designs (target: under a second),
// and the current-code items of one design on their own.

#include <benchmark/benchmark.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

#include "cli.h"
#include "current/aisc358.h"
#include "model/shape_table.h"
#include "present/design_state.h"

namespace {

using namespace vantrel;

constexpr int kRows = 10000;

// Beams and columns from across the table, a few lengths and frame types.
std::string DesignsCsv() {
    std::string csv = "Beam,Column,Length,FRAMETYPE,ColumnAxialLoad,ColumnAbove\n";
    for (int i = 0; i < kRows; ++i) {
        csv += '"' + std::string(ShapeName((i * 7) % kShapeCount)) + "\",\"" +
               std::string(ShapeName((i * 13 + 5) % kShapeCount)) + "\"," +
               std::to_string(20 + i % 20) + ',' + (i % 3 ? "SMRF" : "OMRF") + ',' +
               std::to_string(i % 900) + ',' + (i % 2 ? "Yes" : "No") + '\n';
    }
    return csv;
}

void BM_Batch10000Rows(benchmark::State& state) {
    const auto path = std::filesystem::temp_directory_path() /
                      ("vantrel-batch-bench-" + std::to_string(getpid()) + ".csv");
    std::ofstream(path, std::ios::binary) << DesignsCsv();
    for (auto _ : state) {
        std::ostringstream out, err;
        const int status = cli::Run({"batch", path.string()}, cli::Streams{out, err, false});
        benchmark::DoNotOptimize(status);
    }
    std::filesystem::remove(path);
    state.SetItemsProcessed(state.iterations() * kRows);
}
BENCHMARK(BM_Batch10000Rows)->Unit(benchmark::kMillisecond);

void BM_Aisc358Items(benchmark::State& state) {
    DesignInputs inputs = NewDesignInputs();
    inputs.Beam = "W 21x44";
    inputs.Column = "W 14x90";
    inputs.Length = "30.00";
    DesignState design;
    CollectingErrorSink errors;
    CalculateAndPresent(design, inputs, errors);
    const auto basis = current::BasisFrom(inputs, design.record);
    for (auto _ : state) {
        const current::Aisc358Result result = current::EvaluateAisc358(*basis);
        benchmark::DoNotOptimize(result.items.data());
    }
}
BENCHMARK(BM_Aisc358Items)->Unit(benchmark::kNanosecond);

}  // namespace

BENCHMARK_MAIN();
