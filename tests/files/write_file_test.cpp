// Saving replaces a file whole or not at all.
#include <gtest/gtest.h>

#include <filesystem>

#include "files/project_file.h"
#include "temp_folder.h"

namespace vantrel {
namespace {

namespace fs = std::filesystem;

class WriteProjectFileTest : public testing::Test {
  protected:
    WriteProjectFileTest() {
        previous_ = NewDesignInputs();
        previous_.Beam = "W 21x44";
        previous_.Length = "30.00";
        EXPECT_EQ(WriteProjectFile(path_, previous_), kFileOk);
        previousBytes_ = test::ReadBytes(path_);
        changed_ = previous_;
        changed_.Beam = "W 24x55";
        changed_.DistDL[0] = "2";
    }

    // Only the target: no temporary file is left behind.
    std::vector<std::string> FolderEntries() const { return test::Entries(folder_.path()); }

    test::TempFolder folder_;
    std::string path_ = folder_.File("frame.vtl");
    DesignInputs previous_, changed_;
    std::vector<uint8_t> previousBytes_;
};

TEST_F(WriteProjectFileTest, WritesExactlyTheEncodedContent) {
    EXPECT_EQ(previousBytes_, EncodeProject(previous_));
    EXPECT_EQ(ReadProjectFile(path_).inputs, previous_);
    EXPECT_EQ(FolderEntries(), std::vector<std::string>{"frame.vtl"});
}

TEST_F(WriteProjectFileTest, ReplacesThePreviousFile) {
    ASSERT_EQ(WriteProjectFile(path_, changed_), kFileOk);
    const ProjectReadResult read = ReadProjectFile(path_);
    ASSERT_TRUE(read.ok());
    EXPECT_EQ(read.inputs.Beam, "W 24x55");
    EXPECT_EQ(read.inputs.DistDL[0], "2.000");
    EXPECT_EQ(FolderEntries(), std::vector<std::string>{"frame.vtl"});
}

TEST_F(WriteProjectFileTest, AMissingFolderFailsWithoutCreatingIt) {
    const std::string target = folder_.File("absent/frame.vtl");
    EXPECT_EQ(WriteProjectFile(target, changed_), kSaveCannotCreate);
    EXPECT_FALSE(fs::exists(folder_.File("absent")));
}

TEST_F(WriteProjectFileTest, AReadOnlyFileIsNotReplaced) {
    fs::permissions(path_, fs::perms::owner_read | fs::perms::group_read);
    EXPECT_EQ(WriteProjectFile(path_, changed_), kSaveTargetReadOnly);
    EXPECT_EQ(test::ReadBytes(path_), previousBytes_);
}

TEST_F(WriteProjectFileTest, KeepsThePermissionsOfTheReplacedFile) {
    const fs::perms perms = fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read;
    fs::permissions(path_, perms);
    ASSERT_EQ(WriteProjectFile(path_, changed_), kFileOk);
    EXPECT_EQ(fs::status(path_).permissions(), perms);
}

TEST_F(WriteProjectFileTest, SavingThroughALinkReplacesTheLinkedFile) {
    const std::string link = folder_.File("link.vtl");
    fs::create_symlink("frame.vtl", link);
    ASSERT_EQ(WriteProjectFile(link, changed_), kFileOk);
    EXPECT_TRUE(fs::is_symlink(link));
    EXPECT_EQ(ReadProjectFile(path_).inputs.Beam, "W 24x55");
}

struct UnsavableCase {
    const char* label;
    std::string description;
    int error;
};

void PrintTo(const UnsavableCase& c, std::ostream* os) {
    *os << c.label;
}

class UnsavableText : public WriteProjectFileTest,
                      public testing::WithParamInterface<UnsavableCase> {};

// A file that opening would refuse is never written.
TEST_P(UnsavableText, IsRefusedBeforeTheFileIsTouched) {
    changed_.Description = GetParam().description;
    EXPECT_EQ(CheckSavable(changed_), GetParam().error);
    EXPECT_EQ(WriteProjectFile(path_, changed_), GetParam().error);
    EXPECT_EQ(test::ReadBytes(path_), previousBytes_);
    EXPECT_EQ(FolderEntries(), std::vector<std::string>{"frame.vtl"});
}

INSTANTIATE_TEST_SUITE_P(
    Texts, UnsavableText,
    testing::Values(UnsavableCase{"latin1",
                                  "Stra\xDF"
                                  "e",
                                  kSaveTextNotUtf8},
                    UnsavableCase{"cut_sequence", "ok \xE2\x80", kSaveTextNotUtf8},
                    UnsavableCase{"over_limit", std::string(kMaxValueBytes + 1, 'x'),
                                  kSaveTextTooLong}),
    [](const auto& p) { return std::string(p.param.label); });

}  // namespace
}  // namespace vantrel
