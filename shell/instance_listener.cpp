#include "shell/instance_listener.h"

#include <QFile>
#include <QLocalSocket>
#include <QSocketNotifier>
#include <QTimer>

#include <fcntl.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

namespace vantrel::shell {
namespace {

constexpr int kBacklog = 16;
// After a failed accept the listener waits this long before trying again,
// rather than spinning on a connection it cannot take.
constexpr int kRetryMs = 100;

int OpenSpare() {
    return open("/dev/null", O_RDONLY | O_CLOEXEC);
}

}  // namespace

bool PeerIsThisUser(qintptr descriptor) {
#if defined(SO_PEERCRED)
    ucred credentials{};
    socklen_t size = sizeof credentials;
    if (getsockopt(static_cast<int>(descriptor), SOL_SOCKET, SO_PEERCRED, &credentials, &size) != 0)
        return false;
    return credentials.uid == geteuid();
#else
    uid_t uid = 0;
    gid_t gid = 0;
    if (getpeereid(static_cast<int>(descriptor), &uid, &gid) != 0) return false;
    return uid == geteuid();
#endif
}

InstanceListener::InstanceListener(QObject* parent) : QObject(parent) {
    retry_ = new QTimer(this);
    retry_->setSingleShot(true);
    retry_->setInterval(kRetryMs);
    connect(retry_, &QTimer::timeout, this, [this] {
        if (notifier_) notifier_->setEnabled(true);
    });
}

InstanceListener::~InstanceListener() {
    Close();
}

InstanceListener::Result InstanceListener::Listen(const QString& path) {
    Close();
    const QByteArray name = QFile::encodeName(path);
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    if (name.isEmpty() || static_cast<size_t>(name.size()) >= sizeof address.sun_path)
        return Result::Failed;
    std::memcpy(address.sun_path, name.constData(), static_cast<size_t>(name.size()));

    fd_ = socket(AF_UNIX, SOCK_STREAM | SOCK_NONBLOCK | SOCK_CLOEXEC, 0);
    if (fd_ < 0) return Result::Failed;
    if (bind(fd_, reinterpret_cast<const sockaddr*>(&address), sizeof address) != 0) {
        const bool inUse = errno == EADDRINUSE;
        ::close(fd_);
        fd_ = -1;
        return inUse ? Result::AddressInUse : Result::Failed;
    }
    struct stat status {};
    if (chmod(name.constData(), 0600) != 0 || lstat(name.constData(), &status) != 0 ||
        ::listen(fd_, kBacklog) != 0) {
        unlink(name.constData());
        ::close(fd_);
        fd_ = -1;
        return Result::Failed;
    }
    device_ = status.st_dev;
    inode_ = status.st_ino;
    path_ = path;
    spareFd_ = OpenSpare();
    notifier_ = new QSocketNotifier(fd_, QSocketNotifier::Read, this);
    connect(notifier_, &QSocketNotifier::activated, this, &InstanceListener::AcceptPending);
    return Result::Listening;
}

void InstanceListener::AcceptPending() {
    for (;;) {
        const int connection = AcceptOne();
        if (connection == -1) return;  // nothing more pending
        if (connection == -2) {        // could not accept: try again shortly
            notifier_->setEnabled(false);
            retry_->start();
            return;
        }
        if (open_ >= kMaxConnections || !PeerIsThisUser(connection)) {
            ::close(connection);
            continue;
        }
        auto* socket = new QLocalSocket(this);
        if (!socket->setSocketDescriptor(connection)) {
            ::close(connection);
            delete socket;
            continue;
        }
        ++open_;
        connect(socket, &QObject::destroyed, this, [this] { --open_; });
        emit Connected(socket);
    }
}

// A descriptor, -1 when nothing is pending, -2 when an accept failed.
int InstanceListener::AcceptOne() {
    for (;;) {
        const int connection = accept4(fd_, nullptr, nullptr, SOCK_CLOEXEC);
        if (connection >= 0) return connection;
        if (errno == EINTR || errno == ECONNABORTED) continue;
        if (errno == EAGAIN || errno == EWOULDBLOCK) return -1;
        if ((errno == EMFILE || errno == ENFILE) && spareFd_ >= 0) {
            // Out of descriptors: the spare one makes room to take the
            // connection and close it, so it does not wait in the queue.
            ::close(spareFd_);
            const int refused = accept4(fd_, nullptr, nullptr, SOCK_CLOEXEC);
            if (refused >= 0) ::close(refused);
            spareFd_ = OpenSpare();
            if (refused >= 0) continue;
        }
        return -2;
    }
}

void InstanceListener::Close() {
    delete notifier_;
    notifier_ = nullptr;
    if (fd_ >= 0) {
        // Only the file this listener made: a later copy may have replaced it.
        const QByteArray name = QFile::encodeName(path_);
        struct stat status {};
        if (lstat(name.constData(), &status) == 0 && status.st_dev == device_ &&
            status.st_ino == inode_)
            unlink(name.constData());
        ::close(fd_);
        fd_ = -1;
    }
    if (spareFd_ >= 0) ::close(spareFd_);
    spareFd_ = -1;
    path_.clear();
}

}  // namespace vantrel::shell
