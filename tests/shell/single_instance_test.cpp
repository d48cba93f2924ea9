// The single-instance socket: what the running copy answers, and the places
// a socket must never be made.
#include "shell/single_instance.h"

#include <gtest/gtest.h>

#include <QFileInfo>
#include <QLocalSocket>
#include <QTemporaryDir>

#include <fcntl.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstring>
#include <functional>

#include "shell_test.h"

namespace vantrel::shell {
namespace {

// A listening socket at the path; closed, it is what a crashed copy leaves.
int ListenAt(const QString& path) {
    const QByteArray bytes = QFile::encodeName(path);
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    std::memcpy(address.sun_path, bytes.constData(), static_cast<size_t>(bytes.size()));
    const int fd = socket(AF_UNIX, SOCK_STREAM, 0);
    const bool bound = bind(fd, reinterpret_cast<sockaddr*>(&address), sizeof address) == 0;
    return bound && listen(fd, 4) == 0 ? fd : -1;
}

class SingleInstanceTest : public testing::Test {
  protected:
    QString Name() const { return dir_.filePath(QStringLiteral("vantrel.socket")); }
    QTemporaryDir dir_;
    RecordedMessages messages_;
};

// The socket a crashed copy left is replaced by one for its user alone; the
// running copy raises or opens for a whole request and for nothing else it
// is sent: a longer or cut request, a relative path, a NUL, over 4 KiB.
TEST_F(SingleInstanceTest, RunningCopyAnswersOnlyTheRequest) {
    ASSERT_TRUE(close(ListenAt(Name())) == 0 && QFileInfo::exists(Name()));
    SingleInstance first(Name());
    ASSERT_FALSE(first.CheckPrevInstance(messages_));
    EXPECT_EQ(QFileInfo(Name()).permissions() & 0077, 0);
    int raised = 0;
    QList<QByteArray> opened;
    QObject::connect(&first, &SingleInstance::RaiseRequested, [&raised] { ++raised; });
    QObject::connect(&first, &SingleInstance::OpenRequested,
                     [&opened](const QByteArray& path) { opened << path; });
    const QByteArray request = RaiseRequest();
    const QByteArray open = OpenRequest("/jobs/a.vtl");
    const QByteArray longest = OpenRequest("/" + std::string(kMaxRequestBytes - 16, 'x'));
    ASSERT_EQ(longest.size(), kMaxRequestBytes);
    for (const QByteArray& bytes :
         {QByteArray(1 << 16, 'x'), request.left(request.size() - 1) + "X", request.left(5),
          request + "more", QByteArray("\0\xff\n\r", 4), request.toLower(),
          open.left(open.indexOf('\n') + 1), open.left(open.indexOf('\n')) + "\njobs/a.vtl",
          open + QByteArray("\0x", 2), longest + "x", request + open}) {
        QLocalSocket socket;
        socket.connectToServer(Name());
        ASSERT_TRUE(socket.waitForConnected(5000));
        socket.write(bytes);
        socket.flush();
        socket.abort();
    }
    EXPECT_TRUE(OpenRequest("jobs/a.vtl").isEmpty());
    EXPECT_TRUE(OpenRequest("/" + std::string(kMaxRequestBytes, 'x')).isEmpty());
    ASSERT_TRUE(SendRaiseRequest(Name()));
    ASSERT_TRUE(SendRaiseRequest(Name()));
    ASSERT_TRUE(SendRequest(Name(), open) && SendRequest(Name(), longest));
    EXPECT_TRUE(ProcessEventsUntil([&] { return raised >= 2 && opened.size() >= 2; }));
    ProcessEventsUntil([] { return false; }, 300);
    EXPECT_EQ(raised, 2);
    EXPECT_EQ(opened, QList<QByteArray>({"/jobs/a.vtl", longest.mid(15)}));
    EXPECT_TRUE(messages_.shown.empty());
}

// Root's start must not take another user's listener at its socket's name
// for a running copy, nor send it anything.
TEST_F(SingleInstanceTest, AnotherUsersListenerIsNotARunningCopy) {
    if (geteuid() != 0) GTEST_SKIP() << "needs root to listen as another user";
    ASSERT_EQ(chmod(QFile::encodeName(dir_.path()).constData(), 0777), 0);
    int ready[2], done[2];
    ASSERT_TRUE(pipe(ready) == 0 && pipe(done) == 0);
    const pid_t planted = fork();
    if (planted == 0) {  // nobody listens; after the check, counts the bytes it was sent
        char buffer[64];
        if (setgid(65534) != 0 || setuid(65534) != 0) _exit(1);
        const int listener = ListenAt(Name());
        if (listener < 0 || write(ready[1], "r", 1) != 1 || read(done[0], buffer, 1) != 1) _exit(2);
        fcntl(listener, F_SETFL, O_NONBLOCK);
        ssize_t received = 0;
        for (int fd; (fd = accept(listener, nullptr, nullptr)) >= 0; close(fd))
            received += std::max<ssize_t>(0, recv(fd, buffer, sizeof buffer, MSG_DONTWAIT));
        _exit(received == 0 ? 0 : 4);
    }
    char byte = 0;
    ASSERT_EQ(read(ready[0], &byte, 1), 1);
    SingleInstance instance(Name());
    EXPECT_FALSE(instance.CheckPrevInstance(messages_));
    EXPECT_TRUE(messages_.shown.empty());
    int status = 0;
    ASSERT_TRUE(write(done[1], "d", 1) == 1 && waitpid(planted, &status, 0) == planted);
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << status;
}

// The fallback folder is this user's alone: anything planted at its name is refused.
TEST(InstancePathTest, PlantedFallbackFoldersAreNotUsed) {
    using Plant = std::function<bool(const QByteArray& at, const QByteArray& elsewhere)>;
    const std::pair<const char*, Plant> plants[] = {
        {"open to others",
         [](auto& at, auto&) { return mkdir(at, 0700) == 0 && chmod(at, 0777) == 0; }},
        {"a link to a private folder",
         [](auto& at, auto& elsewhere) {
             return mkdir(elsewhere, 0700) == 0 && symlink(elsewhere, at) == 0;
         }},
        {"a file", [](auto& at, auto&) { return close(open(at, O_CREAT | O_WRONLY, 0600)) == 0; }},
        {"another user's (as root)", [](auto& at, auto&) {
             return geteuid() != 0 || (mkdir(at, 0700) == 0 && chown(at, 65534, 65534) == 0);
         }}};
    for (const auto& [label, plant] : plants) {
        QTemporaryDir base;
        const QByteArray at =
            QFile::encodeName(base.filePath("vantrel-runtime-") + QString::number(geteuid()));
        ASSERT_TRUE(plant(at, QFile::encodeName(base.filePath("elsewhere")))) << label;
        if (!QFileInfo::exists(at)) continue;  // not root: nothing to plant
        EXPECT_EQ(InstancePathIn(QString(), {base.path()}), QString()) << label;
    }
}

// A runtime folder whose socket path would not fit a socket address, or that
// others may enter, gives way to the private fallback, or to none at all.
TEST(InstancePathTest, ARuntimeFolderThatCannotServeGivesWay) {
    QTemporaryDir base;
    const QString longFolder = base.filePath(QString(100, 'r'));
    const QString open = base.filePath("open"), own = base.filePath("own");
    for (const QString& folder : {longFolder, open, own})
        ASSERT_EQ(mkdir(QFile::encodeName(folder).constData(), 0700), 0);
    ASSERT_EQ(chmod(QFile::encodeName(open).constData(), 0755), 0);
    const QString fallback = base.filePath("vantrel-runtime-%1/vantrel.socket").arg(geteuid());
    EXPECT_EQ(InstancePathIn(longFolder, {base.path()}), fallback);
    struct stat made {};  // a fresh fallback folder is made private
    ASSERT_EQ(lstat(QFile::encodeName(QFileInfo(fallback).path()).constData(), &made), 0);
    EXPECT_TRUE(S_ISDIR(made.st_mode) && (made.st_mode & 0777) == 0700);
    EXPECT_EQ(InstancePathIn(open, {base.path()}), fallback);
    EXPECT_EQ(InstancePathIn(longFolder, {longFolder}), QString());
    EXPECT_EQ(InstancePathIn(own, {base.path()}), own + "/vantrel.socket");
}

}  // namespace
}  // namespace vantrel::shell
