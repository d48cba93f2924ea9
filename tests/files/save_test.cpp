// Saving replaces a file whole or not at all, and never anything but an
// ordinary file: devices, FIFOs, folders, links, other users' files,
// parallel saves, a full disk, names that are not UTF-8.
#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/syscall.h>
#include <sys/sysmacros.h>
#include <sys/wait.h>
#include <unistd.h>

#include <climits>
#include <csignal>
#include <filesystem>
#include <sstream>

#include "files/project_file.h"
#include "files/safe_file.h"
#include "support/temp_folder.h"

// The save's fsync, taking the C library's place in this program: it fails
// while failFsync is set, and counts the folders it syncs.
bool failFsync = false;
int foldersSynced = 0;
extern "C" int fsync(int fd) {
    struct stat status {};
    if (fstat(fd, &status) == 0 && S_ISDIR(status.st_mode)) ++foldersSynced;
    if (failFsync) return errno = EIO, -1;
    return static_cast<int>(syscall(SYS_fsync, fd));
}

namespace vantrel {
namespace {

namespace fs = std::filesystem;
using test::Entries;
using test::ReadBytes;

constexpr uid_t kNobody = 65534;

DesignInputs Design(const std::string& description) {
    DesignInputs inputs = NewDesignInputs();
    inputs.Description = description;
    return inputs;
}

class SaveTest : public testing::Test {
  protected:
    void SetUp() override { ASSERT_EQ(WriteProjectFile(file_, Design("before")), kFileOk); }
    test::TempFolder folder_;
    std::string file_ = folder_.File("frame.vtl");
};

// Root saving over another user's file keeps its owner and group, also
// where only one of them differs from the saver's, and its mode.
TEST_F(SaveTest, WritesTheEncodedContentOverThePreviousFileKeepingOwnerAndMode) {
    const bool root = geteuid() == 0;
    const std::pair<uid_t, gid_t> owners[] = {{kNobody, kNobody}, {0, kNobody}, {kNobody, 0}};
    for (const auto& [uid, gid] : owners) {
        ASSERT_TRUE(!root || chown(file_.c_str(), uid, gid) == 0);
        ASSERT_EQ(chmod(file_.c_str(), 0640), 0);
        const int synced = foldersSynced;
        ASSERT_EQ(WriteProjectFile(file_, Design("after")), kFileOk);
        EXPECT_GT(foldersSynced, synced);  // the rename is made to last
        EXPECT_EQ(ReadBytes(file_), EncodeProject(Design("after")));
        EXPECT_EQ(Entries(folder_.path()), std::vector<std::string>{"frame.vtl"});
        struct stat status {};
        ASSERT_EQ(stat(file_.c_str(), &status), 0);
        EXPECT_EQ(status.st_mode & 07777, 0640u);
        EXPECT_EQ(status.st_uid, root ? uid : getuid());
        EXPECT_EQ(status.st_gid, root ? gid : getgid());
        if (!root) break;
    }
}

// A link is followed to the file it names, also one that does not exist
// yet; the link stays. Names are bytes: one near the folder's limit of 255
// bytes or not UTF-8 is used exactly.
TEST_F(SaveTest, LinksAndUnusualNamesLeadToTheFileTheyName) {
    fs::create_symlink("frame.vtl", folder_.File("link.vtl"));
    fs::create_symlink("new.vtl", folder_.File("dangling.vtl"));
    const std::string longName = std::string(246, 'n') + ".vtl", bytesName = "frame-\xFF\xFE.vtl";
    const std::string saved[] = {"link.vtl", "dangling.vtl", longName, bytesName};
    const std::string found[] = {"frame.vtl", "new.vtl", longName, bytesName};
    for (size_t i = 0; i < 4; ++i) {
        ASSERT_EQ(WriteProjectFile(folder_.File(saved[i]), Design(saved[i].substr(0, 5))), 0);
        EXPECT_EQ(ReadProjectFile(folder_.File(found[i])).inputs.Description,
                  saved[i].substr(0, 5));
    }
    EXPECT_TRUE(fs::is_symlink(folder_.File("link.vtl")));
    EXPECT_EQ(Entries(folder_.path()).size(), 6u);
    // A new file gets what the umask leaves of 0666, as any program's file.
    const mode_t mask = umask(022);
    umask(mask);
    struct stat status {};
    ASSERT_EQ(stat(folder_.File("new.vtl").c_str(), &status), 0);
    EXPECT_EQ(status.st_mode & 07777, 0666u & ~mask);
}

// The kernel's fs.protected_symlinks rule, whatever the machine's setting:
// in a sticky folder open to all, only the saver's and the folder owner's
// links are followed. Each case saves through a link to a new file.
TEST_F(SaveTest, LinksInStickyFoldersAreFollowedOnlyForTheirOwnerOrTheFolders) {
    if (geteuid() != 0) GTEST_SKIP() << "needs root to give a link to another user";
    struct {
        mode_t folderMode;
        uid_t folderOwner, linkOwner;
        int error;
    } const cases[] = {{01777, 0, kNobody, kSaveLinkNotFollowed},
                       {01777, kNobody, kNobody, 0},
                       {01777, kNobody, 0, 0},
                       {0777, 0, kNobody, 0},
                       {01775, 0, kNobody, 0}};
    for (size_t i = 0; i < std::size(cases); ++i) {
        const std::string shared = folder_.File("shared" + std::to_string(i)), link = shared + "/l";
        ASSERT_EQ(mkdir(shared.c_str(), 0700), 0);
        ASSERT_EQ(symlink("new.vtl", link.c_str()), 0);
        ASSERT_EQ(lchown(link.c_str(), cases[i].linkOwner, 0), 0);
        ASSERT_EQ(chown(shared.c_str(), cases[i].folderOwner, 0), 0);
        ASSERT_EQ(chmod(shared.c_str(), cases[i].folderMode), 0);
        EXPECT_EQ(WriteProjectFile(link, Design("x")), cases[i].error) << i;
        EXPECT_EQ(fs::exists(shared + "/new.vtl"), cases[i].error == 0) << i;
        EXPECT_EQ(Entries(shared).size(), cases[i].error == 0 ? 2u : 1u) << i;
    }
}

// A write held after its first bytes: it reports the temporary file's path
// up the first pipe and waits for a byte on the second.
int heldUp = -1, heldDown = -1;
void HoldWrite(const char* temporary) {
    if (write(heldUp, temporary, strlen(temporary) + 1) < 0) _exit(101);
    char go = 0;
    if (read(heldDown, &go, 1) != 1) _exit(102);
}

struct HeldCase {
    const char* label;
    int signal;  // sent while the write is held; 0: the write goes on
    bool targetExists;
    friend void PrintTo(const HeldCase& c, std::ostream* os) { *os << c.label; }
};

class HeldSave : public SaveTest, public testing::WithParamInterface<HeldCase> {};

// While it is written the new content is readable by its owner only; a
// signal that ends the save removes it and leaves the folder as it was; a
// save that goes on gives the file the replaced file's mode, or a new file's.
TEST_P(HeldSave, IsPrivateUntilWholeAndLeavesNothingWhenSignalled) {
    const HeldCase& c = GetParam();
    ASSERT_EQ(chmod(file_.c_str(), 0640), 0);  // kept, and not the temporary file's 0600
    const std::string target = c.targetExists ? file_ : folder_.File("new.vtl");
    const auto before = test::Snapshot(folder_.path());
    test::TempFolder earlier;  // saves before the held one, which must free their guards
    int up[2], down[2];
    ASSERT_EQ(pipe(up) | pipe(down), 0);
    const pid_t child = fork();
    if (child == 0) {
        for (int i = 0; i < 20; ++i) WriteProjectFile(earlier.File("earlier.vtl"), Design("x"));
        heldUp = up[1], heldDown = down[0];
        SetFirstWriteHookForTesting(HoldWrite);
        _exit(WriteProjectFile(target, Design("after")) % 256);
    }
    close(up[1]);
    close(down[0]);
    char temporary[PATH_MAX] = {};  // written at once: shorter than a pipe's atomic write
    EXPECT_GT(read(up[0], temporary, sizeof temporary - 1), 0);
    struct stat held {};
    EXPECT_EQ(stat(temporary, &held), 0) << temporary;
    EXPECT_EQ(held.st_mode & 07777, 0600u);
    // A signalled child dies in its handler: nobody would read a "go".
    if (c.signal != 0) {
        kill(child, c.signal);
    } else {
        EXPECT_EQ(write(down[1], "g", 1), 1);
    }
    int status = 0;
    waitpid(child, &status, 0);
    close(up[0]), close(down[1]);
    if (c.signal != 0) {
        EXPECT_TRUE(WIFSIGNALED(status) && WTERMSIG(status) == c.signal) << status;
        EXPECT_EQ(test::Snapshot(folder_.path()), before);
        return;
    }
    // A new file's mode: LinksAndUnusualNamesLeadToTheFileTheyName.
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << status;
    struct stat saved {};
    EXPECT_TRUE(stat(target.c_str(), &saved) == 0 &&
                (!c.targetExists || (saved.st_mode & 07777) == 0640));
    EXPECT_EQ(ReadProjectFile(target).inputs.Description, "after");
}

INSTANTIATE_TEST_SUITE_P(Signals, HeldSave,
                         testing::Values(HeldCase{"sigterm_over_a_file", SIGTERM, true},
                                         HeldCase{"sighup_new_file", SIGHUP, false},
                                         HeldCase{"sigint_over_a_file", SIGINT, true},
                                         HeldCase{"completed_over_a_file", 0, true},
                                         HeldCase{"completed_new_file", 0, false}),
                         [](const auto& p) { return std::string(p.param.label); });

// Makes what the steps name in the folder: "dir:NAME", "fifo:NAME",
// "dev:NAME" (the null device's numbers: root only, not in every container),
// "ro:NAME" (read-only), "link:NAME>TARGET". False when it cannot.
bool Prepare(const test::TempFolder& folder, const std::string& steps) {
    std::istringstream in(steps);
    for (std::string step; in >> step;) {
        const size_t colon = step.find(':'), arrow = step.find('>');
        const std::string kind = step.substr(0, colon);
        const std::string name = folder.File(step.substr(colon + 1, arrow - colon - 1));
        const int failed = kind == "dir"    ? mkdir(name.c_str(), 0700)
                           : kind == "fifo" ? mkfifo(name.c_str(), 0600)
                           : kind == "dev"  ? mknod(name.c_str(), S_IFCHR | 0666, makedev(1, 3))
                           : kind == "ro"   ? chmod(name.c_str(), 0444)
                                            : symlink(step.substr(arrow + 1).c_str(), name.c_str());
        if (failed) return false;
    }
    return true;
}

struct RefusedCase {
    const char* label;
    const char* steps;
    const char* target;
    int error;
    std::string text = "x";  // the description saved
    rlim_t sizeLimit = 0;    // a file-size limit (SIGXFSZ is ignored)
    bool asNobody = false;   // saved by another user, in a folder open to all
    bool failSync = false;   // fsync fails
    friend void PrintTo(const RefusedCase& c, std::ostream* os) { *os << c.label; }
};

const RefusedCase kRefused[] = {
    {"missing_folder", "", "absent/frame.vtl", kSaveCannotCreate},
    {"read_only_file", "ro:frame.vtl", "frame.vtl", kSaveTargetReadOnly},
    // Even where the folder would let the rename through.
    {"another_users_file", "", "frame.vtl", kSaveTargetReadOnly, "x", 0, true},
    {"link_loop", "link:a.vtl>b.vtl link:b.vtl>a.vtl", "a.vtl", kSaveLinkLoop},
    {"folder", "dir:node", "node", kSaveNotRegularFile},
    {"fifo", "fifo:node", "node", kSaveNotRegularFile},
    {"device", "dev:node", "node", kSaveNotRegularFile},
    {"link_to_fifo", "fifo:node link:link>node", "link", kSaveNotRegularFile},
    {"text_latin1", "", "frame.vtl", kSaveTextNotUtf8, "Stra\xDF"},
    {"text_cut_sequence", "", "frame.vtl", kSaveTextNotUtf8, "ok \xE2\x80"},
    {"text_over_limit", "", "frame.vtl", kSaveTextTooLong, std::string(kMaxValueBytes + 1, 'x')},
    {"write_fails", "", "frame.vtl", kSaveWriteFailed, std::string(1000, 'x'), 64},
    {"sync_fails", "", "frame.vtl", kSaveWriteFailed, "x", 0, false, true},
};

class RefusedSave : public SaveTest, public testing::WithParamInterface<RefusedCase> {};

// Refused with its error, the folder left as it was: every entry with its
// bytes, no temporary file. Opening refuses (without blocking on a FIFO)
// what saving refuses as no regular file.
TEST_P(RefusedSave, LeavesTheFolderAsItWas) {
    const RefusedCase& c = GetParam();
    if (!Prepare(folder_, c.steps)) GTEST_SKIP() << "cannot make the target here";
    if (c.asNobody && geteuid() != 0) GTEST_SKIP() << "needs root to act as another user";
    ASSERT_TRUE(!c.asNobody || chmod(folder_.path().c_str(), 0777) == 0);
    const std::string target = folder_.File(c.target);
    const auto before = test::Snapshot(folder_.path());
    const pid_t child = fork();
    if (child == 0) {  // the save, under its limits
        const rlimit limit{c.sizeLimit, c.sizeLimit};
        if (c.sizeLimit && setrlimit(RLIMIT_FSIZE, &limit) != 0) _exit(1);
        if (c.asNobody && (setgid(kNobody) != 0 || setuid(kNobody) != 0)) _exit(1);
        failFsync = c.failSync;
        _exit(WriteProjectFile(target, Design(c.text)) % 256);
    }
    int status = 0;
    waitpid(child, &status, 0);
    EXPECT_EQ(WEXITSTATUS(status), c.error % 256);  // all error numbers differ in their low byte
    EXPECT_EQ(test::Snapshot(folder_.path()), before);
    EXPECT_EQ(ReadProjectFile(target).error == kOpenNotRegularFile, c.error == kSaveNotRegularFile);
}

INSTANTIATE_TEST_SUITE_P(Targets, RefusedSave, testing::ValuesIn(kRefused),
                         [](const auto& p) { return std::string(p.param.label); });

// Twenty saves to one path at once: every save succeeds, and the file left
// is whole and is the content of one of them.
TEST_F(SaveTest, ParallelSavesEachLeaveTheirOwnWholeFile) {
    std::vector<pid_t> children(20);
    for (size_t i = 0; i < children.size(); ++i)
        if ((children[i] = fork()) == 0) _exit(WriteProjectFile(file_, Design(std::to_string(i))));
    for (pid_t child : children) {
        int status = 0;
        waitpid(child, &status, 0);
        EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
    }
    const std::string left = ReadProjectFile(file_).inputs.Description;
    EXPECT_EQ(ReadBytes(file_), EncodeProject(Design(left)));
    EXPECT_NE(left, "before");
    EXPECT_EQ(Entries(folder_.path()), std::vector<std::string>{"frame.vtl"});
}

}  // namespace
}  // namespace vantrel
