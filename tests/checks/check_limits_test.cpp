// Every check's limit, exactly at it and just either side, through its
// procedure on a hand-made record: the verdict it stores, or the error it
// reports (the grids then show a fresh window's).

#include <gtest/gtest.h>

#include <functional>
#include <string>

#include "support/check_fixture.h"
#include "support/fresh_grids.h"

namespace vantrel {
namespace {

using test::CheckRun;
using Setup = std::function<void(DesignRecord&, DesignInputs&)>;
constexpr VerdictState kPass = VerdictState::Pass;
constexpr VerdictState kFail = VerdictState::Fail;
constexpr VerdictState kNone = VerdictState::Missing;

struct LimitRow {
    const char* name;
    void (*check)(CalcContext&);
    Verdict verdict;
    VerdictState state;
    const char* error;  // "module.procedure number", or ""
    Setup setup;
};

void PrintTo(const LimitRow& row, std::ostream* out) {
    *out << row.name;
}

// Parameters: beam d 12, weight 50, tf 1, bf 8, Zx 100, c 1; column d 12,
// bf 10, W 14x90; 20 ft, SMRF. Every parameter passes.
Setup Parameters(Setup change) {
    return [change](DesignRecord& r, DesignInputs& in) {
        r.Beam.d = r.Column.d = 12;
        r.Beam.Weight = 50;
        r.Beam.tf = r.c = 1;
        r.Beam.bf = 8;
        r.Beam.Zx = 100;
        r.Column.bf = 10;
        in.Length = "20";
        in.Column = "W 14x90";
        change(r, in);
        r.Column.Name = in.Column;
    };
}
// Mf over Ry Zb Fy = 100 ft-kip (Zx 100, Ry 1, Fy 12).
Setup Mf(float mf) {
    return [mf](DesignRecord& r, DesignInputs&) {
        r.Beam.Zx = 100;
        r.Ry = 1;
        r.Fy = 12;
        r.Mf = mf;
    };
}
// Cy 1, H 10 ft, db 60, tf 0, dc 10: 600 / (50 0.54 10 60) = 0.037 in required.
Setup Panel(float web, const char* frame) {
    return [web, frame](DesignRecord& r, DesignInputs& in) {
        r.Zrbs = r.Srbs = 40;
        r.Cpr = r.Ry = 1;
        r.Fy = 50;
        r.Mc = 100;
        r.Beam.d = 60;
        r.Beam.tf = 0;
        r.Column.d = 10;
        r.Column.tw = web;
        in.Height = "10";
        in.FRAMETYPE = frame;
    };
}
Setup Continuity(float bf, float tf, float columnFlange) {
    return [=](DesignRecord& r, DesignInputs&) {
        r.Beam.bf = bf;
        r.Beam.tf = tf;
        r.Column.tf = columnFlange;
    };
}
// Fy 64: the limits are 52/8 = 6.5 and 418/8 = 52.25. Flange: R 5, c 0, b 9
// give the width bf + 2 against 2 tf. Web: d / tw with tf 0. Shear: Va =
// 64 0.54 d tw = 345.6 for d 10, tw 1.
Setup Stability(float bf, float tf, float d, float tw, float vf) {
    return [=](DesignRecord& r, DesignInputs&) {
        r.Fy = 64;
        r.R = 5;
        r.c = 0;
        r.b = 9;
        r.Beam = WShape{.Name = "", .d = d, .bf = bf, .tw = tw, .tf = tf};
        r.Vf = vf;
    };
}

class CheckLimitTest : public ::testing::TestWithParam<LimitRow> {};

TEST_P(CheckLimitTest, StoresTheVerdictOfTheExactLimit) {
    const LimitRow& row = GetParam();
    CheckRun run;
    row.setup(run.state.record, run.inputs);
    for (ResultGrid* g :
         std::initializer_list<ResultGrid*>{&run.state.grids.checks, &run.state.grids.parameters})
        g->Paint(0, 0, g->RowCount() - 1, g->ColumnCount() - 1, kPassGreen);
    run.RunCheck(row.check);
    std::string errors;
    for (const ChainError& e : run.errors.errors)
        errors += e.module + "." + e.procedure + " " + std::to_string(e.number);
    EXPECT_EQ(errors, row.error);
    EXPECT_EQ(run.state.results.verdicts[row.verdict], row.state);
    if (!errors.empty()) {
        EXPECT_EQ(test::FirstDifferenceFromFreshGrids(run.state.grids), "");
    }
}

INSTANTIATE_TEST_SUITE_P(
    Limits, CheckLimitTest,
    ::testing::Values(
        LimitRow{"Depth36Fails", CheckBeamParameters, kBeamDepth, kFail, "",
                 Parameters([](auto& r, auto&) { r.Beam.d = 36; })},
        LimitRow{"DepthBelow36Passes", CheckBeamParameters, kBeamDepth, kPass, "",
                 Parameters([](auto& r, auto&) { r.Beam.d = 35.99f; })},
        LimitRow{"Weight300Passes", CheckBeamParameters, kBeamWeight, kPass, "",
                 Parameters([](auto& r, auto&) { r.Beam.Weight = 300; })},
        LimitRow{"WeightAbove300Fails", CheckBeamParameters, kBeamWeight, kFail, "",
                 Parameters([](auto& r, auto&) { r.Beam.Weight = 300.01f; })},
        // (L 12 - 12) / 12: 8 ft gives 7 exactly, 7 ft gives 6, 6 ft gives 5.
        LimitRow{"SpanRatioSevenFailsSmrf", CheckBeamParameters, kSpanToDepth, kFail, "",
                 Parameters([](auto&, auto& in) { in.Length = "8"; })},
        LimitRow{"SpanRatioAboveSevenPassesSmrf", CheckBeamParameters, kSpanToDepth, kPass, "",
                 Parameters([](auto&, auto& in) { in.Length = "8.01"; })},
        LimitRow{"SpanRatioSixPassesOmrf", CheckBeamParameters, kSpanToDepth, kPass, "",
                 Parameters([](auto&, auto& in) { in.Length = "7", in.FRAMETYPE = "OMRF"; })},
        LimitRow{"SpanRatioFiveFailsOmrf", CheckBeamParameters, kSpanToDepth, kFail, "",
                 Parameters([](auto&, auto& in) { in.Length = "6", in.FRAMETYPE = "OMRF"; })},
        LimitRow{"FlangeThickness175Passes", CheckBeamParameters, kFlangeThickness, kPass, "",
                 Parameters([](auto& r, auto&) { r.Beam.tf = 1.75f; })},
        LimitRow{"FlangeThicknessAbove175Fails", CheckBeamParameters, kFlangeThickness, kFail, "",
                 Parameters([](auto& r, auto&) { r.Beam.tf = 1.76f; })},
        // 8 1 11 / Zx, rounded to 0.01: Zx 125.7 gives 0.70, 124 gives 0.71.
        LimitRow{"FlangeShare070Fails", CheckBeamParameters, kFlangeMomentShare, kFail, "",
                 Parameters([](auto& r, auto&) { r.Beam.Zx = 125.7f; })},
        LimitRow{"FlangeShare071Passes", CheckBeamParameters, kFlangeMomentShare, kPass, "",
                 Parameters([](auto& r, auto&) { r.Beam.Zx = 124; })},
        LimitRow{"HalfFlangeLeftPasses", CheckBeamParameters, kFlangeReduction, kPass, "",
                 Parameters([](auto& r, auto&) { r.c = 2; })},
        LimitRow{"DeeperCutFails", CheckBeamParameters, kFlangeReduction, kFail, "",
                 Parameters([](auto& r, auto&) { r.c = 2.01f; })},
        LimitRow{"W24ColumnFailsSmrf", CheckBeamParameters, kColumnSize, kFail, "",
                 Parameters([](auto&, auto& in) { in.Column = "W 24x131"; })},
        LimitRow{
            "W24ColumnPassesOmrf", CheckBeamParameters, kColumnSize, kPass, "",
            Parameters([](auto&, auto& in) { in.Column = "W 24x131", in.FRAMETYPE = "OMRF"; })},
        LimitRow{"W12ColumnPassesSmrf", CheckBeamParameters, kColumnSize, kPass, "",
                 Parameters([](auto&, auto& in) { in.Column = "W 12x65"; })},
        LimitRow{"EqualWidthsPass", CheckBeamParameters, kColumnWidth, kPass, "",
                 Parameters([](auto& r, auto&) { r.Column.bf = 8; })},
        LimitRow{"NarrowerColumnFails", CheckBeamParameters, kColumnWidth, kFail, "",
                 Parameters([](auto& r, auto&) { r.Column.bf = 7.99f; })},
        LimitRow{"ZeroBeamDepth", CheckBeamParameters, kColumnWidth, kNone,
                 "Tab2.CheckBeamParameters 11", Parameters([](auto& r, auto&) { r.Beam.d = 0; })},
        LimitRow{"LengthEmpty", CheckBeamParameters, kSpanToDepth, kNone,
                 "Tab2.CheckBeamParameters 13",
                 Parameters([](auto&, auto& in) { in.Length = ""; })},
        LimitRow{"ZeroModulus", CheckBeamParameters, kFlangeMomentShare, kNone,
                 "Tab2.CheckBeamParameters 11", Parameters([](auto& r, auto&) { r.Beam.Zx = 0; })},
        LimitRow{"ZeroFlangeWidth", CheckBeamParameters, kFlangeReduction, kNone,
                 "Tab2.CheckBeamParameters 11",
                 Parameters([](auto& r, auto&) { r.Beam.bf = 0, r.Column.bf = 1; })},
        LimitRow{"MfBelowPoint99Passes", CheckMf, kMfRatio, kPass, "", Mf(98.99f)},
        LimitRow{"MfAtPoint99Fails", CheckMf, kMfRatio, kFail, "", Mf(99)},
        LimitRow{"MfOverZeroCapacity", CheckMf, kMfRatio, kNone, "Tab4.CheckMf 11",
                 [](DesignRecord& r, DesignInputs&) { r.Beam.Zx = 0; }},
        LimitRow{"WebEqualToRequiredPasses", CheckPanelZone, kDoublerPlates, kPass, "",
                 Panel(0.037f, "SMRF")},
        LimitRow{"WebBelowRequiredFails", CheckPanelZone, kDoublerPlates, kFail, "",
                 Panel(0.036f, "SMRF")},
        LimitRow{"WebBelowRequiredFailsOmrf", CheckPanelZone, kDoublerPlates, kFail, "",
                 Panel(0.036f, "OMRF")},
        LimitRow{"HeightNotANumber", CheckPanelZone, kDoublerPlates, kNone,
                 "Tab4.CheckPanelZone 13",
                 [](DesignRecord&, DesignInputs& in) { in.Height = "x"; }},
        // W 21x44 (bf 6.5, tf 0.45): Tcf1 0.918, Tcf2 = bf / 6 = 1.083 governs.
        LimitRow{"FlangeBetweenTheLimitsFails", CheckContPlates, kContinuityPlates, kFail, "",
                 Continuity(6.5f, 0.45f, 0.94f)},
        LimitRow{"FlangeAtTheGoverningLimitPasses", CheckContPlates, kContinuityPlates, kPass, "",
                 Continuity(6.5f, 0.45f, 1.083f)},
        // bf 6, tf 1: Tcf1 1.315 governs over Tcf2 1.
        LimitRow{"Tcf1GovernsFails", CheckContPlates, kContinuityPlates, kFail, "",
                 Continuity(6, 1, 1.314f)},
        LimitRow{"Tcf1GovernsPasses", CheckContPlates, kContinuityPlates, kPass, "",
                 Continuity(6, 1, 1.315f)},
        LimitRow{"RootOfANegative", CheckContPlates, kContinuityPlates, kNone,
                 "Tab4.CheckContPlates 5", Continuity(-1, 1, 1)},
        LimitRow{"FlangeRatioOneFails", CheckBeamFlangeStability, kFlangeSlenderness, kFail, "",
                 Stability(11, 1, 0, 0, 0)},
        LimitRow{"FlangeRatioBelowOnePasses", CheckBeamFlangeStability, kFlangeSlenderness, kPass,
                 "", Stability(10.99f, 1, 0, 0, 0)},
        LimitRow{"WebRatioOneFails", CheckBeamWebStability, kWebSlenderness, kFail, "",
                 Stability(0, 0, 52.25f, 1, 0)},
        LimitRow{"WebRatioBelowOnePasses", CheckBeamWebStability, kWebSlenderness, kPass, "",
                 Stability(0, 0, 52.2f, 1, 0)},
        LimitRow{"ShearUnityOneFails", CheckBeamShearCapacity, kBeamShear, kFail, "",
                 Stability(0, 0, 10, 1, 345.6f)},
        LimitRow{"ShearUnityBelowOnePasses", CheckBeamShearCapacity, kBeamShear, kPass, "",
                 Stability(0, 0, 10, 1, 345.5f)},
        // R = (4 c^2 + b^2) / 8c = 1.25 below bf/3: the width at b/3 still lies in the cut.
        LimitRow{"ShortDeepCutIsNoError", CheckBeamFlangeStability, kFlangeSlenderness, kPass, "",
                 [](DesignRecord& r, DesignInputs&) {
                     r.Beam = WShape{.Name = "", .bf = 6.5f, .tf = 0.45f};
                     r.R = 1.25f, r.b = r.c = 2, r.Fy = 50;
                 }},
        LimitRow{"CutWiderThanItsRadius", CheckBeamFlangeStability, kFlangeSlenderness, kNone,
                 "Tab4.CheckBeamFlangeStability 5",
                 [](DesignRecord& r, DesignInputs&) { r.R = 1, r.b = 6, r.Fy = 50; }},
        LimitRow{"ZeroFlangeThickness", CheckBeamFlangeStability, kFlangeSlenderness, kNone,
                 "Tab4.CheckBeamFlangeStability 11", Stability(11, 0, 0, 0, 0)},
        LimitRow{"ZeroWebThickness", CheckBeamWebStability, kWebSlenderness, kNone,
                 "Tab4.CheckBeamWebStability 11", Stability(0, 0, 10, 0, 0)},
        LimitRow{"FyZero", CheckBeamWebStability, kWebSlenderness, kNone,
                 "Tab4.CheckBeamWebStability 11", [](DesignRecord& r, DesignInputs&) { r.Fy = 0; }},
        LimitRow{"ZeroBeamDepthShear", CheckBeamShearCapacity, kBeamShear, kNone,
                 "Tab4.CheckBeamShearCapacity 11", Stability(0, 0, 0, 1, 1)}),
    [](const auto& p) { return std::string(p.param.name); });

}  // namespace
}  // namespace vantrel
