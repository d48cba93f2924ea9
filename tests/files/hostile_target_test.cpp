// Saving and opening where the target is not an ordinary file of the user:
// devices, FIFOs, sockets, links, other users' files, parallel saves, a full
// disk, names that are not UTF-8.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <sys/un.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstring>
#include <filesystem>
#include <functional>
#include <set>

#include "files/project_file.h"
#include "files/safe_file.h"
#include "temp_folder.h"

namespace vantrel {
namespace {

namespace fs = std::filesystem;

// Runs body in a child process and returns its exit status (-1 if killed).
int InChild(const std::function<int()>& body) {
    const pid_t pid = fork();
    if (pid == 0) _exit(body());
    int status = 0;
    waitpid(pid, &status, 0);
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

using test::Entries;

DesignInputs Design(const std::string& description) {
    DesignInputs inputs = NewDesignInputs();
    inputs.Description = description;
    return inputs;
}

// Makes a node of the kind at path; an empty text, or why it cannot.
using NodeMaker = std::function<std::string(const std::string&)>;

struct NodeCase {
    const char* label;
    NodeMaker make;
    mode_t type;
};

void PrintTo(const NodeCase& c, std::ostream* os) {
    *os << c.label;
}

const NodeCase kNodes[] = {
    {"folder",
     [](const std::string& p) { return mkdir(p.c_str(), 0700) == 0 ? "" : "mkdir failed"; },
     S_IFDIR},
    {"fifo",
     [](const std::string& p) { return mkfifo(p.c_str(), 0600) == 0 ? "" : "mkfifo failed"; },
     S_IFIFO},
    {"socket",
     [](const std::string& p) -> std::string {
         sockaddr_un address{};
         address.sun_family = AF_UNIX;
         if (p.size() >= sizeof address.sun_path) return "path too long for a socket";
         std::memcpy(address.sun_path, p.c_str(), p.size() + 1);
         const int fd = socket(AF_UNIX, SOCK_STREAM, 0);
         const bool bound = bind(fd, reinterpret_cast<sockaddr*>(&address), sizeof address) == 0;
         close(fd);
         return bound ? "" : "bind failed";
     },
     S_IFSOCK},
    {"device",
     [](const std::string& p) -> std::string {
         // The null device's numbers; only root may make device nodes, and
         // not in every container.
         if (mknod(p.c_str(), S_IFCHR | 0666, makedev(1, 3)) != 0)
             return "cannot make a device node here: " + std::string(std::strerror(errno));
         return "";
     },
     S_IFCHR},
};

class NotARegularFile : public testing::TestWithParam<NodeCase> {
  protected:
    void SetUp() override {
        const std::string why = GetParam().make(node_);
        if (!why.empty()) GTEST_SKIP() << why;
    }
    void ExpectNodeUntouched() {
        struct stat status {};
        ASSERT_EQ(lstat(node_.c_str(), &status), 0);
        EXPECT_EQ(status.st_mode & S_IFMT, GetParam().type);
        EXPECT_EQ(Entries(folder_.path()), std::vector<std::string>{"node"});
    }
    test::TempFolder folder_;
    std::string node_ = folder_.File("node");
};

TEST_P(NotARegularFile, IsNeverReplacedBySaving) {
    EXPECT_EQ(WriteProjectFile(node_, NewDesignInputs()), kSaveNotRegularFile);
    ExpectNodeUntouched();
}

TEST_P(NotARegularFile, IsNeverReplacedThroughALink) {
    fs::create_symlink("node", folder_.File("link"));
    EXPECT_EQ(WriteProjectFile(folder_.File("link"), NewDesignInputs()), kSaveNotRegularFile);
    fs::remove(folder_.File("link"));
    ExpectNodeUntouched();
}

// Opening a FIFO without a writer must not block.
TEST_P(NotARegularFile, IsRefusedByOpening) {
    EXPECT_EQ(ReadProjectFile(node_).error, kOpenNotRegularFile);
    ExpectNodeUntouched();
}

INSTANTIATE_TEST_SUITE_P(Nodes, NotARegularFile, testing::ValuesIn(kNodes),
                         [](const auto& p) { return std::string(p.param.label); });

class SaveTarget : public testing::Test {
  protected:
    test::TempFolder folder_;
    std::string file_ = folder_.File("frame.vtl");
};

TEST_F(SaveTarget, ADanglingLinkGetsTheFileItNames) {
    fs::create_symlink("frame.vtl", folder_.File("link.vtl"));
    ASSERT_EQ(WriteProjectFile(folder_.File("link.vtl"), Design("via link")), kFileOk);
    EXPECT_TRUE(fs::is_symlink(folder_.File("link.vtl")));
    EXPECT_EQ(ReadProjectFile(file_).inputs.Description, "via link");
}

TEST_F(SaveTarget, ALinkLoopIsRefused) {
    fs::create_symlink("b.vtl", folder_.File("a.vtl"));
    fs::create_symlink("a.vtl", folder_.File("b.vtl"));
    EXPECT_EQ(WriteProjectFile(folder_.File("a.vtl"), Design("x")), kSaveLinkLoop);
    EXPECT_EQ(Entries(folder_.path()), (std::vector<std::string>{"a.vtl", "b.vtl"}));
}

// The temporary name does not grow with the target's: a name near the
// folder's limit of 255 bytes still saves.
TEST_F(SaveTarget, ALongNameSaves) {
    const std::string name = folder_.File(std::string(246, 'n') + ".vtl");
    ASSERT_EQ(WriteProjectFile(name, Design("long")), kFileOk);
    EXPECT_EQ(ReadProjectFile(name).inputs.Description, "long");
}

// File names are bytes: one that is not UTF-8 is used exactly.
TEST_F(SaveTarget, ANameThatIsNotUtf8IsUsedExactly) {
    const std::string name = "frame-\xFF\xFE.vtl";
    ASSERT_EQ(WriteProjectFile(folder_.File(name), Design("bytes")), kFileOk);
    EXPECT_EQ(Entries(folder_.path()), std::vector<std::string>{name});
    EXPECT_EQ(ReadProjectFile(folder_.File(name)).inputs.Description, "bytes");
}

// A file-size limit makes the write fail (SIGXFSZ is ignored): the save
// reports 2102, removes its temporary file and leaves the target as it was.
TEST_F(SaveTarget, AFileSizeLimitFailsTheSaveCleanly) {
    ASSERT_EQ(WriteProjectFile(file_, Design("before")), kFileOk);
    const std::vector<uint8_t> before = test::ReadBytes(file_);
    const int status = InChild([this] {
        const rlimit limit{64, 64};
        if (setrlimit(RLIMIT_FSIZE, &limit) != 0) return 99;
        return WriteProjectFile(file_, Design(std::string(1000, 'x'))) == kSaveWriteFailed ? 0 : 1;
    });
    EXPECT_EQ(status, 0);
    EXPECT_EQ(test::ReadBytes(file_), before);
    EXPECT_EQ(Entries(folder_.path()), std::vector<std::string>{"frame.vtl"});
}

// Twenty saves to one path at once, five rounds: every save succeeds, and
// the file left is whole and is the content of one of them.
TEST_F(SaveTarget, ParallelSavesEachLeaveTheirOwnWholeFile) {
    constexpr int kSaves = 20;
    for (int round = 0; round < 5; ++round) {
        std::vector<pid_t> children;
        for (int i = 0; i < kSaves; ++i) {
            const pid_t pid = fork();
            if (pid == 0)
                _exit(WriteProjectFile(file_, Design(std::to_string(i))) == kFileOk ? 0 : 1);
            children.push_back(pid);
        }
        std::set<std::string> succeeded;
        for (int i = 0; i < kSaves; ++i) {
            int status = 0;
            waitpid(children[i], &status, 0);
            if (WIFEXITED(status) && WEXITSTATUS(status) == 0) succeeded.insert(std::to_string(i));
        }
        EXPECT_EQ(succeeded.size(), static_cast<size_t>(kSaves));
        const ProjectReadResult read = ReadProjectFile(file_);
        ASSERT_TRUE(read.ok()) << read.error;
        EXPECT_EQ(test::ReadBytes(file_), EncodeProject(Design(read.inputs.Description)));
        EXPECT_TRUE(succeeded.count(read.inputs.Description)) << read.inputs.Description;
        EXPECT_EQ(Entries(folder_.path()), std::vector<std::string>{"frame.vtl"});
    }
}

// Root saving over another user's file keeps it that user's, with its mode.
TEST_F(SaveTarget, KeepsTheOwnerGroupAndModeOfAnotherUsersFile) {
    if (geteuid() != 0) GTEST_SKIP() << "needs root to give the file to another user";
    constexpr uid_t kNobody = 65534;
    ASSERT_EQ(WriteProjectFile(file_, Design("theirs")), kFileOk);
    ASSERT_EQ(chown(file_.c_str(), kNobody, kNobody), 0);
    ASSERT_EQ(chmod(file_.c_str(), 0640), 0);
    ASSERT_EQ(WriteProjectFile(file_, Design("saved by root")), kFileOk);
    struct stat status {};
    ASSERT_EQ(stat(file_.c_str(), &status), 0);
    EXPECT_EQ(status.st_uid, kNobody);
    EXPECT_EQ(status.st_gid, kNobody);
    EXPECT_EQ(status.st_mode & 07777, 0640u);
    EXPECT_EQ(ReadProjectFile(file_).inputs.Description, "saved by root");
}

// A user who may not write a file may not replace it either, even where the
// folder would let the rename through.
TEST_F(SaveTarget, AnotherUserCannotReplaceAFileTheyMayNotWrite) {
    if (geteuid() != 0) GTEST_SKIP() << "needs root to act as another user";
    ASSERT_EQ(WriteProjectFile(file_, Design("root's")), kFileOk);
    ASSERT_EQ(chmod(folder_.path().c_str(), 0777), 0);
    const int status = InChild([this] {
        if (setgid(65534) != 0 || setuid(65534) != 0) return 99;
        return WriteProjectFile(file_, Design("nobody's"));
    });
    EXPECT_EQ(status, kSaveTargetReadOnly % 256);
    EXPECT_EQ(ReadProjectFile(file_).inputs.Description, "root's");
}

}  // namespace
}  // namespace vantrel
