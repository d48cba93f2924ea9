// vantrel-cli search: the listed designs are those calc passes, in rank
// order, in all three output forms; options, file input and exit statuses.
#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include <filesystem>
#include <sstream>
#include <string>
#include <vector>

#include "cli.h"
#include "cli_runner.h"
#include "files/project_file.h"
#include "model/number_text.h"

namespace vantrel::cli {
namespace {

using namespace cli_test;

// A loaded 30 ft bay.
std::vector<std::string> Search(std::vector<std::string> more = {}) {
    std::vector<std::string> args = {"search",      "--set",     "Length=30",
                                     "--set",       "Height=13", "--set",
                                     "DistDL1=1.2", "--set",     "DistLL1=0.8"};
    args.insert(args.end(), more.begin(), more.end());
    return args;
}

nlohmann::json SearchJson(std::vector<std::string> more = {}) {
    more.push_back("--json");
    const Result result = RunCli(Search(more));
    EXPECT_EQ(result.status, kExitPass) << result.err;
    return nlohmann::json::parse(result.out);
}

TEST(SearchCommandTest, ListedDesignsAreWhatCalcPasses) {
    const auto json = SearchJson();
    EXPECT_EQ(json["searched"], 71289);
    const auto& designs = json["designs"];
    ASSERT_GT(designs.size(), 100u);
    for (size_t i = 1; i < designs.size(); ++i)
        ASSERT_LE(designs[i - 1]["Weight"].get<double>(), designs[i]["Weight"].get<double>());

    for (size_t i : {size_t{0}, size_t{1}, designs.size() / 2, designs.size() - 1}) {
        const auto& d = designs[i];
        const Result calc =
            RunCli({"calc", "--set", "Beam=" + d["Beam"].get<std::string>(), "--set",
                    "Column=" + d["Column"].get<std::string>(), "--set", "Length=30", "--set",
                    "Height=13", "--set", "DistDL1=1.2", "--set", "DistLL1=0.8", "--json"});
        const auto grids = nlohmann::json::parse(calc.out)["grids"];
        const auto& checks = grids["checks"];
        for (int row = 2; row <= 10; ++row) {
            if (row == 8) continue;
            EXPECT_EQ(grids["parameters"][row][1]["color"], "#00FF00") << d << " row " << row;
        }
        for (int row : {3, 16, 20, 24}) EXPECT_EQ(checks[row][2]["color"], "#00FF00") << d;
        EXPECT_EQ(checks[8][2]["color"] == "#FF0000", d["DoublerPlatesRequired"].get<bool>()) << d;
        EXPECT_EQ(checks[12][2]["color"] == "#FF0000", d["ContinuityPlatesRequired"].get<bool>());
        const auto number = [&](const char* key) {
            return static_cast<float>(d[key].get<double>());
        };
        EXPECT_EQ(checks[3][2]["text"], Format(number("MfRatio"), "0.000")) << d;
        EXPECT_EQ(checks[16][2]["text"], Format(number("FlangeRatio"), "0.00")) << d;
        EXPECT_EQ(checks[20][2]["text"], Format(number("WebRatio"), "0.00")) << d;
        EXPECT_EQ(checks[24][2]["text"], Format(number("ShearUnity"), "0.00")) << d;
    }
}

TEST(SearchCommandTest, CsvAndTableListTheJsonDesigns) {
    const auto designs = SearchJson()["designs"];
    const Result csv = RunCli(Search({"--csv"}));
    const auto rows = Lines(csv.out);
    ASSERT_EQ(rows.size(), designs.size() + 1);
    EXPECT_EQ(rows[0],
              "Beam,Column,MfRatio,ShearUnity,FlangeRatio,WebRatio,DoublerPlatesRequired,"
              "ContinuityPlatesRequired,Aisc358Pass,StrongColumnRatio,PanelZoneRatio,Weight");
    for (size_t i = 0; i < designs.size(); ++i) {
        const auto& d = designs[i];
        const std::string expected =
            d["Beam"].get<std::string>() + "," + d["Column"].get<std::string>() + ",";
        ASSERT_EQ(rows[i + 1].rfind(expected, 0), 0u) << rows[i + 1];
    }

    const Result table = RunCli(Search({"--limit", "3"}));
    const auto lines = Lines(table.out);
    ASSERT_EQ(lines.size(), 6u) << table.out;
    EXPECT_EQ(lines[0], "Searched 71289 beam/column pairs: " + std::to_string(designs.size()) +
                            " designs pass.");
    EXPECT_EQ(lines[1].rfind("Rank  Beam", 0), 0u);
    for (int rank = 1; rank <= 3; ++rank) {
        const auto& d = designs[static_cast<size_t>(rank - 1)];
        const std::string& line = lines[static_cast<size_t>(rank) + 1];
        EXPECT_NE(line.find(d["Beam"].get<std::string>()), std::string::npos) << line;
        EXPECT_NE(line.find(d["Column"].get<std::string>()), std::string::npos) << line;
    }
    EXPECT_EQ(lines[5].rfind("Showing the first 3;", 0), 0u);

    const Result all = RunCli(Search({"--limit", "100000"}));
    EXPECT_EQ(Lines(all.out).size(), designs.size() + 2);
}

TEST(SearchCommandTest, PlateOptionsDropThePairsThatNeedPlates) {
    const auto all = SearchJson()["designs"];
    const auto noDoublers = SearchJson({"--no-doublers"})["designs"];
    const auto noPlates = SearchJson({"--no-doublers", "--no-continuity"})["designs"];
    nlohmann::json expectDoublers = nlohmann::json::array();
    nlohmann::json expectPlates = nlohmann::json::array();
    for (const auto& d : all) {
        if (d["DoublerPlatesRequired"]) continue;
        expectDoublers.push_back(d);
        if (!d["ContinuityPlatesRequired"]) expectPlates.push_back(d);
    }
    ASSERT_LT(expectDoublers.size(), all.size());
    ASSERT_LT(expectPlates.size(), expectDoublers.size());
    ASSERT_FALSE(expectPlates.empty());
    EXPECT_EQ(noDoublers, expectDoublers);
    EXPECT_EQ(noPlates, expectPlates);
}

// Both codes keep exactly the FEMA 350 designs whose current-code verdict
// holds; the current code alone lists only designs that meet it.
TEST(SearchCommandTest, CodeChoosesWhichVerdictsMustHold) {
    const auto fema = SearchJson()["designs"];
    nlohmann::json expected = nlohmann::json::array();
    for (const auto& d : fema)
        if (d["Aisc358Pass"] == true) expected.push_back(d);
    ASSERT_FALSE(expected.empty());
    ASSERT_LT(expected.size(), fema.size());
    EXPECT_EQ(SearchJson({"--code", "both"})["designs"], expected);
    const auto current = SearchJson({"--code", "aisc358", "--no-doublers"})["designs"];
    ASSERT_FALSE(current.empty());
    for (const auto& d : current) {
        EXPECT_EQ(d["Aisc358Pass"], true) << d;
        EXPECT_LE(d["PanelZoneRatio"].get<double>(), 1.0) << d;
    }
}

TEST(SearchCommandTest, SearchesWithAProjectFilesInputs) {
    const std::string file =
        (std::filesystem::path(VANTREL_SOURCE_DIR) / "examples" / "omrf-frame.vtl").string();
    const ProjectReadResult read = ReadProjectFile(file);
    ASSERT_TRUE(read.ok());
    std::vector<std::string> typed = {"search", "--json"};
    for (const InputField& field : kInputFields) {
        typed.push_back("--set");
        typed.push_back(std::string(field.name) + "=" + field.Of(read.inputs));
    }
    const Result fromFile = RunCli({"search", file, "--json"});
    const Result fromSets = RunCli(typed);
    EXPECT_EQ(fromFile.status, fromSets.status);
    EXPECT_EQ(nlohmann::json::parse(fromFile.out)["searched"], 71289);
    EXPECT_EQ(fromFile.out, fromSets.out);
}

class SearchStatusTest : public ::testing::TestWithParam<StatusCase> {};

TEST_P(SearchStatusTest, ExitStatusTellsTheOutcome) {
    ExpectOutcome(GetParam());
}

INSTANTIATE_TEST_SUITE_P(
    Outcomes, SearchStatusTest,
    ::testing::Values(
        StatusCase{"DesignsFound", Search({"--limit", "1"}), kExitPass, "designs pass."},
        StatusCase{"NothingPasses",
                   {"search", "--set", "Length=2"},
                   kExitCheckFails,
                   "Searched 71289 beam/column pairs: 0 designs pass."},
        StatusCase{"EveryPairInError",
                   {"search", Data("length-not-a-number.vtl")},
                   kExitCalculationError,
                   "Error 13 (Type mismatch) in CalculateVP"},
        StatusCase{"CoefficientInError",
                   {"search", Data("coefficient-not-a-number.vtl")},
                   kExitCalculationError,
                   "Error 13 (Type mismatch) in CalculateCutout"},
        StatusCase{"HeightOfZero",
                   {"search", "--set", "Height=0", "--json"},
                   kExitCalculationError,
                   "Error 11 (Division by zero) in CheckPanelZone"},
        StatusCase{"NegativeLoad",
                   {"search", Data("negative-point-load.vtl")},
                   kExitCalculationError,
                   "Error 5 (Invalid procedure call or argument) in CalculateVP"},
        StatusCase{"JsonAndCsv", {"search", "--json", "--csv"}, kExitUsage, "choose one"},
        StatusCase{"LimitNotANumber", {"search", "--limit", "ten"}, kExitUsage, "--limit"},
        StatusCase{"NegativeLimit", {"search", "--limit", "-3"}, kExitUsage, "--limit"},
        StatusCase{"UnknownOption", {"search", "--fast"}, kExitUsage, "unknown option"},
        StatusCase{"UnknownCode", {"search", "--code", "asce7"}, kExitUsage, "--code"},
        StatusCase{
            "UnknownInput", {"search", "--set", "Span=30"}, kExitUsage, "unknown input name"},
        StatusCase{"MissingFile", {"search", "no-such-file.vtl"}, kExitFileError, "no-such-file"}),
    [](const ::testing::TestParamInfo<StatusCase>& param) {
        return std::string(param.param.name);
    });

}  // namespace
}  // namespace vantrel::cli
