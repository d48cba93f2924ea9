// The example files shipped with the program still open as the designs they
// were saved as: a change of the format that breaks old files fails here.
#include <gtest/gtest.h>

#include <filesystem>

#include "files/project_file.h"

namespace vantrel {
namespace {

DesignInputs WorkedExample() {
    DesignInputs inputs = NewDesignInputs();
    inputs.Beam = "W 21x44";
    inputs.Column = "W 14x90";
    inputs.Length = "30.00";
    return inputs;
}

struct ExampleCase {
    const char* file;
    DesignInputs inputs;
};

void PrintTo(const ExampleCase& c, std::ostream* os) {
    *os << c.file;
}

class ExampleFile : public testing::TestWithParam<ExampleCase> {};

TEST_P(ExampleFile, OpensAsTheDesignItHolds) {
    const std::filesystem::path path =
        std::filesystem::path(VANTREL_SOURCE_DIR) / "examples" / GetParam().file;
    const ProjectReadResult read = ReadProjectFile(path.string());
    ASSERT_EQ(read.error, kFileOk);
    EXPECT_EQ(read.inputs, GetParam().inputs);
}

ExampleCase Loaded() {
    DesignInputs inputs = WorkedExample();
    inputs.DistDL1 = "1.000";
    inputs.DistLL1 = "0.500";
    inputs.PointDL1 = "10.000";
    inputs.PointLoadLocation1 = "10.00";
    return {"worked-example-loaded.vtl", inputs};
}

ExampleCase Omrf() {
    DesignInputs inputs = WorkedExample();
    inputs.FRAMETYPE = "OMRF";
    return {"omrf-frame.vtl", inputs};
}

INSTANTIATE_TEST_SUITE_P(Shipped, ExampleFile,
                         testing::Values(ExampleCase{"worked-example.vtl", WorkedExample()},
                                         Loaded(), Omrf()),
                         [](const auto& p) {
                             std::string name = p.param.file;
                             name.resize(name.find('.'));
                             std::replace(name.begin(), name.end(), '-', '_');
                             return name;
                         });

}  // namespace
}  // namespace vantrel
