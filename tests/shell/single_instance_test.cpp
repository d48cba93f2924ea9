// Two processes and the single-instance rule.
#include "shell/single_instance.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QFileInfo>
#include <QLocalServer>
#include <QLocalSocket>
#include <QProcess>
#include <QProcessEnvironment>
#include <QTemporaryDir>

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

    QProcess& Start() {
        copies_.push_back(std::make_unique<QProcess>());
        QProcess& copy = *copies_.back();
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
    QProcess& StartFirst() {
        QProcess& first = Start();
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

}  // namespace
}  // namespace vantrel::shell
