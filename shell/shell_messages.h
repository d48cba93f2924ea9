#pragma once
// The message boxes the start-up code shows, behind an interface so that
// tests can read them without a display.

#include <QString>

namespace vantrel::shell {

enum class MessageIcon { Information, Exclamation, Critical };

struct ShellMessage {
    MessageIcon icon = MessageIcon::Information;
    QString title;
    QString text;

    bool operator==(const ShellMessage&) const = default;
};

class ShellMessages {
  public:
    virtual ~ShellMessages() = default;
    // Shows a modal box with an OK button and returns when it is dismissed.
    virtual void Show(const ShellMessage& message) = 0;
};

// Real message boxes; needs a QApplication.
class MessageBoxes final : public ShellMessages {
  public:
    void Show(const ShellMessage& message) override;
};

// Writes the messages to standard error, for runs without widgets.
class ConsoleMessages final : public ShellMessages {
  public:
    void Show(const ShellMessage& message) override;
};

}  // namespace vantrel::shell
