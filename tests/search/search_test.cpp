// The search's ranking, threads, progress and cancellation (the pairs each
// code and option keeps: agreement_test.cpp).

#include <gtest/gtest.h>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <numeric>
#include <thread>
#include <vector>

#include "model/shape_table.h"
#include "search/search.h"

namespace vantrel {
namespace {

DesignInputs Inputs() {
    DesignInputs inputs = NewDesignInputs();
    inputs.Length = "30";
    inputs.Height = "12";
    return inputs;
}

TEST(SearchDesigns, RanksByFrameWeightThenBeamWeight) {
    const SearchResult result = SearchDesigns(Inputs());
    ASSERT_GT(result.designs.size(), 10u);
    for (size_t i = 0; i < result.designs.size(); ++i) {
        const DesignMatch& m = result.designs[i];
        const double expected =
            double{ShapeAt(m.beam).Weight} * 30.0 + 2.0 * double{ShapeAt(m.column).Weight} * 12.0;
        EXPECT_DOUBLE_EQ(m.weight, expected);
        if (i == 0) continue;
        const DesignMatch& before = result.designs[i - 1];
        ASSERT_LE(before.weight, m.weight) << "at rank " << i;
        if (before.weight == m.weight) {
            EXPECT_LE(ShapeAt(before.beam).Weight, ShapeAt(m.beam).Weight) << "at rank " << i;
        }
    }
}

TEST(SearchDesigns, GivesTheSameListOnAnyNumberOfThreads) {
    SearchOptions one;
    one.threads = 1;
    const SearchResult single = SearchDesigns(Inputs(), one);
    for (int threads : {2, 3, 8}) {
        SearchOptions options;
        options.threads = threads;
        const SearchResult result = SearchDesigns(Inputs(), options);
        ASSERT_EQ(result.designs.size(), single.designs.size()) << threads;
        for (size_t i = 0; i < result.designs.size(); ++i) {
            EXPECT_EQ(result.designs[i].beam, single.designs[i].beam) << threads << " at " << i;
            EXPECT_EQ(result.designs[i].column, single.designs[i].column) << threads << " at " << i;
        }
    }
}

TEST(SearchDesigns, ReportsProgressOnTheCallingThreadUpToTheEnd) {
    std::vector<int> seen;
    SearchControl control;
    const auto caller = std::this_thread::get_id();
    bool otherThread = false;
    control.progress = [&](int done, int total) {
        EXPECT_EQ(total, kShapeCount);
        otherThread = otherThread || std::this_thread::get_id() != caller;
        seen.push_back(done);
    };
    const SearchResult result = SearchDesigns(Inputs(), {}, control);
    EXPECT_FALSE(result.cancelled);
    EXPECT_FALSE(result.inputError);
    EXPECT_FALSE(otherThread);
    ASSERT_FALSE(seen.empty());
    EXPECT_EQ(seen.back(), kShapeCount);
    for (size_t i = 1; i < seen.size(); ++i) EXPECT_LE(seen[i - 1], seen[i]);
    EXPECT_EQ(result.searched, long{kShapeCount} * kShapeCount);

    // One thread reports every beam in turn, then the total once more; the
    // pause leaves time for any other thread to take beams and skip values.
    SearchOptions one;
    one.threads = 1;
    seen.clear();
    control.progress = [&](int done, int) {
        seen.push_back(done);
        std::this_thread::sleep_for(std::chrono::milliseconds(2));
    };
    SearchDesigns(Inputs(), one, control);
    std::vector<int> expected(kShapeCount);
    std::iota(expected.begin(), expected.end(), 1);
    expected.push_back(kShapeCount);
    EXPECT_EQ(seen, expected);
}

TEST(SearchDesigns, StopsWhenCancelled) {
    std::atomic<bool> cancel{false};
    SearchControl control;
    control.cancel = &cancel;
    control.progress = [&](int done, int) {
        if (done >= 10) cancel = true;
    };
    SearchOptions options;
    options.threads = 1;
    const SearchResult result = SearchDesigns(Inputs(), options, control);
    EXPECT_TRUE(result.cancelled);
    EXPECT_EQ(result.searched, 10L * kShapeCount);

    cancel = true;
    const SearchResult none = SearchDesigns(Inputs(), {}, control);
    EXPECT_TRUE(none.cancelled);
    EXPECT_EQ(none.searched, 0);
    EXPECT_TRUE(none.designs.empty());
}

// 1.84 k/ft over 30 ft: FEMA 350 alone lists beams that would hinge in the
// span (W 6x25 on W 12x45 among them); the default, both codes, lists none.
TEST(SearchDesigns, BothCodesListNoPairWhoseHingeFormsInTheSpan) {
    DesignInputs inputs = Inputs();
    inputs.DistDL[0] = "1";
    inputs.DistLL[0] = "1.28";
    SearchOptions fema;
    fema.code = DesignCode::Fema350;
    const auto inSpan = [](const DesignMatch& m) { return m.hingeRatio.value_or(0) > 1; };
    const SearchResult trap = SearchDesigns(inputs, fema);
    EXPECT_TRUE(std::any_of(trap.designs.begin(), trap.designs.end(), [](const DesignMatch& m) {
        return ShapeName(m.beam) == "W 6x25" && ShapeName(m.column) == "W 12x45";
    }));
    const SearchResult both = SearchDesigns(inputs);
    ASSERT_FALSE(both.designs.empty());
    EXPECT_TRUE(std::any_of(trap.designs.begin(), trap.designs.end(), inSpan));
    EXPECT_TRUE(std::none_of(both.designs.begin(), both.designs.end(), inSpan));
}

TEST(SearchDesigns, FindsNothingWhenEveryPairReportsAnError) {
    DesignInputs inputs = Inputs();
    inputs.Length = "thirty";
    const SearchResult result = SearchDesigns(inputs);
    EXPECT_TRUE(result.inputError);
    EXPECT_TRUE(result.designs.empty());
    EXPECT_EQ(result.searched, long{kShapeCount} * kShapeCount);
}

}  // namespace
}  // namespace vantrel
