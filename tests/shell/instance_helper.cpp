// A stand-in for an interactive start: runs the single-instance check on the
// socket named by VANTREL_INSTANCE_NAME and reports on standard output.
//   "first <socket path>"   this copy listens; then one "raise" line per request
//   "message: <title>|<text>" then "second"   another copy was running
#include <QCoreApplication>

#include <cstdio>

#include "shell/shell_messages.h"
#include "shell/single_instance.h"

namespace {

void Say(const QString& line) {
    std::printf("%s\n", qUtf8Printable(line));
    std::fflush(stdout);
}

class PrintedMessages final : public vantrel::shell::ShellMessages {
  public:
    void Show(const vantrel::shell::ShellMessage& message) override {
        Say(QStringLiteral("message: ") + message.title + QLatin1Char('|') + message.text);
    }
};

}  // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    vantrel::shell::SingleInstance instance(vantrel::shell::DefaultInstanceName());
    PrintedMessages messages;
    if (instance.CheckPrevInstance(messages)) {
        Say(QStringLiteral("second"));
        return 0;
    }
    QObject::connect(&instance, &vantrel::shell::SingleInstance::RaiseRequested,
                     [] { Say(QStringLiteral("raise")); });
    Say(QStringLiteral("first ") + instance.FullServerName());
    return QCoreApplication::exec();
}
