// The outputs of vantrel-cli as committed: every project file of examples/,
// tests/data/ and the regressions calculated with --json, and the command
// lines of tests/fixtures/calc/cases.tsv (see tests/fixtures/README.md; they
// are the same in the core-only build). Regenerate: tests/support/fixture_file.h.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "cli_runner.h"
#include "tests/support/fixture_file.h"

namespace vantrel::cli {
namespace {

namespace fs = std::filesystem;
using namespace cli_test;

struct FixtureCase {
    std::string name;
    std::vector<std::string> args;
    friend void PrintTo(const FixtureCase& c, std::ostream* os) { *os << c.name; }
};

std::vector<FixtureCase> Cases() {
    const fs::path source = VANTREL_SOURCE_DIR;
    std::vector<FixtureCase> cases;
    for (const char* folder : {"examples", "tests/data", "tests/files/regressions"})
        for (const auto& entry : fs::directory_iterator(source / folder))
            if (entry.path().extension() == ".vtl")
                cases.push_back(
                    {entry.path().stem().string(), {"calc", entry.path().string(), "--json"}});
    // One line a case: its name, then the arguments, separated by tabs; $SRC/ is the source folder.
    for (const std::string& line : test::FixtureLines(test::kFixtures / "calc/cases.tsv")) {
        std::vector<std::string> fields;
        std::istringstream in(line);
        for (std::string field; std::getline(in, field, '\t');)
            fields.push_back(field.starts_with("$SRC/") ? (source / field.substr(5)).string()
                                                        : field);
        cases.push_back({fields[0], {fields.begin() + 1, fields.end()}});
    }
    return cases;
}

class CalcFixture : public testing::TestWithParam<FixtureCase> {};

TEST_P(CalcFixture, OutputIsUnchanged) {
    const FixtureCase& c = GetParam();
    const Result result = RunCli(c.args);
    const fs::path folder = test::kFixtures / "calc";
    if (test::UpdatingFixtures())
        for (const auto& entry : fs::directory_iterator(folder))
            if (entry.path().stem().string().starts_with(c.name + ".exit"))
                fs::remove(entry.path());
    const bool json = std::find(c.args.begin(), c.args.end(), "--json") != c.args.end();
    const std::string stem = c.name + ".exit" + std::to_string(result.status);
    test::ExpectFixture(folder / (stem + (json ? ".json" : ".txt")), result.out);
    test::ExpectFixture(folder / (stem + ".err"), result.err, true);
}

INSTANTIATE_TEST_SUITE_P(Cli, CalcFixture, testing::ValuesIn(Cases()),
                         [](const auto& p) { return test::TestName(p.param.name); });

}  // namespace
}  // namespace vantrel::cli
