// vantrel: the window program. See shell/command_line.h for its command line;
// "vantrel --version" prints the version, "vantrel --help" the usage.
#include <QApplication>
#include <QCoreApplication>
#include <QIcon>
#include <QPointer>

#include <iostream>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "shell/command_line.h"
#include "shell/shell_messages.h"
#include "shell/standard_environment.h"
#include "shell/startup.h"
#include "ui/calculator_window.h"

namespace {

using namespace vantrel::shell;

class CalculatorShellWindow final : public MainWindow {
  public:
    CalculatorShellWindow() : form_(new vantrel::CalculatorWindow()) {}
    ~CalculatorShellWindow() override { delete form_.data(); }  // null if the window deleted itself

    // Opened before the window shows: its title names the file, as a window
    // loaded with it would.
    bool OpenFile(const std::string& path) override {
        const bool opened = form_->OpenNativeFile(path);
        if (opened) form_->ShowTitleAsLoaded();
        return opened;
    }
    void Print() override { form_->PrintCommand(); }
    void Show() override { form_->show(); }
    void BringToFront() override { form_->BringToFront(); }
    void OpenHandedOver(const std::string& path) override { form_->OpenHandedFile(path); }
    void Close() override { form_->close(); }

  private:
    QPointer<vantrel::CalculatorWindow> form_;
};

void Name(QCoreApplication& app) {
    app.setApplicationName(QStringLiteral("Vantrel"));
    app.setApplicationVersion(QStringLiteral(VANTREL_VERSION_TEXT));
}

// The arguments as the file system's bytes: a path that is not UTF-8 must
// reach the file exactly, which a QString cannot carry.
std::vector<std::string> Arguments(int argc, char** argv) {
#ifdef Q_OS_WIN
    (void)argc;
    (void)argv;
    std::vector<std::string> arguments;
    const QStringList all = QCoreApplication::arguments();
    for (qsizetype i = 1; i < all.size(); ++i) arguments.push_back(all[i].toStdString());
    return arguments;
#else
    return std::vector<std::string>(argv + 1, argv + argc);
#endif
}

}  // namespace

int main(int argc, char** argv) {
    // Answered before any application object, so they need no display.
    if (argc == 2 && std::string_view(argv[1]) == "--version") {
        std::cout << "vantrel " VANTREL_VERSION_TEXT "\n";
        return std::cout.flush() ? 0 : 1;
    }
    if (argc == 2 && (std::string_view(argv[1]) == "--help" || std::string_view(argv[1]) == "-h")) {
        std::cout << UsageText();
        return std::cout.flush() ? 0 : 1;
    }
    // Registering needs no display, so that set-up scripts can run it on a
    // machine without one; everything else needs widgets.
    if (IsAssociationCommand(JoinArguments(std::vector<std::string>(argv + 1, argv + argc)))) {
        QCoreApplication app(argc, argv);
        Name(app);
        ConsoleMessages messages;
        ShellEnvironment environment = StandardEnvironment(messages, nullptr);
        return Main(CommandLineFromArguments(QCoreApplication::arguments()), environment);
    }

    QApplication app(argc, argv);
    Name(app);
    QGuiApplication::setDesktopFileName(QStringLiteral("vantrel"));
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/vantrel/vantrel.svg")));
    MessageBoxes messages;
    ShellEnvironment environment =
        StandardEnvironment(messages, [] { return std::make_unique<CalculatorShellWindow>(); });
    return Main(Arguments(argc, argv), environment);
}
