#pragma once
// The program's start: what the command line asks for, carried out.

#include <QString>

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "shell/command_line.h"
#include "shell/shell_messages.h"

namespace vantrel::shell {

// What start-up needs of the main window.
class MainWindow {
  public:
    virtual ~MainWindow() = default;
    // Opens a project file, the path as the file system's bytes; false on
    // cancel or failure (after its own message).
    virtual bool OpenFile(const std::string& path) = 0;
    // Prints the report through the print dialog.
    virtual void Print() = 0;
    virtual void Show() = 0;
    virtual void BringToFront() = 0;
    // A later start handed over a file: brings the window to the front, asks
    // to save the open design's changes as File > Open does, then opens it.
    virtual void OpenHandedOver(const std::string& path) = 0;
    virtual void Close() = 0;
};

struct ShellEnvironment {
    ShellMessages* messages = nullptr;
    // Loads the main window without showing it.
    std::function<std::unique_ptr<MainWindow>()> loadWindow;
    // Runs the event loop until the window closes; returns the exit status.
    std::function<int()> runEventLoop;
    std::function<void()> registerFileType;
    std::function<void()> unregisterFileType;
    QString instanceName;  // the single-instance socket
    // Chooses the socket when instanceName is empty, only for an interactive
    // start (it may make a private folder); an empty choice runs unguarded.
    std::function<QString()> chooseInstanceName;
};

// Error numbers of the start-up failure message.
enum StartupError : int {
    kStartupInvalidArgument = 5,
    kStartupOutOfMemory = 7,
    kStartupInternalError = 51,
};

enum StartupExit : int { kExitOk = 0, kExitFailed = 1 };

// The message of a start-up failure: the command line when there is one,
// else the error number.
ShellMessage StartupFailureMessage(const std::string& commandLine, int errorNumber);

// Carries out the command line; returns the exit status (1 when the file to
// open or print could not be opened, or start-up failed).
int Main(const std::string& commandLine, ShellEnvironment& environment);
// The same from the program's arguments (see DispatchArguments).
int Main(const std::vector<std::string>& argumentsAfterProgram, ShellEnvironment& environment);

}  // namespace vantrel::shell
