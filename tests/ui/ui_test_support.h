#pragma once
// Helpers shared by the window tests.

#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QTest>

#include "ui/form1.h"
#include "ui/window_texts.h"

namespace vantrel::test {

// Shows a window and waits until it is the application's active window
// (qWaitForWindowActive may answer before a modal dialog has taken over).
inline bool ShowActive(QWidget& window) {
    window.show();
    window.activateWindow();
    return QTest::qWaitFor([&window] { return QApplication::activeWindow() == &window; });
}

template <typename T>
T* Child(const QObject& parent, const char* name) {
    return parent.findChild<T*>(QLatin1String(name));
}

inline QString TitleOf(const char* prefix, const QString& documentName) {
    return QString::fromLatin1(prefix) + documentName;
}

// Selects the entry of a list that carries the text.
inline void Choose(QComboBox* list, const QString& text) {
    list->setCurrentIndex(list->findText(text, Qt::MatchExactly | Qt::MatchCaseSensitive));
}

// Replaces a field's text by typing, as a user does.
inline void Retype(QLineEdit* field, const QString& text) {
    field->setFocus(Qt::OtherFocusReason);
    field->selectAll();
    QTest::keyClick(field, Qt::Key_Backspace);
    QTest::keyClicks(field, text);
}

}  // namespace vantrel::test
