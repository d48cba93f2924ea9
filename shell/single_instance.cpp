#include "shell/single_instance.h"

#include <QDir>
#include <QFileInfo>
#include <QLocalSocket>
#include <QTimer>
#include <QtGlobal>

#include <memory>

#ifdef Q_OS_UNIX
#include <unistd.h>
#endif

#include "shell/shell_messages.h"

namespace vantrel::shell {
namespace {

constexpr int kConnectMs = 1000;
constexpr int kWriteMs = 2000;
// A connection that has not sent the request by then is dropped, so an idle
// client cannot hold the running copy's resources.
constexpr int kIdleConnectionMs = 5000;

QString UserTag() {
#ifdef Q_OS_UNIX
    return QString::number(getuid());
#else
    const QString user = qEnvironmentVariable("USERNAME");
    return user.isEmpty() ? QStringLiteral("user") : user;
#endif
}

}  // namespace

QString DefaultInstanceName() {
    const QString chosen = qEnvironmentVariable("VANTREL_INSTANCE_NAME");
    if (!chosen.isEmpty()) return chosen;
    const QString runtimeDir = qEnvironmentVariable("XDG_RUNTIME_DIR");
    if (!runtimeDir.isEmpty() && QFileInfo(runtimeDir).isDir()) {
        return QDir(runtimeDir).filePath(QStringLiteral("vantrel.socket"));
    }
    return QStringLiteral("vantrel-") + UserTag();
}

QByteArray RaiseRequest() {
    return QByteArrayLiteral("VANTREL RAISE 1\n");
}

bool SendRaiseRequest(const QString& serverName) {
    QLocalSocket socket;
    socket.connectToServer(serverName);
    if (!socket.waitForConnected(kConnectMs)) return false;
    socket.write(RaiseRequest());
    const bool written = socket.waitForBytesWritten(kWriteMs);
    socket.disconnectFromServer();
    if (socket.state() != QLocalSocket::UnconnectedState) socket.waitForDisconnected(kWriteMs);
    return written;
}

SingleInstance::SingleInstance(QString serverName, QObject* parent)
    : QObject(parent), serverName_(std::move(serverName)) {
    server_.setSocketOptions(QLocalServer::UserAccessOption);
    connect(&server_, &QLocalServer::newConnection, this, &SingleInstance::AcceptConnections);
}

bool SingleInstance::CheckPrevInstance(ShellMessages& messages) {
    bool running = AnotherCopyAnswers();
    if (!running) {
        if (Listen()) return false;
        running = AnotherCopyAnswers();  // it may have started at the same moment
    }
    if (!running) return false;  // no socket to be had: run unguarded rather than not at all
    messages.Show({MessageIcon::Information, QStringLiteral("Vantrel"),
                   QStringLiteral("The Vantrel Application is already running.")});
    SendRaiseRequest(serverName_);
    return true;
}

bool SingleInstance::AnotherCopyAnswers() const {
    QLocalSocket probe;
    probe.connectToServer(serverName_);
    if (!probe.waitForConnected(kConnectMs)) return false;
    probe.disconnectFromServer();
    return true;
}

bool SingleInstance::Listen() {
    if (server_.listen(serverName_)) return true;
    if (server_.serverError() != QAbstractSocket::AddressInUseError) return false;
    // Nobody answered but the name is taken: a crashed copy left its socket,
    // or a copy started at the same moment. Only the crashed one has no listener.
    if (AnotherCopyAnswers()) return false;
    QLocalServer::removeServer(serverName_);
    return server_.listen(serverName_);
}

void SingleInstance::AcceptConnections() {
    // A later copy sends the request and closes the connection; only exactly
    // those bytes, then the end, count. Anything else drops the connection.
    struct Connection {
        QByteArray received;
        bool dropped = false;
    };
    const QByteArray request = RaiseRequest();
    const qint64 limit = request.size() + 1;  // one byte more shows a longer message
    while (QLocalSocket* socket = server_.nextPendingConnection()) {
        auto connection = std::make_shared<Connection>();
        const auto drop = [socket, connection] {
            connection->dropped = true;
            socket->abort();
            socket->deleteLater();
        };
        const auto receive = [socket, connection, request, limit, drop] {
            if (connection->dropped) return;
            connection->received.append(socket->read(limit - connection->received.size()));
            if (!request.startsWith(connection->received)) drop();
        };
        socket->setReadBufferSize(limit);
        connect(socket, &QLocalSocket::readyRead, this, receive);
        connect(socket, &QLocalSocket::disconnected, this,
                [this, socket, connection, request, receive] {
                    receive();
                    if (!connection->dropped && connection->received == request)
                        emit RaiseRequested();
                    connection->dropped = true;
                    socket->deleteLater();
                });
        QTimer::singleShot(kIdleConnectionMs, socket, drop);
    }
}

}  // namespace vantrel::shell
