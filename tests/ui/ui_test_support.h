#pragma once
// Helpers shared by the window tests.

#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QTest>
#include <memory>

#include "scripted_prompts.h"
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

// W 21x44 on W 14x90 over 30 ft, every other input as at start-up.
inline void CalculateWorkedExample(Form1& window) {
    Choose(window.ComboBeam, QStringLiteral("W 21x44"));
    Choose(window.ComboColumn, QStringLiteral("W 14x90"));
    window.TxtLength->setText(QStringLiteral("30.00"));
    window.CalculateCommand();
}

inline bool Calculated(const Form1& window) {
    return !window.State().grids.summary.Text(1, 1).empty();
}

// A shown main window with scripted prompts, new for every test function:
// call Start() from init() and Stop() from cleanup().
class WindowFixture {
  protected:
    ScriptedPrompts prompts_;
    std::unique_ptr<Form1> window_;

    void Start() {
        prompts_.Reset();
        window_ = std::make_unique<Form1>(&prompts_);
        QVERIFY(ShowActive(*window_));
    }
    void Stop() {
        if (prompts_.lastDialog) prompts_.lastDialog->reject();
        prompts_.AllUsed();
        prompts_.Reset();
        window_.reset();
    }
};

}  // namespace vantrel::test
