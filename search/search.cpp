#include "search.h"

#include <algorithm>
#include <mutex>
#include <thread>

#include "checks/check_formulas.h"
#include "current_code.h"
#include "model/chain_math.h"
#include "model/shape_table.h"
#include "pair_evaluation.h"

namespace vantrel {
namespace {

using search::CurrentCodeEvaluator;
using search::CurrentCodeOutcome;
using search::PairEvaluator;
using search::PairOutcome;

bool ChecksFema350(const SearchOptions& options) {
    return options.code != DesignCode::Aisc358;
}
bool ChecksAisc358(const SearchOptions& options) {
    return options.code != DesignCode::Fema350;
}

struct Frame {
    double length = 0;  // ft
    double height = 0;  // ft
};

// Only called when the shared inputs read without error.
Frame FrameOf(const DesignInputs& inputs) {
    return {DoubleFromText(inputs.Length), DoubleFromText(inputs.Height)};
}

bool PassesFema350(const PairOutcome& o, const SearchOptions& options) {
    if (o.error) return false;
    for (Verdict v : {kSpanToDepth, kColumnSize, kColumnWidth, kMfRatio, kBeamShear})
        if (!o.passes[v]) return false;
    if (options.excludeDoublerPlates && !o.passes[kDoublerPlates]) return false;
    if (options.excludeContinuityPlates && !o.passes[kContinuityPlates]) return false;
    return true;
}

bool PassesAisc358(const std::optional<CurrentCodeOutcome>& current, const SearchOptions& options) {
    if (!current || !current->pass) return false;
    if (options.excludeDoublerPlates && current->doublersRequired) return false;
    if (options.excludeContinuityPlates && current->continuityRequired) return false;
    return true;
}

struct Evaluators {
    const PairEvaluator& pairs;
    const CurrentCodeEvaluator& current;
};

// All pairs of one beam; with FEMA 350 checked, the beam's own verdicts have passed.
void SearchBeam(const Evaluators& evaluators, const Frame& frame, const SearchOptions& options,
                int beam, std::vector<DesignMatch>& found) {
    const PairEvaluator& evaluator = evaluators.pairs;
    const search::BeamValues& b = evaluator.Beam(beam);
    const bool fema = ChecksFema350(options);
    for (int column = 0; column < kShapeCount; ++column) {
        const search::ColumnValues& c = evaluator.Column(column);
        // FEMA 350 verdicts that need no calculation: skip the pair early.
        if (fema && !PassesColumnWidth(*c.shape, *b.shape)) continue;
        if (fema && !PassesColumnSize(evaluator.Shared().smrf, c.w12OrW14)) continue;
        if (fema && options.excludeContinuityPlates &&
            !PassesContinuityPlates(b.partial.checks.tcf, *c.shape))
            continue;

        const PairOutcome o = evaluator.Evaluate(beam, column);
        if (fema && !PassesFema350(o, options)) continue;
        if (o.error) continue;
        const std::optional<CurrentCodeOutcome> current =
            evaluators.current.Evaluate(evaluator, beam, column, o);
        if (ChecksAisc358(options) && !PassesAisc358(current, options)) continue;
        DesignMatch match;
        match.beam = beam;
        match.column = column;
        match.mfRatio = o.checks.mfRatio;
        match.shearUnity = o.checks.shearUnity;
        match.flangeRatio = o.checks.flange.ratio;
        match.webRatio = o.checks.web.ratio;
        match.doublerPlatesRequired = !o.passes[kDoublerPlates];
        match.continuityPlatesRequired = !o.passes[kContinuityPlates];
        if (current) {
            match.aisc358Pass = current->pass;
            match.strongColumnRatio = current->strongColumnRatio;
            match.panelZoneRatio = current->panelZoneRatio;
            match.hingeRatio = current->hingeRatio;
            match.columnAxialRatio = current->columnAxialRatio;
        }
        match.weight =
            double{b.shape->Weight} * frame.length + 2.0 * double{c.shape->Weight} * frame.height;
        found.push_back(match);
    }
}

bool Lighter(const DesignMatch& x, const DesignMatch& y) {
    if (x.weight != y.weight) return x.weight < y.weight;
    const float xBeam = ShapeAt(x.beam).Weight;
    const float yBeam = ShapeAt(y.beam).Weight;
    if (xBeam != yBeam) return xBeam < yBeam;
    if (x.beam != y.beam) return x.beam < y.beam;
    return x.column < y.column;
}

int ThreadCount(const SearchOptions& options) {
    int count = options.threads;
    if (count <= 0) count = static_cast<int>(std::thread::hardware_concurrency());
    return std::clamp(count, 1, 64);
}

}  // namespace

SearchResult SearchDesigns(const DesignInputs& inputs, const SearchOptions& options,
                           const SearchControl& control) {
    const PairEvaluator evaluator(inputs);
    const CurrentCodeEvaluator current(inputs);
    const Evaluators evaluators{evaluator, current};
    const bool usable = !evaluator.Shared().error;
    // With FEMA 350 checked a beam must pass its own verdicts; otherwise it
    // need only calculate without an error. Without current-code items no
    // pair can meet the current code.
    const auto searchable = [&](int beam) {
        if (ChecksAisc358(options) && !current.Usable()) return false;
        const search::BeamValues& b = evaluator.Beam(beam);
        return ChecksFema350(options) ? b.passesOwnChecks : !b.error;
    };
    const Frame frame = usable ? FrameOf(inputs) : Frame{};

    std::atomic<int> nextBeam{0};
    std::atomic<int> beamsDone{0};
    std::atomic<bool> stopped{false};
    std::mutex mergeLock;
    SearchResult result;

    auto work = [&](bool reportProgress) {
        std::vector<DesignMatch> found;
        for (;;) {
            if (control.cancel && control.cancel->load(std::memory_order_relaxed)) {
                stopped = true;
                break;
            }
            const int beam = nextBeam.fetch_add(1);
            if (beam >= kShapeCount) break;
            if (usable && searchable(beam)) SearchBeam(evaluators, frame, options, beam, found);
            const int done = beamsDone.fetch_add(1) + 1;
            if (reportProgress && control.progress) control.progress(done, kShapeCount);
        }
        const std::lock_guard<std::mutex> lock(mergeLock);
        result.designs.insert(result.designs.end(), found.begin(), found.end());
    };

    std::vector<std::thread> helpers;
    for (int i = 1; i < ThreadCount(options); ++i) helpers.emplace_back(work, false);
    work(true);
    for (std::thread& helper : helpers) helper.join();

    const int done = beamsDone.load();
    if (control.progress) control.progress(done, kShapeCount);
    result.cancelled = stopped.load();
    result.inputError = !usable;
    result.axialLoadError = !current.Usable();
    result.searched = static_cast<long>(done) * kShapeCount;
    std::sort(result.designs.begin(), result.designs.end(), Lighter);
    return result;
}

}  // namespace vantrel
