#include "focus_guard.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDialog>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QWindow>

#include "model/field_rules.h"

namespace vantrel {
namespace {

bool MovesFocusAway(Qt::FocusReason reason) {
    // Another window or a menu taking the focus leaves the field where it is.
    return reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason;
}

// The widget that a mouse press on hit gives the focus to, as QApplication
// decides it, or nullptr when the press leaves the focus alone.
QWidget* ClickFocusTarget(QWidget* hit) {
    for (QWidget* w = hit; w != nullptr; w = w->parentWidget()) {
        QWidget* f = w;
        while (f->focusProxy() != nullptr) f = f->focusProxy();
        if (w->isEnabled() && (f->focusPolicy() & Qt::ClickFocus) == Qt::ClickFocus) return f;
        if (w->isWindow()) break;
    }
    return nullptr;
}

QWidget* TopLevelOf(QObject* object) {
    if (object->isWidgetType()) return static_cast<QWidget*>(object)->window();
    if (object->isWindowType()) {
        auto* window = static_cast<QWindow*>(object);
        for (QWidget* top : QApplication::topLevelWidgets())
            if (top->windowHandle() == window) return top;
    }
    return nullptr;
}

bool IsMousePress(const QEvent* event) {
    return event->type() == QEvent::MouseButtonPress ||
           event->type() == QEvent::MouseButtonDblClick;
}

}  // namespace

void HighlightTextbox(QLineEdit& field) {
    if (!field.text().isEmpty()) field.selectAll();
}

FocusGuard::FocusGuard(Show show, QObject* parent) : QObject(parent), show_(std::move(show)) {
    qApp->installEventFilter(this);
}

FocusGuard::~FocusGuard() {
    if (qApp != nullptr) qApp->removeEventFilter(this);
}

void FocusGuard::Guard(QLineEdit* field, Check check, Commit commit) {
    fields_.insert(field, Entry{std::move(check), std::move(commit)});
    connect(field, &QObject::destroyed, this, [this, field] { fields_.remove(field); });
}

QLineEdit* FocusGuard::FocusedField() const {
    QWidget* focus = QApplication::focusWidget();
    return fields_.contains(focus) ? static_cast<QLineEdit*>(focus) : nullptr;
}

bool FocusGuard::ReleaseFocus() {
    QLineEdit* field = FocusedField();
    return field == nullptr || TryLeave(field);
}

bool FocusGuard::TryLeave(QLineEdit* field) {
    const std::optional<QString> refusal = fields_.value(field).check(*field);
    if (refusal) {
        Refuse(field, *refusal);
        return false;
    }
    approved_ = field;
    return true;
}

void FocusGuard::Refuse(QLineEdit* field, const QString& message) {
    approved_ = nullptr;
    show_(message);
    field->setFocus(Qt::OtherFocusReason);
    HighlightTextbox(*field);
}

void FocusGuard::SelectOnEntry(QLineEdit* field) {
    selectOnly_.append(field);
    connect(field, &QObject::destroyed, this, [this, field] { selectOnly_.removeAll(field); });
}

void FocusGuard::Enter(QLineEdit* field, Qt::FocusReason reason) {
    const bool windowShown =
        reason == Qt::ActiveWindowFocusReason && shownWindow_ == field->window();
    if (field->window() == shownWindow_) shownWindow_ = nullptr;
    if (!MovesFocusAway(reason) && !windowShown) return;
    HighlightTextbox(*field);
    // The press that gave the focus goes on to place the cursor.
    if (reason == Qt::MouseFocusReason) clickedInto_ = field;
}

void FocusGuard::FinishClickEntry(QObject* watched) {
    if (clickedInto_.isNull() || watched != clickedInto_) return;
    QLineEdit* field = clickedInto_;
    clickedInto_ = nullptr;
    if (field->hasFocus() && !field->hasSelectedText()) HighlightTextbox(*field);
}

bool FocusGuard::eventFilter(QObject* watched, QEvent* event) {
    switch (event->type()) {
        case QEvent::Show:
            if (watched->isWidgetType() && static_cast<QWidget*>(watched)->isWindow())
                shownWindow_ = static_cast<QWidget*>(watched);
            break;
        case QEvent::KeyPress:
        case QEvent::FocusIn:
        case QEvent::FocusOut:
            if (fields_.contains(watched))
                return FilterFieldEvent(static_cast<QLineEdit*>(watched), event);
            if (event->type() == QEvent::FocusIn && selectOnly_.contains(watched))
                Enter(static_cast<QLineEdit*>(watched), static_cast<QFocusEvent*>(event)->reason());
            break;
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonDblClick:
        case QEvent::MouseButtonRelease:
            if (event->type() == QEvent::MouseButtonRelease) FinishClickEntry(watched);
            if (SwallowMouse(watched, event)) return true;
            if (IsMousePress(event) && watched->isWindowType())
                return FilterWindowMouse(static_cast<QWindow*>(watched), event);
            break;
        case QEvent::Shortcut:
            if (watched->isWidgetType()) return FilterShortcut(static_cast<QWidget*>(watched));
            break;
        default:
            break;
    }
    return false;
}

bool FocusGuard::FilterFieldEvent(QLineEdit* field, QEvent* event) {
    if (event->type() == QEvent::FocusIn) {
        Enter(field, static_cast<QFocusEvent*>(event)->reason());
        return false;
    }
    if (event->type() == QEvent::FocusOut) {
        if (restoring_ || !MovesFocusAway(static_cast<QFocusEvent*>(event)->reason())) return false;
        const Entry entry = fields_.value(field);
        if (approved_ == field) {
            approved_ = nullptr;
            entry.commit(*field);
            return false;
        }
        if (lateField_) return false;
        // The focus went without asking first (a programmatic move, or a
        // mouse press delivered straight to a widget): check now, and on a
        // refusal swallow the press and bring the focus back.
        const std::optional<QString> refusal = entry.check(*field);
        if (!refusal) {
            entry.commit(*field);
            return false;
        }
        lateField_ = field;
        lateMessage_ = *refusal;
        if (static_cast<QFocusEvent*>(event)->reason() == Qt::MouseFocusReason) {
            swallowWindow_ = field->window();
            swallowPress_ = true;
            swallowRelease_ = true;
        }
        QMetaObject::invokeMethod(this, &FocusGuard::ResolveLateRefusal, Qt::QueuedConnection);
        return false;
    }

    // Key press.
    auto* key = static_cast<QKeyEvent*>(event);
    approved_ = nullptr;  // the text may change; leaving must ask again
    const Qt::KeyboardModifiers commandKeys =
        Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier;
    if ((key->key() == Qt::Key_Tab || key->key() == Qt::Key_Backtab) &&
        (key->modifiers() & commandKeys) == 0) {
        return !TryLeave(field);
    }
    // Enter is a dialog's, for its default button; in a window it is discarded.
    if (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter)
        return qobject_cast<QDialog*>(field->window()) == nullptr;
    if ((key->modifiers() & commandKeys) != 0) return false;
    const QString text = key->text();
    if (text.isEmpty()) return false;
    const char32_t c = text.at(0).unicode();
    const bool printable = c >= 0x20 && c != 0x7F;
    return printable && !AcceptsTypedCharacter(c);
}

bool FocusGuard::FilterWindowMouse(QWindow* window, QEvent* event) {
    QLineEdit* field = FocusedField();
    if (field == nullptr || field->window()->windowHandle() != window) return false;
    QWidget* top = field->window();
    QWidget* hit = top->childAt(static_cast<QMouseEvent*>(event)->position().toPoint());
    QWidget* target = ClickFocusTarget(hit != nullptr ? hit : top);
    if (target == nullptr || target == field) return false;
    if (TryLeave(field)) return false;
    swallowWindow_ = top;
    swallowRelease_ = true;
    return true;
}

bool FocusGuard::FilterShortcut(QWidget* target) {
    QLineEdit* field = FocusedField();
    if (field == nullptr || target == field || target->window() != field->window()) return false;
    const auto* label = qobject_cast<QLabel*>(target);
    const bool takesFocus = (qobject_cast<QAbstractButton*>(target) != nullptr &&
                             (target->focusPolicy() & Qt::TabFocus) == Qt::TabFocus) ||
                            (label != nullptr && label->buddy() != nullptr);
    if (!takesFocus) return false;
    if (!TryLeave(field)) return true;
    // A button's access key clicks it without moving the focus; move it, so
    // that the field is left (and formatted) as a click would leave it.
    if (label == nullptr) target->setFocus(Qt::ShortcutFocusReason);
    return false;
}

bool FocusGuard::SwallowMouse(QObject* watched, QEvent* event) {
    if (!swallowPress_ && !swallowRelease_) return false;
    if (TopLevelOf(watched) != swallowWindow_) return false;
    if (IsMousePress(event)) {
        if (!swallowPress_) {
            swallowRelease_ = false;  // a new click: the old release never came
            return false;
        }
        swallowPress_ = false;
        ResolveLateRefusal();
        return true;
    }
    swallowRelease_ = false;
    return true;
}

void FocusGuard::ResolveLateRefusal() {
    QLineEdit* field = lateField_;
    if (field == nullptr) return;
    const QString message = lateMessage_;
    restoring_ = true;
    field->setFocus(Qt::OtherFocusReason);
    restoring_ = false;
    lateField_ = nullptr;
    Refuse(field, message);
}

}  // namespace vantrel
