#pragma once
// One interactive copy of the program per user session.
//
// The first copy listens on a per-user local socket. A later copy finds it
// there, hands it the file it was started with (or asks it to come to the
// front) and ends at once. The running copy takes one bounded request per
// connection, in one of two forms, and drops anything else it is sent:
//   "VANTREL RAISE 1\n"                      come to the front
//   "VANTREL OPEN 1\n" and an absolute path  open that file (the path runs to
//                                            the connection's end, no NUL)
// at most kMaxRequestBytes in all, sent within a few seconds.

#include <QObject>
#include <QString>
#include <QStringList>

#include <string>

#include "shell/instance_listener.h"

class QLocalSocket;

namespace vantrel::shell {

class ShellMessages;

// The socket the copies meet on: $VANTREL_INSTANCE_NAME when set (tests give
// every run its own), else "vantrel.socket" in $XDG_RUNTIME_DIR when that is
// this user's private folder and the path fits a socket address, else
// "vantrel.socket" in a private folder "vantrel-runtime-<uid>" of the
// temporary folder (or of /tmp). The private folder is created with mode
// 0700 and used only while it is a real folder of this user's that nobody
// else may enter. Empty when no path works, after saying so on stderr: the
// program then runs without the single-instance check.
QString DefaultInstanceName();

// The socket path DefaultInstanceName chooses from a runtime folder and the
// fallback folders, in that order; empty when none serves.
QString InstancePathIn(const QString& runtimeDir, const QStringList& fallbackBases);

// The private folder of the fallback under base ("vantrel-runtime-<uid>"),
// created when missing; empty when it cannot be had safely.
QString PrivateRuntimeFolder(const QString& base);

// The request a later copy sends: "come to the front".
QByteArray RaiseRequest();

// The request to open a file: empty when the path is not absolute, holds a
// NUL or makes the request longer than kMaxRequestBytes.
QByteArray OpenRequest(const std::string& absolutePath);
inline constexpr qsizetype kMaxRequestBytes = 4096;

// Sends a request to the copy listening on `serverName`; true when it was delivered.
bool SendRequest(const QString& serverName, const QByteArray& request);
inline bool SendRaiseRequest(const QString& serverName) {
    return SendRequest(serverName, RaiseRequest());
}

class SingleInstance final : public QObject {
    Q_OBJECT
  public:
    explicit SingleInstance(QString serverName, QObject* parent = nullptr);

    // True when another copy already runs: it has been sent `request` (the
    // user is told only when it could not be delivered). Otherwise this copy
    // starts listening for later ones and the result is false.
    bool CheckPrevInstance(ShellMessages& messages, const QByteArray& request = RaiseRequest());

    // The socket's path once listening (empty before).
    QString FullServerName() const { return server_.Path(); }

  signals:
    // A later copy asked this one to come to the front.
    void RaiseRequested();
    // A later copy handed over a file to open: an absolute path, as bytes.
    void OpenRequested(const QByteArray& path);

  private:
    bool AnotherCopyAnswers() const;
    bool Listen();
    void AcceptConnection(QLocalSocket* socket);

    QString serverName_;
    InstanceListener server_;
};

}  // namespace vantrel::shell
