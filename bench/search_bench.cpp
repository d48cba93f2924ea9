// The design search over all 71,289 pairs: the library call with both cores
// and with one, for each code, without loads and with 1.84 k/ft (target:
// under 50 ms with both codes on two threads), a single pair in the search's
// arithmetic against one full Calculate, and `vantrel-cli search` as a whole
// process.

#include <benchmark/benchmark.h>
#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>

#include <string>
#include <vector>

#include "model/shape_table.h"
#include "present/design_state.h"
#include "search/pair_evaluation.h"
#include "search/search.h"

extern char** environ;

namespace {

using namespace vantrel;

DesignInputs Inputs(bool loaded = false) {
    DesignInputs inputs = NewDesignInputs();
    inputs.Length = "30";
    if (loaded) {
        inputs.DistDL[0] = "1";
        inputs.DistLL[0] = "1.28";
    }
    return inputs;
}

// Arguments: threads, code (0 FEMA 350, 1 AISC 358, 2 both), loads (0 none,
// 1 the uniform 1.84 k/ft that makes light beams hinge in the span).
void BM_SearchDesigns(benchmark::State& state) {
    const DesignInputs inputs = Inputs(state.range(2) != 0);
    SearchOptions options;
    options.threads = static_cast<int>(state.range(0));
    constexpr DesignCode kCodes[] = {DesignCode::Fema350, DesignCode::Aisc358, DesignCode::Both};
    options.code = kCodes[state.range(1)];
    size_t designs = 0;
    for (auto _ : state) {
        const SearchResult result = SearchDesigns(inputs, options);
        designs = result.designs.size();
        benchmark::DoNotOptimize(result.designs.data());
    }
    state.counters["designs"] = static_cast<double>(designs);
}
BENCHMARK(BM_SearchDesigns)
    ->ArgsProduct({{2, 1}, {0, 1, 2}, {0, 1}})
    ->ArgNames({"threads", "code", "loads"})
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();

// Every pair through the search's arithmetic, without the search's skipping.
void BM_EvaluateAllPairs(benchmark::State& state) {
    const search::PairEvaluator evaluator(Inputs());
    for (auto _ : state) {
        int passing = 0;
        for (int b = 0; b < kShapeCount; ++b)
            for (int c = 0; c < kShapeCount; ++c)
                passing += evaluator.Evaluate(b, c).passes[kMfRatio] ? 1 : 0;
        benchmark::DoNotOptimize(passing);
    }
    state.SetItemsProcessed(state.iterations() * kShapeCount * kShapeCount);
}
BENCHMARK(BM_EvaluateAllPairs)->Unit(benchmark::kMillisecond);

void BM_PrepareEvaluator(benchmark::State& state) {
    const DesignInputs inputs = Inputs();
    for (auto _ : state) {
        const search::PairEvaluator evaluator(inputs);
        benchmark::DoNotOptimize(&evaluator);
    }
}
BENCHMARK(BM_PrepareEvaluator)->Unit(benchmark::kMillisecond);

// One pair through the full, text-producing chain, for comparison.
void BM_CalculateOnePair(benchmark::State& state) {
    DesignInputs inputs = Inputs();
    inputs.Beam = "W 21x44";
    inputs.Column = "W 14x90";
    for (auto _ : state) {
        DesignState design;
        CollectingErrorSink errors;
        CalculateAndPresent(design, inputs, errors);
        benchmark::DoNotOptimize(design.record.Vf);
    }
}
BENCHMARK(BM_CalculateOnePair)->Unit(benchmark::kMicrosecond);

// `vantrel-cli search --set Length=30 --json`, process start to exit, output discarded.
void BM_CliSearchProcess(benchmark::State& state) {
    std::vector<std::string> args = {VANTREL_CLI_PATH, "search", "--set", "Length=30", "--json"};
    std::vector<char*> argv;
    for (std::string& arg : args) argv.push_back(arg.data());
    argv.push_back(nullptr);
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, 1, "/dev/null", O_WRONLY, 0);
    for (auto _ : state) {
        pid_t pid = 0;
        if (posix_spawn(&pid, argv[0], &actions, nullptr, argv.data(), environ) != 0) {
            state.SkipWithError("cannot start vantrel-cli");
            break;
        }
        int status = 0;
        waitpid(pid, &status, 0);
        if (!WIFEXITED(status) || WEXITSTATUS(status) != 0) {
            state.SkipWithError("vantrel-cli search failed");
            break;
        }
    }
    posix_spawn_file_actions_destroy(&actions);
}
BENCHMARK(BM_CliSearchProcess)->Unit(benchmark::kMillisecond)->UseRealTime();

}  // namespace

BENCHMARK_MAIN();
