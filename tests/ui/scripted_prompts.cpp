#include "scripted_prompts.h"

#include <QDialog>
#include <QPrinter>
#include <QTest>

namespace vantrel::test {
namespace {

const char* KindName(PromptCall::Kind kind) {
    switch (kind) {
        case PromptCall::Message:
            return "message box";
        case PromptCall::OpenFile:
            return "open dialog";
        case PromptCall::SaveFile:
            return "save dialog";
        case PromptCall::Printer:
            return "print dialog";
        case PromptCall::Dialog:
            return "dialog";
        case PromptCall::Url:
            return "address";
    }
    return "prompt";
}

}  // namespace

ScriptedPrompts::~ScriptedPrompts() = default;

void ScriptedPrompts::ExpectMessage(QMessageBox::StandardButton reply) {
    replies_.append({PromptCall::Message, reply, {}});
}
void ScriptedPrompts::ExpectOpenFile(const QString& path) {
    replies_.append({PromptCall::OpenFile, QMessageBox::NoButton, path});
}
void ScriptedPrompts::ExpectSaveFile(const QString& path) {
    replies_.append({PromptCall::SaveFile, QMessageBox::NoButton, path});
}
void ScriptedPrompts::ExpectPrinter(const QString& pdfPath) {
    replies_.append({PromptCall::Printer, QMessageBox::NoButton, pdfPath});
}
void ScriptedPrompts::ExpectDialog() {
    replies_.append({PromptCall::Dialog, QMessageBox::NoButton, {}});
}
void ScriptedPrompts::ExpectUrl(bool opened) {
    replies_.append({PromptCall::Url, QMessageBox::NoButton, {}, opened});
}

bool ScriptedPrompts::AllUsed() {
    const bool used = replies_.isEmpty();
    if (!used) {
        const QByteArray what = QByteArray("announced ") + KindName(replies_.first().kind) +
                                " never came (" + QByteArray::number(replies_.size()) + " unused)";
        QTest::qFail(what.constData(), __FILE__, __LINE__);
    }
    replies_.clear();
    return used;
}

void ScriptedPrompts::Reset() {
    replies_.clear();
    calls.clear();
}

bool ScriptedPrompts::Take(PromptCall::Kind kind, const QString& what, Reply& reply) {
    if (replies_.isEmpty() || replies_.first().kind != kind) {
        const QByteArray message =
            QByteArray("unexpected ") + KindName(kind) + ": " + what.toUtf8();
        QTest::qFail(message.constData(), __FILE__, __LINE__);
        return false;
    }
    reply = replies_.takeFirst();
    return true;
}

QMessageBox::StandardButton ScriptedPrompts::Message(QWidget*, QMessageBox::Icon icon,
                                                     const QString& title, const QString& text,
                                                     QMessageBox::StandardButtons buttons,
                                                     QMessageBox::StandardButton defaultButton) {
    calls.append({PromptCall::Message, icon, title, text, {}, buttons, defaultButton});
    Reply reply;
    if (!Take(PromptCall::Message, title + " / " + text, reply)) {
        return buttons.testFlag(QMessageBox::Cancel) ? QMessageBox::Cancel : QMessageBox::Ok;
    }
    return reply.button;
}

QString ScriptedPrompts::OpenFileName(QWidget*, const QString& title, const QString& filter) {
    calls.append({PromptCall::OpenFile, QMessageBox::NoIcon, title, {}, filter, {}, {}});
    Reply reply;
    return Take(PromptCall::OpenFile, title, reply) ? reply.path : QString();
}

QString ScriptedPrompts::SaveFileName(QWidget*, const QString& title, const QString& filter) {
    calls.append({PromptCall::SaveFile, QMessageBox::NoIcon, title, {}, filter, {}, {}});
    Reply reply;
    return Take(PromptCall::SaveFile, title, reply) ? reply.path : QString();
}

bool ScriptedPrompts::ChoosePrinter(QWidget*, QPrinter& printer, const QString& title) {
    calls.append({PromptCall::Printer, QMessageBox::NoIcon, title, {}, {}, {}, {}});
    Reply reply;
    if (!Take(PromptCall::Printer, title, reply) || reply.path.isEmpty()) return false;
    // The "printer" the user picks prints to a PDF file the test can read.
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(reply.path);
    return true;
}

void ScriptedPrompts::ShowDialog(QDialog& dialog) {
    calls.append({PromptCall::Dialog,
                  QMessageBox::NoIcon,
                  dialog.windowTitle(),
                  dialog.objectName(),
                  {},
                  {},
                  {}});
    Reply reply;
    if (!Take(PromptCall::Dialog, dialog.objectName(), reply)) {
        dialog.reject();
        return;
    }
    lastDialog = &dialog;
    dialog.show();
}

bool ScriptedPrompts::OpenUrl(const QUrl& url) {
    calls.append({PromptCall::Url, QMessageBox::NoIcon, {}, url.toString(), {}, {}, {}});
    Reply reply;
    return Take(PromptCall::Url, url.toString(), reply) && reply.opened;
}

QList<PromptCall> Messages(const ScriptedPrompts& prompts) {
    QList<PromptCall> messages;
    for (const PromptCall& call : prompts.calls)
        if (call.kind == PromptCall::Message) messages.append(call);
    return messages;
}

}  // namespace vantrel::test
