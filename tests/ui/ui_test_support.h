#pragma once
// Helpers shared by the window tests: scripted prompts, child lookup, typing
// and a shown main window.

#include <QApplication>
#include <QComboBox>
#include <QDialog>
#include <QLineEdit>
#include <QPointer>
#include <QPrinter>
#include <QTemporaryDir>
#include <QTest>
#include <QUrl>
#include <memory>

#include "ui/calculator_window.h"
#include "ui/prompts.h"

namespace vantrel::test {

struct PromptCall {
    enum Kind { Message, OpenFile, SaveFile, Printer, Dialog, Url } kind{};
    QString title{};
    QString text{};  // message text, dialog object name or address
    QMessageBox::StandardButtons buttons{};
    QString folder{};  // where a file dialog starts
};

// Each interaction must have been announced with its reply; any other fails
// the running test. Every call is recorded for the test to examine.
class ScriptedPrompts final : public Prompts {
    struct Reply {
        PromptCall::Kind kind{};
        QMessageBox::StandardButton button{};
        QString path{};  // the file chosen (empty: cancelled), or the printer's PDF
    };
    QList<Reply> replies_;
    Reply reply_;

    bool Take(const PromptCall& call) {
        calls.append(call);
        if (replies_.isEmpty() || replies_.first().kind != call.kind) {
            QTest::qFail(qPrintable("unexpected prompt: " + call.title + " / " + call.text),
                         __FILE__, __LINE__);
            return false;
        }
        reply_ = replies_.takeFirst();
        return true;
    }

  public:
    QList<PromptCall> calls;
    QPointer<QDialog> lastDialog;

    void ExpectMessage(QMessageBox::StandardButton button = QMessageBox::Ok) {
        replies_.append(Reply{PromptCall::Message, button});
    }
    void Expect(PromptCall::Kind kind, const QString& path) { replies_.append({kind, {}, path}); }
    void ExpectOpenFile(const QString& path) { Expect(PromptCall::OpenFile, path); }
    void ExpectSaveFile(const QString& path) { Expect(PromptCall::SaveFile, path); }
    void ExpectPrinter(const QString& pdf) { Expect(PromptCall::Printer, pdf); }
    void ExpectDialog() { Expect(PromptCall::Dialog, {}); }  // the test drives it
    // Fails the test when announced replies were not used.
    void AllUsed() const {
        if (!replies_.isEmpty()) QTest::qFail("an announced prompt never came", __FILE__, __LINE__);
    }
    void Reset() {
        replies_.clear();
        calls.clear();
    }
    QList<PromptCall> Messages() const {
        QList<PromptCall> messages;
        for (const PromptCall& call : calls)
            if (call.kind == PromptCall::Message) messages.append(call);
        return messages;
    }

    QMessageBox::StandardButton Message(QWidget*, QMessageBox::Icon, const QString& title,
                                        const QString& text, QMessageBox::StandardButtons buttons,
                                        QMessageBox::StandardButton) override {
        return Take({PromptCall::Message, title, text, buttons}) ? reply_.button
                                                                 : QMessageBox::Cancel;
    }
    QString OpenFileName(QWidget*, const QString& title, const QString&,
                         const QString& folder) override {
        return Take({PromptCall::OpenFile, title, {}, {}, folder}) ? reply_.path : QString();
    }
    QString SaveFileName(QWidget*, const QString& title, const QString&,
                         const QString& folder) override {
        return Take({PromptCall::SaveFile, title, {}, {}, folder}) ? reply_.path : QString();
    }
    bool ChoosePrinter(QWidget*, QPrinter& printer, const QString& title) override {
        if (!Take({PromptCall::Printer, title}) || reply_.path.isEmpty()) return false;
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(reply_.path);
        return true;
    }
    void ShowDialog(QDialog& dialog) override {
        if (!Take({PromptCall::Dialog, dialog.windowTitle(), dialog.objectName()}))
            return dialog.reject();
        lastDialog = &dialog;
        dialog.show();
    }
    bool OpenUrl(const QUrl& url) override { return Take({PromptCall::Url, {}, url.toString()}); }
};

// Shows a window and waits until it is the application's active window
// (qWaitForWindowActive may answer before a modal dialog has taken over).
inline bool ShowActive(QWidget& window) {
    window.show();
    window.activateWindow();
    return QTest::qWaitFor([&window] { return QApplication::activeWindow() == &window; });
}

// The child of that object name; a missing one ends the test run.
template <typename T = QLineEdit>
T* Child(const QObject& parent, const QString& name) {
    T* child = parent.findChild<T*>(name);
    if (child == nullptr) qFatal("no child named %s", qPrintable(name));
    return child;
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

inline bool Calculated(const CalculatorWindow& window) {
    return !window.State().grids.summary.Text(1, 1).empty();
}

// A shown main window with scripted prompts, new for every test function:
// call Start() from init() and Stop() from cleanup().
class WindowFixture {
  protected:
    ScriptedPrompts prompts_;
    std::unique_ptr<CalculatorWindow> window_;
    // Every test function starts with no saved settings and leaves none behind.
    std::unique_ptr<QTemporaryDir> config_;

    void Start() {
        config_ = std::make_unique<QTemporaryDir>();
        qputenv("XDG_CONFIG_HOME", QFile::encodeName(config_->path()));
        prompts_.Reset();
        window_ = std::make_unique<CalculatorWindow>(&prompts_);
        QVERIFY(ShowActive(*window_));
    }
    void Stop() {
        if (prompts_.lastDialog) prompts_.lastDialog->reject();
        prompts_.AllUsed();
        prompts_.Reset();
        window_.reset();
    }
    template <typename T = QLineEdit>
    T* Find(const QString& name) const {
        return Child<T>(*window_, name);
    }
    QComboBox* List(const QString& name) const { return Find<QComboBox>(name); }
    // W 21x44 on W 14x90 over 30 ft, every other input as at start-up.
    void CalculateWorkedExample() {
        Choose(List("beamList"), "W 21x44");
        Choose(List("columnList"), "W 14x90");
        Find("lengthField")->setText("30.00");
        window_->CalculateCommand();
    }
};

}  // namespace vantrel::test
