#include "shell/startup.h"

#include <QObject>

#include <exception>
#include <new>

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

int Interactive(const StartupAction& action, ShellEnvironment& env) {
    const QString name = env.instanceName.isEmpty() && env.chooseInstanceName
                             ? env.chooseInstanceName()
                             : env.instanceName;
    // No name: no socket path could be had (DefaultInstanceName has said so).
    SingleInstance instance(name);
    if (!name.isEmpty() && instance.CheckPrevInstance(*env.messages)) return kExitOk;
    const std::unique_ptr<MainWindow> window = env.loadWindow();
    if (action.kind == StartupKind::Open && !window->OpenFile(action.path)) {
        return kExitFailed;
    }
    QObject::connect(&instance, &SingleInstance::RaiseRequested,
                     [target = window.get()] { target->BringToFront(); });
    window->Show();
    return env.runEventLoop();
}

int Run(const std::string& commandLine, ShellEnvironment& env) {
    const StartupAction action = Dispatch(commandLine);
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
    int errorNumber = kStartupInternalError;
    try {
        return Run(commandLine, environment);
    } catch (const std::bad_alloc&) {
        errorNumber = kStartupOutOfMemory;
    } catch (const std::exception&) {
        errorNumber = kStartupInternalError;
    }
    environment.messages->Show(StartupFailureMessage(commandLine, errorNumber));
    return kExitFailed;
}

}  // namespace vantrel::shell
