#pragma once
// What the program itself passes to Main: the real association, socket and
// event loop, and its command line.

#include <QStringList>

#include <functional>
#include <memory>
#include <string>

#include "shell/startup.h"

namespace vantrel::shell {

// The command line from the application's arguments (the first is the program).
std::string CommandLineFromArguments(const QStringList& applicationArguments);

// Whether the command line only registers or unregisters, which needs no
// display and so no widgets.
bool IsAssociationCommand(const std::string& commandLine);

// Needs a QCoreApplication (a QApplication for windows and message boxes).
ShellEnvironment StandardEnvironment(ShellMessages& messages,
                                     std::function<std::unique_ptr<MainWindow>()> loadWindow);

}  // namespace vantrel::shell
