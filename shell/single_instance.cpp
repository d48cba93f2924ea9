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
const QByteArray kOpenHeader = QByteArrayLiteral("VANTREL OPEN 1\n");

// Whether bytes received so far can still become a request.
bool MayBecomeRequest(const QByteArray& received) {
    if (received.size() > kMaxRequestBytes) return false;
    const QByteArray raise = RaiseRequest();
    if (raise.startsWith(received) || kOpenHeader.startsWith(received)) return true;
    return received.startsWith(kOpenHeader) && !received.contains('\0') &&
           (received.size() == kOpenHeader.size() || received[kOpenHeader.size()] == '/');
}

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

QByteArray OpenRequest(const std::string& absolutePath) {
    const QByteArray request = kOpenHeader + QByteArray::fromStdString(absolutePath);
    if (!absolutePath.starts_with('/') || absolutePath.find('\0') != std::string::npos ||
        request.size() > kMaxRequestBytes)
        return {};
    return request;
}

bool SendRequest(const QString& serverName, const QByteArray& request) {
    QLocalSocket socket;
    if (request.isEmpty() || !ConnectToOwnCopy(socket, serverName)) return false;
    socket.write(request);
    const bool written = socket.waitForBytesWritten(kWriteMs);
    socket.disconnectFromServer();
    if (socket.state() != QLocalSocket::UnconnectedState) socket.waitForDisconnected(kWriteMs);
    return written;
}

SingleInstance::SingleInstance(QString serverName, QObject* parent)
    : QObject(parent), serverName_(std::move(serverName)) {
    connect(&server_, &InstanceListener::Connected, this, &SingleInstance::AcceptConnection);
}

bool SingleInstance::CheckPrevInstance(ShellMessages& messages, const QByteArray& request) {
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
    // Handed over, this start ends at once and silently, so that a file
    // manager or xdg-open waiting for it is not held up by a box.
    if (!SendRequest(serverName_, request)) {
        messages.Show({MessageIcon::Information, QStringLiteral("Vantrel"),
                       QStringLiteral("The Vantrel Application is already running.")});
    }
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
    // A later copy sends one request and closes the connection; only a whole
    // request, then the end, counts. Anything else drops the connection.
    struct Connection {
        QByteArray received;
        bool dropped = false;
    };
    auto connection = std::make_shared<Connection>();
    const auto drop = [socket, connection] {
        connection->dropped = true;
        socket->abort();
        socket->deleteLater();
    };
    const auto receive = [socket, connection, drop] {
        if (connection->dropped) return;
        // One byte more than a request may hold shows a longer message.
        connection->received.append(
            socket->read(kMaxRequestBytes + 1 - connection->received.size()));
        if (!MayBecomeRequest(connection->received)) drop();
    };
    socket->setReadBufferSize(kMaxRequestBytes + 1);
    connect(socket, &QLocalSocket::readyRead, this, receive);
    connect(socket, &QLocalSocket::disconnected, this, [this, socket, connection, receive] {
        receive();
        if (!connection->dropped) {
            const QByteArray& received = connection->received;
            if (received == RaiseRequest()) emit RaiseRequested();
            if (received.size() > kOpenHeader.size() && received.startsWith(kOpenHeader))
                emit OpenRequested(received.mid(kOpenHeader.size()));
        }
        connection->dropped = true;
        socket->deleteLater();
    });
    QTimer::singleShot(kIdleConnectionMs, socket, drop);
    // Bytes that came with the connection already.
    if (socket->bytesAvailable() > 0) receive();
}

}  // namespace vantrel::shell
