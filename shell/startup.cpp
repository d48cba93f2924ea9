#include "shell/startup.h"

#include <QObject>

#include <cstdio>
#include <exception>
#include <filesystem>
#include <new>
#include <system_error>

#include "shell/single_instance.h"

namespace vantrel::shell {
namespace {

int Print(const StartupAction& action, ShellEnvironment& env) {
    // Printing is no interactive session: no single-instance check.
    const std::unique_ptr<MainWindow> window = env.loadWindow();
    const bool opened = window->OpenFile(action.path);
    if (opened) window->Print();
    window->Close();
    return opened ? kExitOk : kExitFailed;
}

// What a later start sends the running copy: the file it names, resolved
// against this start's folder, or "come to the front".
QByteArray HandOverRequest(const StartupAction& action) {
    if (action.kind != StartupKind::Open || action.path.empty()) return RaiseRequest();
    std::error_code error;
    const std::filesystem::path absolute = std::filesystem::absolute(action.path, error);
    const QByteArray request = error ? QByteArray() : OpenRequest(absolute.string());
    if (request.isEmpty()) {
        std::fprintf(stderr, "vantrel: cannot hand %s over to the running window\n",
                     action.path.c_str());
        return RaiseRequest();
    }
    return request;
}

int Interactive(const StartupAction& action, ShellEnvironment& env) {
    for (const std::string& file : action.notOpened)
        std::fprintf(stderr, "vantrel: one design at a time: %s was not opened\n", file.c_str());
    const QString name = env.instanceName.isEmpty() && env.chooseInstanceName
                             ? env.chooseInstanceName()
                             : env.instanceName;
    // No name: no socket path could be had (DefaultInstanceName has said so).
    SingleInstance instance(name);
    if (!name.isEmpty() && instance.CheckPrevInstance(*env.messages, HandOverRequest(action)))
        return kExitOk;
    const std::unique_ptr<MainWindow> window = env.loadWindow();
    if (action.kind == StartupKind::Open && !window->OpenFile(action.path)) {
        return kExitFailed;
    }
    QObject::connect(&instance, &SingleInstance::RaiseRequested,
                     [target = window.get()] { target->BringToFront(); });
    QObject::connect(&instance, &SingleInstance::OpenRequested,
                     [target = window.get()](const QByteArray& path) {
                         target->OpenHandedOver(path.toStdString());
                     });
    window->Show();
    return env.runEventLoop();
}

int Run(const StartupAction& action, const std::string& commandLine, ShellEnvironment& env) {
    switch (action.kind) {
        case StartupKind::Register:
            env.registerFileType();
            return kExitOk;
        case StartupKind::Unregister:
            env.unregisterFileType();
            return kExitOk;
        case StartupKind::Print:
            return Print(action, env);
        case StartupKind::Open:
        case StartupKind::Normal:
            return Interactive(action, env);
        case StartupKind::InvalidCommand:
            break;
    }
    env.messages->Show(StartupFailureMessage(commandLine, kStartupInvalidArgument));
    return kExitFailed;
}

int RunTrapped(const std::string& commandLine, const StartupAction& action,
               ShellEnvironment& environment) {
    int errorNumber = kStartupInternalError;
    try {
        return Run(action, commandLine, environment);
    } catch (const std::bad_alloc&) {
        errorNumber = kStartupOutOfMemory;
    } catch (const std::exception&) {
        errorNumber = kStartupInternalError;
    }
    environment.messages->Show(StartupFailureMessage(commandLine, errorNumber));
    return kExitFailed;
}

}  // namespace

ShellMessage StartupFailureMessage(const std::string& commandLine, int errorNumber) {
    if (!commandLine.empty()) {
        return {MessageIcon::Exclamation, QStringLiteral("Error"),
                QStringLiteral("Unable to load, Invalid command \"") +
                    QString::fromStdString(commandLine) + QStringLiteral("\".")};
    }
    return {MessageIcon::Critical, QStringLiteral("Error"),
            QStringLiteral("Unable to load, Unexpected Error ") + QString::number(errorNumber)};
}

int Main(const std::string& commandLine, ShellEnvironment& environment) {
    return RunTrapped(commandLine, Dispatch(commandLine), environment);
}

int Main(const std::vector<std::string>& argumentsAfterProgram, ShellEnvironment& environment) {
    return RunTrapped(JoinArguments(argumentsAfterProgram),
                      DispatchArguments(argumentsAfterProgram), environment);
}

}  // namespace vantrel::shell
