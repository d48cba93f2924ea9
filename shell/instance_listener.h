#pragma once
// The running copy's end of the single-instance socket (Unix). Unlike
// QLocalServer, which closes itself and deletes its socket file when an
// accept fails, it survives running out of descriptors: a connection it
// cannot take is refused and it keeps listening. Its socket file is removed
// only when the listener ends, and only while it is still its own.

#include <QObject>
#include <QString>

#include <sys/types.h>

class QLocalSocket;
class QSocketNotifier;
class QTimer;

namespace vantrel::shell {

class InstanceListener final : public QObject {
    Q_OBJECT
  public:
    explicit InstanceListener(QObject* parent = nullptr);
    ~InstanceListener() override;

    enum class Result { Listening, AddressInUse, Failed };
    // Binds and listens on the socket path; the file is for this user only.
    Result Listen(const QString& path);
    QString Path() const { return path_; }

    // Connections held open at most; more are refused at once.
    static constexpr int kMaxConnections = 32;

  signals:
    // A connection of this user's, ready to read; it is deleted with the
    // listener or when the receiver calls deleteLater.
    void Connected(QLocalSocket* socket);

  private:
    void AcceptPending();
    int AcceptOne();
    void Close();

    int fd_ = -1;
    int spareFd_ = -1;  // given up to accept and refuse a connection when descriptors run out
    dev_t device_ = 0;
    ino_t inode_ = 0;
    QString path_;
    QSocketNotifier* notifier_ = nullptr;
    QTimer* retry_ = nullptr;
    int open_ = 0;
};

// True when the other end of the connected local socket runs as this user.
bool PeerIsThisUser(qintptr descriptor);

}  // namespace vantrel::shell
