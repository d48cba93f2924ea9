// What the fixtures of calc_fixture_test cannot say: the statuses of help and
// version, and that search's options and output forms keep exactly the
// designs they name.
#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include <cctype>
#include <fstream>
#include <iterator>

#include "cli_runner.h"

namespace vantrel::cli {
namespace {

using namespace cli_test;

TEST(CommandTest, HelpVersionAndUsageErrors) {
    const struct {
        std::vector<std::string> args;
        int status;
        const char* begins;  // standard output, or error when the status is not 0
        const char* holds = "";
    } rows[] = {
        {{"--help"}, kExitPass, "Usage: vantrel-cli"},
        {{"search", "--help"}, kExitPass, "Usage: vantrel-cli search ", "\n      --limit N "},
        {{"batch", "-o", "x.csv", "-h"},
         kExitPass,
         "Usage: vantrel-cli batch ",
         "\n  -o, --output OUT.csv "},
        {{"report", "--help"}, kExitPass, "Usage: vantrel-cli report ", "--output OUT.pdf"},
        {{"--version"}, kExitPass, "vantrel-cli " VANTREL_VERSION_TEXT "\n"},
        {{}, kExitUsage, "Usage: vantrel-cli"},
        {{"draw"}, kExitUsage, "vantrel-cli: unknown command 'draw'\nUsage: "},
        {{"--verbose"}, kExitUsage, "vantrel-cli: unknown option '--verbose'\nUsage: "},
        // One parser: --name=VALUE for every valued option, the last value wins.
        {{"calc", "--json=yes"}, kExitUsage, "vantrel-cli: --json takes no value\n"},
        {{"calc", "--set=Length"}, kExitUsage, "vantrel-cli: --set needs NAME=TEXT, got 'Length'"},
        {{"search", "--code=asce7", "--code", "both", "--limit", "x"},
         kExitUsage,
         "vantrel-cli: --limit needs a whole number of 0 or more, got 'x'"},
        {{"search", "--code", "both", "--code=asce7"},
         kExitUsage,
         "vantrel-cli: --code needs fema350, aisc358 or both, got 'asce7'"},
        {{"search", "--limit=x", "--limit=2", "--limit"},
         kExitUsage,
         "vantrel-cli: --limit needs N\n"},
        {{"calc", "--", "--json"},
         kExitFileError,
         "vantrel-cli: Unable to open and read \"--json\""},
    };
    for (const auto& [args, status, begins, holds] : rows) {
        const Result result = RunCli(args);
        EXPECT_EQ(result.status, status) << begins;
        const std::string& shown = status ? result.err : result.out;
        EXPECT_EQ(shown.rfind(begins, 0), 0u) << shown;
        EXPECT_NE(shown.find(holds), std::string::npos) << shown;
    }
}

// The README's usage lines are the program's own, blanks aside.
TEST(CommandTest, ReadmeShowsTheUsageLines) {
    std::ifstream file(std::string(VANTREL_SOURCE_DIR) + "/README.md");
    const std::string readme{std::istreambuf_iterator<char>(file), {}};
    const auto collapse = [](const std::string& text) {
        std::string out;
        for (const char c : text)
            if (!std::isspace(static_cast<unsigned char>(c)) || (!out.empty() && out.back() != ' '))
                out += std::isspace(static_cast<unsigned char>(c)) ? ' ' : c;
        return out;
    };
    const std::string usage = RunCli({"--help"}).out;
    for (const std::string& line : Lines(usage)) {
        if (!line.starts_with("  vantrel-cli ")) continue;
        EXPECT_NE(collapse(readme).find(collapse(line.substr(2))), std::string::npos) << line;
    }
}

// A loaded 30 ft bay, searched with more options.
std::vector<std::string> Search(std::vector<std::string> more) {
    std::vector<std::string> args = {"search",      "--set",     "Length=30",
                                     "--set",       "Height=13", "--set",
                                     "DistDL1=1.2", "--set",     "DistLL1=0.8"};
    args.insert(args.end(), more.begin(), more.end());
    return args;
}

nlohmann::json Designs(std::vector<std::string> more = {}) {
    more.push_back("--json");
    const Result result = RunCli(Search(more));
    EXPECT_EQ(result.status, kExitPass) << result.err;
    return nlohmann::json::parse(result.out)["designs"];
}

// The plate options drop the pairs that need the plates; both codes, the
// default, keep exactly the FEMA 350 designs whose current-code verdict
// holds; the current code alone lists only designs that meet it.
TEST(SearchCommandTest, OptionsKeepExactlyTheDesignsThatMeetThem) {
    const auto all = Designs({"--code", "fema350"});
    auto noDoublers = nlohmann::json::array(), noPlates = noDoublers, both = noDoublers;
    for (const auto& d : all) {
        if (d["Aisc358Pass"] == true) both.push_back(d);
        if (d["DoublerPlatesRequired"]) continue;
        noDoublers.push_back(d);
        if (!d["ContinuityPlatesRequired"]) noPlates.push_back(d);
    }
    ASSERT_FALSE(noPlates.empty());
    ASSERT_LT(noPlates.size(), noDoublers.size());
    ASSERT_LT(noDoublers.size(), all.size());
    ASSERT_FALSE(both.empty());
    ASSERT_LT(both.size(), all.size());
    EXPECT_EQ(Designs({"--code", "fema350", "--no-doublers"}), noDoublers);
    EXPECT_EQ(Designs({"--code", "fema350", "--no-doublers", "--no-continuity"}), noPlates);
    EXPECT_EQ(Designs(), both);
    const auto current = Designs({"--code", "aisc358", "--no-doublers"});
    ASSERT_FALSE(current.empty());
    for (const auto& d : current) {
        EXPECT_EQ(d["Aisc358Pass"], true) << d;
        EXPECT_LE(d["PanelZoneRatio"].get<double>(), 1.0) << d;
    }
}

// The CSV lists every JSON design in its order; the table the first --limit.
TEST(SearchCommandTest, CsvAndTableListTheJsonDesigns) {
    const auto designs = Designs();
    const auto rows = Lines(RunCli(Search({"--csv"})).out);
    ASSERT_EQ(rows.size(), designs.size() + 1);
    const auto pair = [&](size_t i) {
        return designs[i]["Beam"].get<std::string>() + "," +
               designs[i]["Column"].get<std::string>();
    };
    for (size_t i = 0; i < designs.size(); ++i) ASSERT_EQ(rows[i + 1].rfind(pair(i), 0), 0u);

    const auto table = Lines(RunCli(Search({"--limit", "3"})).out);
    ASSERT_EQ(table.size(), 6u);  // the count, the heading, three designs, the note
    for (size_t i = 0; i < 3; ++i) {
        const std::string beam = designs[i]["Beam"], column = designs[i]["Column"];
        EXPECT_NE(table[i + 2].find(beam), std::string::npos) << table[i + 2];
        EXPECT_NE(table[i + 2].find(column), std::string::npos) << table[i + 2];
    }
    EXPECT_EQ(Lines(RunCli(Search({"--limit", "100000"})).out).size(), designs.size() + 2);
}

}  // namespace
}  // namespace vantrel::cli
