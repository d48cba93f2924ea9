// Two processes and the single-instance rule.
#include "shell/single_instance.h"
#include "shell/shell_messages.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QFileInfo>
#include <QLocalServer>
#include <QLocalSocket>
#include <QProcess>
#include <QProcessEnvironment>
#include <QTemporaryDir>

#include <fcntl.h>
#include <sys/resource.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstring>
#include <functional>
#include <memory>

namespace vantrel::shell {
namespace {

// Bounds a failing run only; a passing one never waits this long.
constexpr int kPatienceMs = 20000;

class SingleInstanceTest : public testing::Test {
  protected:
    void SetUp() override { ASSERT_TRUE(socketDir_.isValid()); }

    void TearDown() override {
        for (auto& copy : copies_) {
            if (copy->state() != QProcess::NotRunning) {
                copy->kill();
                copy->waitForFinished(kPatienceMs);
            }
        }
        QLocalServer::removeServer(SocketName());
    }

    QString SocketName() const { return socketDir_.filePath(QStringLiteral("vantrel.socket")); }

    QProcess& Start(const std::function<void()>& inChild = {}) {
        copies_.push_back(std::make_unique<QProcess>());
        QProcess& copy = *copies_.back();
        if (inChild) copy.setChildProcessModifier(inChild);
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("VANTREL_INSTANCE_NAME"), SocketName());
        copy.setProcessEnvironment(environment);
        copy.start(QStringLiteral(VANTREL_INSTANCE_HELPER), {});
        EXPECT_TRUE(copy.waitForStarted(kPatienceMs));
        return copy;
    }

    static QString NextLine(QProcess& copy) {
        while (!copy.canReadLine()) {
            if (!copy.waitForReadyRead(kPatienceMs)) return QStringLiteral("<no line>");
        }
        return QString::fromUtf8(copy.readLine()).trimmed();
    }

    // Starts the first copy and returns it once it listens.
    QProcess& StartFirst(const std::function<void()>& inChild = {}) {
        QProcess& first = Start(inChild);
        EXPECT_EQ(NextLine(first), QStringLiteral("first ") + SocketName());
        return first;
    }

    // Runs a later copy to its end and returns what it printed.
    QStringList RunSecond() {
        QProcess& second = Start();
        EXPECT_TRUE(second.waitForFinished(kPatienceMs));
        EXPECT_EQ(second.exitCode(), 0);
        return QString::fromUtf8(second.readAllStandardOutput())
            .split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    }

