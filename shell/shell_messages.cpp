#include "shell/shell_messages.h"

#include <QMessageBox>

#include <cstdio>

namespace vantrel::shell {
namespace {

QMessageBox::Icon BoxIcon(MessageIcon icon) {
    switch (icon) {
        case MessageIcon::Information:
            return QMessageBox::Information;
        case MessageIcon::Exclamation:
            return QMessageBox::Warning;
        case MessageIcon::Critical:
            return QMessageBox::Critical;
    }
    return QMessageBox::NoIcon;
}

}  // namespace

void MessageBoxes::Show(const ShellMessage& message) {
    QMessageBox box(BoxIcon(message.icon), message.title, message.text, QMessageBox::Ok);
    box.exec();
}

void ConsoleMessages::Show(const ShellMessage& message) {
    std::fprintf(stderr, "%s: %s\n", qUtf8Printable(message.title), qUtf8Printable(message.text));
}

}  // namespace vantrel::shell
