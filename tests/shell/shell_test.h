#pragma once
// Helpers shared by the shell tests.

#include <QCoreApplication>
#include <QDeadlineTimer>

#include <vector>

#include "shell/shell_messages.h"

namespace vantrel::shell {

class RecordedMessages final : public ShellMessages {
  public:
    void Show(const ShellMessage& message) override { shown.push_back(message); }
    std::vector<ShellMessage> shown;
};

// Processes events until `done` holds; the deadline only bounds a failing run.
template <typename Predicate>
bool ProcessEventsUntil(Predicate done, int milliseconds = 10000) {
    const QDeadlineTimer deadline(milliseconds);
    while (!done() && !deadline.hasExpired())
        QCoreApplication::processEvents(QEventLoop::AllEvents, 50);
    return done();
}

}  // namespace vantrel::shell
