#pragma once
// Validation before the focus leaves a text field. Qt moves the focus first
// and tells afterwards, so the guard stops the inputs that would move it
// (Tab and Shift+Tab, mouse presses on controls that take the focus, access
// keys of buttons) while the field's check refuses, and it puts the focus
// back when something else has moved it. A refusal shows its message once,
// keeps the focus in the field and selects its text; the input that would
// have moved the focus has no other effect.
//
// Enter in a guarded field goes to a dialog's default button (whose command
// checks the field first); in a main window it is discarded.
//
// The guarded fields also filter typed characters and select their whole
// text whenever they gain the focus: by Tab, by an access key, by a click
// (once the click has placed the cursor, unless it dragged a selection) and
// when their window is shown. Coming back from another window or a menu
// leaves the selection as it was.

#include <QHash>
#include <QObject>
#include <QPointer>
#include <functional>
#include <optional>

class QLineEdit;
class QWidget;
class QWindow;

namespace vantrel {

class FocusGuard : public QObject {
    Q_OBJECT
  public:
    // May rewrite the field's text; returns the message that refuses it.
    using Check = std::function<std::optional<QString>(QLineEdit&)>;
    // Runs when the focus has left the field after a successful check.
    using Commit = std::function<void(QLineEdit&)>;
    // Shows a refusal to the user (a modal message box).
    using Show = std::function<void(const QString& message)>;

    explicit FocusGuard(Show show, QObject* parent = nullptr);
    ~FocusGuard() override;

    void Guard(QLineEdit* field, Check check, Commit commit);
    // A field without a check that selects its text on entry all the same.
    void SelectOnEntry(QLineEdit* field);

    // Runs the check of the guarded field that has the focus, as a move of
    // the focus would. True when there is none or its text passes.
    bool ReleaseFocus();

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    struct Entry {
        Check check;
        Commit commit;
    };

    QLineEdit* FocusedField() const;
    bool TryLeave(QLineEdit* field);
    void Refuse(QLineEdit* field, const QString& message);
    bool FilterFieldEvent(QLineEdit* field, QEvent* event);
    void Enter(QLineEdit* field, Qt::FocusReason reason);
    void FinishClickEntry(QObject* watched);
    bool FilterWindowMouse(QWindow* window, QEvent* event);
    bool FilterShortcut(QWidget* target);
    bool SwallowMouse(QObject* watched, QEvent* event);
    void ResolveLateRefusal();

    Show show_;
    QHash<const QObject*, Entry> fields_;
    QList<const QObject*> selectOnly_;
    QPointer<QWidget> shownWindow_;    // shown, and no field of it entered since
    QPointer<QLineEdit> clickedInto_;  // entered by a press whose release is to come
    QPointer<QLineEdit> approved_;   // checked; its next loss of focus only commits
    QPointer<QLineEdit> lateField_;  // refused after the focus had already gone
    QString lateMessage_;
    QWidget* swallowWindow_ = nullptr;  // the press that moved the focus, and its release
    bool swallowPress_ = false;
    bool swallowRelease_ = false;
    bool restoring_ = false;
};

// Selects the whole text of a field that is not empty.
void HighlightTextbox(QLineEdit& field);

}  // namespace vantrel
