#include "shell/single_instance.h"

#include <QDir>
#include <QFile>
#include <QLocalSocket>
#include <QTimer>
#include <QtGlobal>

#include <memory>

#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>

#include "shell/shell_messages.h"

namespace vantrel::shell {
namespace {

constexpr int kConnectMs = 1000;
constexpr int kWriteMs = 2000;
// A connection that has not sent the request by then is dropped, so an idle
// client cannot hold the running copy's resources.
constexpr int kIdleConnectionMs = 5000;

// A socket address holds at most this many bytes of path, its end included.
constexpr size_t kSocketPathBytes = sizeof(sockaddr_un::sun_path);
const QString kSocketFile = QStringLiteral("vantrel.socket");
const QString kRuntimeFolder = QStringLiteral("/vantrel-runtime-");

bool FitsSocketAddress(const QString& path) {
    return static_cast<size_t>(QFile::encodeName(path).size()) < kSocketPathBytes;
}

// A real folder (not a link) of this user's that nobody else may enter.
bool IsPrivateFolder(const QByteArray& folder) {
    struct stat status {};
    if (lstat(folder.constData(), &status) != 0) return false;
    return S_ISDIR(status.st_mode) && status.st_uid == geteuid() && (status.st_mode & 077) == 0;
}

// A QLocalSocket name that is not a path lives in the temporary folder.
QString SocketPath(const QString& name) {
    if (name.startsWith(QLatin1Char('/'))) return name;
    return QDir::tempPath() + QLatin1Char('/') + name;
}

// Connected to a copy of this user's, not to somebody's listener planted at the name.
bool ConnectToOwnCopy(QLocalSocket& socket, const QString& serverName) {
    socket.connectToServer(SocketPath(serverName));
    if (!socket.waitForConnected(kConnectMs)) return false;
    if (PeerIsThisUser(socket.socketDescriptor())) return true;
    socket.abort();
    return false;
}

}  // namespace

QString PrivateRuntimeFolder(const QString& base) {
    const QString folder = base + kRuntimeFolder + QString::number(geteuid());
    const QByteArray bytes = QFile::encodeName(folder);
    if (mkdir(bytes.constData(), 0700) != 0 && errno != EEXIST) return {};
    return IsPrivateFolder(bytes) ? folder : QString();
}

QString InstancePathIn(const QString& runtimeDir, const QStringList& fallbackBases) {
    if (!runtimeDir.isEmpty() && IsPrivateFolder(QFile::encodeName(runtimeDir))) {
        const QString path = QDir(runtimeDir).filePath(kSocketFile);
        if (FitsSocketAddress(path)) return path;
    }
    for (const QString& base : fallbackBases) {
        const QString path =
            base + kRuntimeFolder + QString::number(geteuid()) + QLatin1Char('/') + kSocketFile;
        if (FitsSocketAddress(path) && !PrivateRuntimeFolder(base).isEmpty()) return path;
    }
    return {};
}

QString DefaultInstanceName() {
    const QString chosen = qEnvironmentVariable("VANTREL_INSTANCE_NAME");
    if (!chosen.isEmpty()) return chosen;
    const QString path = InstancePathIn(qEnvironmentVariable("XDG_RUNTIME_DIR"),
                                        {QDir::tempPath(), QStringLiteral("/tmp")});
    if (path.isEmpty()) {
        std::fprintf(stderr,
                     "vantrel: no private folder for the single-instance socket "
                     "($XDG_RUNTIME_DIR and the temporary folder do not serve); a second start "
                     "will open a second window\n");
    }
    return path;
}

QByteArray RaiseRequest() {
    return QByteArrayLiteral("VANTREL RAISE 1\n");
}

bool SendRaiseRequest(const QString& serverName) {
    QLocalSocket socket;
    if (!ConnectToOwnCopy(socket, serverName)) return false;
    socket.write(RaiseRequest());
    const bool written = socket.waitForBytesWritten(kWriteMs);
    socket.disconnectFromServer();
    if (socket.state() != QLocalSocket::UnconnectedState) socket.waitForDisconnected(kWriteMs);
    return written;
}

SingleInstance::SingleInstance(QString serverName, QObject* parent)
    : QObject(parent), serverName_(std::move(serverName)) {
    connect(&server_, &InstanceListener::Connected, this, &SingleInstance::AcceptConnection);
}

bool SingleInstance::CheckPrevInstance(ShellMessages& messages) {
    bool running = AnotherCopyAnswers();
    if (!running) {
        if (Listen()) return false;
        running = AnotherCopyAnswers();  // it may have started at the same moment
    }
    if (!running) {
        // No socket to be had: run unguarded rather than not at all, but say so.
        std::fprintf(stderr,
                     "vantrel: cannot listen on %s; a second start will open a second window\n",
                     QFile::encodeName(SocketPath(serverName_)).constData());
        return false;
    }
    messages.Show({MessageIcon::Information, QStringLiteral("Vantrel"),
                   QStringLiteral("The Vantrel Application is already running.")});
    SendRaiseRequest(serverName_);
    return true;
}

bool SingleInstance::AnotherCopyAnswers() const {
    QLocalSocket probe;
    if (!ConnectToOwnCopy(probe, serverName_)) return false;
    probe.disconnectFromServer();
    return true;
}

bool SingleInstance::Listen() {
    const QString path = SocketPath(serverName_);
    const InstanceListener::Result result = server_.Listen(path);
    if (result != InstanceListener::Result::AddressInUse)
        return result == InstanceListener::Result::Listening;
    // Nobody answered but the name is taken: a crashed copy left its socket,
    // or a copy started at the same moment. Only the crashed one has no listener.
    if (AnotherCopyAnswers()) return false;
    QFile::remove(path);
    return server_.Listen(path) == InstanceListener::Result::Listening;
}

void SingleInstance::AcceptConnection(QLocalSocket* socket) {
    // A later copy sends the request and closes the connection; only exactly
    // those bytes, then the end, count. Anything else drops the connection.
    struct Connection {
        QByteArray received;
        bool dropped = false;
    };
    const QByteArray request = RaiseRequest();
    const qint64 limit = request.size() + 1;  // one byte more shows a longer message
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
                if (!connection->dropped && connection->received == request) emit RaiseRequested();
                connection->dropped = true;
                socket->deleteLater();
            });
    QTimer::singleShot(kIdleConnectionMs, socket, drop);
    // Bytes that came with the connection already.
    if (socket->bytesAvailable() > 0) receive();
}

}  // namespace vantrel::shell
