#pragma once
// One interactive copy of the program per user session.
//
// The first copy listens on a per-user local socket. A later copy finds it
// there, tells the user, asks it to come to the front and ends. The running
// copy accepts exactly one fixed request and drops anything else it is sent.

#include <QLocalServer>
#include <QObject>
#include <QString>

namespace vantrel::shell {

class ShellMessages;

// The socket the copies meet on: $VANTREL_INSTANCE_NAME when set (tests give
// every run its own), else "vantrel.socket" in $XDG_RUNTIME_DIR, else
// "vantrel-<uid>" in the temporary folder.
QString DefaultInstanceName();

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
    QString FullServerName() const { return server_.fullServerName(); }

  signals:
    // A later copy asked this one to come to the front.
    void RaiseRequested();

  private:
    bool AnotherCopyAnswers() const;
    bool Listen();
    void AcceptConnections();

    QString serverName_;
    QLocalServer server_;
};

}  // namespace vantrel::shell
