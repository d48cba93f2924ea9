#pragma once
// One interactive copy of the program per user session.
//
// The first copy listens on a per-user local socket. A later copy finds it
// there, tells the user, asks it to come to the front and ends. The running
// copy accepts exactly one fixed request and drops anything else it is sent.

#include <QObject>
#include <QString>
#include <QStringList>

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

// Sends the request to the copy listening on `serverName`; true when it was delivered.
bool SendRaiseRequest(const QString& serverName);

class SingleInstance final : public QObject {
    Q_OBJECT
  public:
    explicit SingleInstance(QString serverName, QObject* parent = nullptr);

    // True when another copy already runs: the user has been told and that copy
    // asked to come to the front. Otherwise this copy starts listening for
    // later ones and the result is false.
    bool CheckPrevInstance(ShellMessages& messages);

    // The socket's path once listening (empty before).
    QString FullServerName() const { return server_.Path(); }

  signals:
    // A later copy asked this one to come to the front.
    void RaiseRequested();

  private:
    bool AnotherCopyAnswers() const;
    bool Listen();
    void AcceptConnection(QLocalSocket* socket);

    QString serverName_;
    InstanceListener server_;
};

}  // namespace vantrel::shell