    QTemporaryDir socketDir_;
    std::vector<std::unique_ptr<QProcess>> copies_;
};

TEST_F(SingleInstanceTest, SecondCopyTellsTheUserRaisesTheFirstAndEnds) {
    QProcess& first = StartFirst();
    EXPECT_EQ(
        RunSecond(),
        (QStringList{QStringLiteral("message: Vantrel|The Vantrel Application is already running."),
                     QStringLiteral("second")}));
    EXPECT_EQ(NextLine(first), QStringLiteral("raise"));
    EXPECT_EQ(first.state(), QProcess::Running);
}

TEST_F(SingleInstanceTest, SocketIsForItsUserOnly) {
    StartFirst();
    const QFile::Permissions others = QFile::ReadGroup | QFile::WriteGroup | QFile::ExeGroup |
                                      QFile::ReadOther | QFile::WriteOther | QFile::ExeOther;
    EXPECT_EQ(QFileInfo(SocketName()).permissions() & others, QFile::Permissions());
}

TEST_F(SingleInstanceTest, FirstCopyIgnoresAnythingButTheRequest) {
    QProcess& first = StartFirst();
    const QByteArray request = RaiseRequest();
    const QByteArray garbage[] = {
        QByteArray(1 << 20, 'x'),                // large
        request.left(request.size() - 1) + "X",  // almost the request
        request.left(5),                         // cut short
        request + "more",                        // the request with a tail
        QByteArray("\0\xff\n\r", 4),             // binary
        request.toLower(),                       // wrong case
    };
    for (const QByteArray& bytes : garbage) {
        QLocalSocket socket;
        socket.connectToServer(SocketName());
        ASSERT_TRUE(socket.waitForConnected(kPatienceMs));
        socket.write(bytes);
        socket.waitForBytesWritten(kPatienceMs);
        socket.disconnectFromServer();
        if (socket.state() != QLocalSocket::UnconnectedState) {
            socket.waitForDisconnected(kPatienceMs);
        }
    }
    // Two real requests after the garbage give exactly two raises.
    ASSERT_TRUE(SendRaiseRequest(SocketName()));
    EXPECT_EQ(NextLine(first), QStringLiteral("raise"));
    ASSERT_TRUE(SendRaiseRequest(SocketName()));
    EXPECT_EQ(NextLine(first), QStringLiteral("raise"));
    ASSERT_EQ(first.state(), QProcess::Running);

    // The garbage's connections came first, so their output, if any, came before.
    first.kill();
    first.waitForFinished(kPatienceMs);
    EXPECT_EQ(first.readAllStandardOutput(), QByteArray());
}

TEST_F(SingleInstanceTest, StaleSocketOfACrashedCopyDoesNotBlockStartUp) {
    QProcess& crashed = StartFirst();
    crashed.kill();
    ASSERT_TRUE(crashed.waitForFinished(kPatienceMs));
    ASSERT_TRUE(QFileInfo::exists(SocketName())) << "the crash should leave its socket behind";

    QProcess& next = StartFirst();
    EXPECT_EQ(RunSecond().value(1), QStringLiteral("second"));
    EXPECT_EQ(NextLine(next), QStringLiteral("raise"));
}

// Idle connections beyond what the first copy's descriptors allow: it
// refuses what it cannot take, keeps listening and keeps its socket file.
TEST_F(SingleInstanceTest, SurvivesRunningOutOfDescriptors) {
    QProcess& first = StartFirst([] {
        const rlimit few{24, 24};
        setrlimit(RLIMIT_NOFILE, &few);
    });
    const QByteArray path = QFile::encodeName(SocketName());
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    std::memcpy(address.sun_path, path.constData(), static_cast<size_t>(path.size()));
    std::vector<int> idle;
    for (int i = 0; i < 60; ++i) {
        const int fd = socket(AF_UNIX, SOCK_STREAM, 0);
        if (connect(fd, reinterpret_cast<sockaddr*>(&address), sizeof address) == 0) {
            idle.push_back(fd);
        } else {
            close(fd);
        }
    }
    // Long enough for the first copy to meet every one of them.
    QProcess settle;
    settle.start(QStringLiteral("sleep"), {QStringLiteral("0.5")});
    settle.waitForFinished(kPatienceMs);
    EXPECT_TRUE(QFileInfo::exists(SocketName()));
    for (const int fd : idle) close(fd);

    EXPECT_EQ(RunSecond().value(1), QStringLiteral("second"));
    EXPECT_EQ(NextLine(first), QStringLiteral("raise"));
    EXPECT_EQ(first.state(), QProcess::Running);
}

// Root's start must not take another user's listener at its socket's name
// for a running copy, nor send it anything.
TEST_F(SingleInstanceTest, AnotherUsersListenerIsNotARunningCopy) {
    if (geteuid() != 0) GTEST_SKIP() << "needs root to listen as another user";
    ASSERT_EQ(chmod(QFile::encodeName(socketDir_.path()).constData(), 0777), 0);
    const QByteArray path = QFile::encodeName(SocketName());
    int report[2];
    ASSERT_EQ(pipe(report), 0);
    const pid_t planted = fork();
    if (planted == 0) {
        // nobody listens, counts what arrives for a while, and reports it.
        if (setgid(65534) != 0 || setuid(65534) != 0) _exit(1);
        sockaddr_un address{};
        address.sun_family = AF_UNIX;
        std::memcpy(address.sun_path, path.constData(), static_cast<size_t>(path.size()));
        const int listener = socket(AF_UNIX, SOCK_STREAM, 0);
        if (bind(listener, reinterpret_cast<sockaddr*>(&address), sizeof address) != 0 ||
            listen(listener, 4) != 0)
            _exit(2);
        char ready = 'r';
        if (write(report[1], &ready, 1) != 1) _exit(3);
        fcntl(listener, F_SETFL, O_NONBLOCK);
        int received = 0;
        for (int tick = 0; tick < 30; ++tick) {
            const int connection = accept(listener, nullptr, nullptr);
            if (connection >= 0) {
                char buffer[64];
                usleep(100000);
                const ssize_t got = recv(connection, buffer, sizeof buffer, MSG_DONTWAIT);
                if (got > 0) received += static_cast<int>(got);
                close(connection);
            }
            usleep(50000);
        }
        _exit(received == 0 ? 0 : 4);
    }
    close(report[1]);
    char ready = 0;
    ASSERT_EQ(read(report[0], &ready, 1), 1);
    close(report[0]);

    struct Silent final : ShellMessages {
        void Show(const ShellMessage& message) override { shown.push_back(message.text); }
        std::vector<QString> shown;
    } messages;
    SingleInstance instance(SocketName());
    EXPECT_FALSE(instance.CheckPrevInstance(messages));
    EXPECT_TRUE(messages.shown.empty());
    int status = 0;
    waitpid(planted, &status, 0);
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << status;
}

// The fallback folder of the socket is this user's alone; anything else
// planted at its name is refused.
struct PlantedCase {
    const char* label;
    std::function<bool(const QByteArray& at, const QByteArray& elsewhere)> plant;
    bool needsRoot;
};

void PrintTo(const PlantedCase& c, std::ostream* os) {
    *os << c.label;
}

class PlantedRuntimeFolder : public testing::TestWithParam<PlantedCase> {};

TEST_P(PlantedRuntimeFolder, IsNotUsed) {
    if (GetParam().needsRoot && geteuid() != 0) GTEST_SKIP() << "needs root to plant it";
    QTemporaryDir base;
    const QByteArray at = QFile::encodeName(base.path() + QStringLiteral("/vantrel-runtime-") +
                                            QString::number(geteuid()));
    const QByteArray elsewhere = QFile::encodeName(base.path() + QStringLiteral("/elsewhere"));
    ASSERT_TRUE(GetParam().plant(at, elsewhere));
    EXPECT_EQ(PrivateRuntimeFolder(base.path()), QString());
    EXPECT_EQ(InstancePathIn(QString(), {base.path()}), QString());
}

INSTANTIATE_TEST_SUITE_P(
    Plants, PlantedRuntimeFolder,
    testing::Values(PlantedCase{"open_to_others",
                                [](const QByteArray& at, const QByteArray&) {
                                    return mkdir(at.constData(), 0700) == 0 &&
                                           chmod(at.constData(), 0777) == 0;
                                },
                                false},
                    PlantedCase{"a_link_to_a_private_folder",
                                [](const QByteArray& at, const QByteArray& elsewhere) {
                                    return mkdir(elsewhere.constData(), 0700) == 0 &&
                                           symlink(elsewhere.constData(), at.constData()) == 0;
                                },
                                false},
                    PlantedCase{"a_file",
                                [](const QByteArray& at, const QByteArray&) {
                                    const int fd = open(at.constData(), O_CREAT | O_WRONLY, 0600);
                                    return fd >= 0 && close(fd) == 0;
                                },
                                false},
                    PlantedCase{"another_users",
                                [](const QByteArray& at, const QByteArray&) {
                                    return mkdir(at.constData(), 0700) == 0 &&
                                           chown(at.constData(), 65534, 65534) == 0;
                                },
                                true}),
    [](const auto& p) { return std::string(p.param.label); });

TEST(InstancePath, FallsBackToAFreshPrivateFolder) {
    QTemporaryDir base;
    const QString path = InstancePathIn(QString(), {base.path()});
    ASSERT_FALSE(path.isEmpty());
    const QString folder = QFileInfo(path).path();
    struct stat status {};
    ASSERT_EQ(lstat(QFile::encodeName(folder).constData(), &status), 0);
    EXPECT_TRUE(S_ISDIR(status.st_mode));
    EXPECT_EQ(status.st_mode & 0777, 0700u);
}

// A runtime folder whose socket path would not fit a socket address, or
// that others may enter, gives way to the private fallback; with no
// fallback that fits, there is no path at all.
TEST(InstancePath, ARuntimeFolderThatCannotServeGivesWay) {
    QTemporaryDir base;
    const QString longFolder = base.path() + QLatin1Char('/') + QString(100, QLatin1Char('r'));
    ASSERT_EQ(mkdir(QFile::encodeName(longFolder).constData(), 0700), 0);
    const QString open = base.path() + QStringLiteral("/open");
    ASSERT_EQ(mkdir(QFile::encodeName(open).constData(), 0700), 0);
    ASSERT_EQ(chmod(QFile::encodeName(open).constData(), 0755), 0);
    const QString fallback = base.path() + QStringLiteral("/vantrel-runtime-") +
                             QString::number(geteuid()) + QStringLiteral("/vantrel.socket");

    EXPECT_EQ(InstancePathIn(longFolder, {base.path()}), fallback);
    EXPECT_EQ(InstancePathIn(open, {base.path()}), fallback);
    EXPECT_EQ(InstancePathIn(longFolder, {longFolder}), QString());
    const QString own = base.path() + QStringLiteral("/own");
    ASSERT_EQ(mkdir(QFile::encodeName(own).constData(), 0700), 0);
    EXPECT_EQ(InstancePathIn(own, {base.path()}), own + QStringLiteral("/vantrel.socket"));
}

}  // namespace
}  // namespace vantrel::shell
