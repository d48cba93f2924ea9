// Replays every file the fuzzer was ever seeded with or crashed on and the
// shipped examples (whose bytes the save command tests pin): a change of the
// format that breaks old files fails here.
#include <gtest/gtest.h>

#include <filesystem>

#include "files/project_file.h"
#include "temp_folder.h"

namespace vantrel {
namespace {

namespace fs = std::filesystem;

std::vector<std::string> FilesIn(const std::vector<fs::path>& folders) {
    std::vector<std::string> files;
    for (const fs::path& folder : folders) {
        if (!fs::is_directory(folder)) continue;
        for (const auto& entry : fs::directory_iterator(folder))
            if (entry.is_regular_file() && entry.path().extension() != ".md")
                files.push_back(entry.path().string());
    }
    std::sort(files.begin(), files.end());
    return files;
}

const fs::path kSource = VANTREL_SOURCE_DIR;

class ReplayedFile : public testing::TestWithParam<std::string> {};

TEST_P(ReplayedFile, DecodesOrIsRefusedAndReopensAsItOpened) {
    const std::vector<uint8_t> bytes = test::ReadBytes(GetParam());
    const ProjectReadResult read = DecodeProject(bytes);
    EXPECT_EQ(ReadProjectFile(GetParam()).error, read.error);
    if (!read.ok()) {
        EXPECT_EQ(read.inputs, DesignInputs{});
        return;
    }
    // What opening shows must save and open again unchanged.
    ASSERT_EQ(CheckSavable(read.inputs), kFileOk);
    const ProjectReadResult again = DecodeProject(EncodeProject(read.inputs));
    ASSERT_TRUE(again.ok());
    EXPECT_EQ(again.inputs, read.inputs);
}

INSTANTIATE_TEST_SUITE_P(Files, ReplayedFile,
                         testing::ValuesIn(FilesIn({kSource / "tests/files/regressions",
                                                    kSource / "fuzz/corpus",
                                                    kSource / "examples"})),
                         [](const auto& p) {
                             std::string name =
                                 fs::path(p.param).parent_path().filename().string() + "_" +
                                 fs::path(p.param).filename().string();
                             for (char& ch : name)
                                 if (!std::isalnum(static_cast<unsigned char>(ch))) ch = '_';
                             return name;
                         });
GTEST_ALLOW_UNINSTANTIATED_PARAMETERIZED_TEST(ReplayedFile);

}  // namespace
}  // namespace vantrel
