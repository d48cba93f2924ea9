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
    "This copy is installed, and its installation associates .vtl files with it for "
    "every user: /reg wrote nothing. /reg is for a copy run from its build folder.";
const char* const kInstalledUnregisterNote =
    "Removed this user's association of .vtl files, if there was one. This copy is installed: "
    "the association its installation made for every user stays until it is removed.";

bool RunsInstalled() {
    return install::RunsFromInstalledLocation(
        QFile::encodeName(QCoreApplication::applicationDirPath()).toStdString());
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
        // A per-user entry would shadow the installation's and outlive it.
        if (RunsInstalled()) {
            messages.Show(Note(kInstalledRegisterNote));
            return;
        }
        RegisterFileType(QString::fromLatin1(kFileClassName), QString::fromLatin1(kFileExtension),
                         QString::fromLatin1(kFileDescription),
                         QCoreApplication::applicationFilePath());
    };
    environment.unregisterFileType = [&messages] {
        UnregisterFileType(QString::fromLatin1(kFileClassName),
                           QString::fromLatin1(kFileExtension));
        if (RunsInstalled()) messages.Show(Note(kInstalledUnregisterNote));
    };
    // Chosen only by an interactive start: registering or printing makes no
    // private socket folder.
    environment.chooseInstanceName = DefaultInstanceName;
    return environment;
}

}  // namespace vantrel::shell
