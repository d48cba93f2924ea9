#pragma once
// Prompts for the window tests: each interaction must have been announced
// with its reply; any other prompt fails the running test. Every call is
// recorded for the test to examine.

#include <QList>
#include <QMessageBox>
#include <QPointer>
#include <QString>
#include <QUrl>

#include "ui/prompts.h"

namespace vantrel::test {

struct PromptCall {
    enum Kind { Message, OpenFile, SaveFile, Printer, Dialog, Url } kind = Message;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    QString title;
    QString text;  // message text, dialog object name or address
    QString filter;
    QMessageBox::StandardButtons buttons;
    QMessageBox::StandardButton defaultButton = QMessageBox::NoButton;
};

class ScriptedPrompts final : public Prompts {
  public:
    ~ScriptedPrompts() override;

    void ExpectMessage(QMessageBox::StandardButton reply = QMessageBox::Ok);
    void ExpectOpenFile(const QString& path);  // empty: the user cancels
    void ExpectSaveFile(const QString& path);
    // The print dialog: accepted with a printer that writes a PDF file to
    // pdfPath, or cancelled when pdfPath is empty.
    void ExpectPrinter(const QString& pdfPath);
    void ExpectDialog();                 // shown without blocking; the test drives it
    void ExpectUrl(bool opened = true);  // false: the desktop has no handler

    // Fails the test when announced replies were not used, and clears them.
    bool AllUsed();
    void Reset();

    QList<PromptCall> calls;
    QPointer<QDialog> lastDialog;

    QMessageBox::StandardButton Message(QWidget* parent, QMessageBox::Icon icon,
                                        const QString& title, const QString& text,
                                        QMessageBox::StandardButtons buttons,
                                        QMessageBox::StandardButton defaultButton) override;
    QString OpenFileName(QWidget* parent, const QString& title, const QString& filter) override;
    QString SaveFileName(QWidget* parent, const QString& title, const QString& filter) override;
    bool ChoosePrinter(QWidget* parent, QPrinter& printer, const QString& title) override;
    void ShowDialog(QDialog& dialog) override;
    bool OpenUrl(const QUrl& url) override;

  private:
    struct Reply {
        PromptCall::Kind kind;
        QMessageBox::StandardButton button = QMessageBox::NoButton;
        QString path;
        bool opened = true;
    };
    bool Take(PromptCall::Kind kind, const QString& what, Reply& reply);

    QList<Reply> replies_;
};

// The messages recorded so far.
QList<PromptCall> Messages(const ScriptedPrompts& prompts);

}  // namespace vantrel::test
