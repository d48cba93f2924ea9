#include "shell/standard_environment.h"

#include <QCoreApplication>
#include <QFile>

#include <vector>

#include "packaging/install_layout.h"
#include "shell/command_line.h"
#include "shell/file_association.h"
#include "shell/single_instance.h"

namespace vantrel::shell {
namespace {

const char* const kInstalledRegisterNote =
    "This copy is installed where the desktop finds it, and its installation associates .vtl "
    "files with it for every user: /reg wrote nothing. /reg is for a copy the desktop does not "
    "find: one run from its build folder, or installed below another prefix such as /opt.";
const char* const kInstalledUnregisterNote =
    "Removed this user's association of .vtl files, if there was one. This copy is installed: "
    "the association its installation made for every user stays until it is removed.";

// The installation's own association is the one the desktop reads: a
// per-user one would shadow it and outlive it.
bool AssociatedByInstallation() {
    return install::AssociatedByInstallation(
        QFile::encodeName(QCoreApplication::applicationDirPath()).toStdString(),
        QFile::encodeName(qEnvironmentVariable("XDG_DATA_DIRS")).toStdString());
}

ShellMessage Note(const char* text) {
    return {MessageIcon::Information, QStringLiteral("Vantrel"), QString::fromUtf8(text)};
}

}  // namespace

std::string CommandLineFromArguments(const QStringList& applicationArguments) {
    std::vector<std::string> arguments;
    for (qsizetype i = 1; i < applicationArguments.size(); ++i) {
        arguments.push_back(applicationArguments[i].toStdString());
    }
    return JoinArguments(arguments);
}

bool IsAssociationCommand(const std::string& commandLine) {
    const StartupKind kind = Dispatch(commandLine).kind;
    return kind == StartupKind::Register || kind == StartupKind::Unregister;
}

ShellEnvironment StandardEnvironment(ShellMessages& messages,
                                     std::function<std::unique_ptr<MainWindow>()> loadWindow) {
    ShellEnvironment environment;
    environment.messages = &messages;
    environment.loadWindow = std::move(loadWindow);
    environment.runEventLoop = [] { return QCoreApplication::exec(); };
    environment.registerFileType = [&messages] {
        if (AssociatedByInstallation()) {
            messages.Show(Note(kInstalledRegisterNote));
            return;
        }
#ifdef Q_OS_WIN
        const QString description = QString::fromLatin1(kFileDescription);
#else
        const QString description = QString::fromLatin1(kMimeComment);
#endif
        // The program by its absolute path: the desktop finds no other copy.
        RegisterFileType(QString::fromLatin1(kFileClassName), QString::fromLatin1(kFileExtension),
                         description, QCoreApplication::applicationFilePath());
    };
    environment.unregisterFileType = [&messages] {
        UnregisterFileType(QString::fromLatin1(kFileClassName),
                           QString::fromLatin1(kFileExtension));
        if (AssociatedByInstallation()) messages.Show(Note(kInstalledUnregisterNote));
    };
    // Chosen only by an interactive start: registering or printing makes no
    // private socket folder.
    environment.chooseInstanceName = DefaultInstanceName;
    return environment;
}

}  // namespace vantrel::shell
