#include "shell/standard_environment.h"

#include <QCoreApplication>

#include <vector>

#include "shell/command_line.h"
#include "shell/file_association.h"
#include "shell/single_instance.h"

namespace vantrel::shell {

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
    environment.registerFileType = [] {
        RegisterFileType(QString::fromLatin1(kFileClassName), QString::fromLatin1(kFileExtension),
                         QString::fromLatin1(kFileDescription),
                         QCoreApplication::applicationFilePath());
    };
    environment.unregisterFileType = [] {
        UnregisterFileType(QString::fromLatin1(kFileClassName),
                           QString::fromLatin1(kFileExtension));
    };
    // Chosen only by an interactive start: registering or printing makes no
    // private socket folder.
    environment.chooseInstanceName = DefaultInstanceName;
    return environment;
}

}  // namespace vantrel::shell
