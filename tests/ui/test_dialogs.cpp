// The help and about dialogs: texts, links through the prompts, buttons,
// placement, and how the main window shows them.
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>
#include <QTemporaryDir>
#include <memory>

#include "scripted_prompts.h"
#include "ui/help_dialogs.h"
#include "ui_test_support.h"

namespace vantrel::test {

class DialogsTest : public QObject {
    Q_OBJECT

  private:
    ScriptedPrompts prompts_;

    static bool Centred(const QWidget& dialog) {
        const QPoint screen = dialog.screen()->geometry().center();
        const QPoint centre = dialog.frameGeometry().center();
        return qAbs(screen.x() - centre.x()) <= 3 && qAbs(screen.y() - centre.y()) <= 3;
    }

  private slots:
    void cleanup();

    void help();
    void helpOpensCompanions_data();
    void helpOpensCompanions();
    void about();
    void aboutLinks_data();
    void aboutLinks();
    void aboutClosesWithEnterAndEsc_data();
    void aboutClosesWithEnterAndEsc();
    void windowShowsThemModally_data();
    void windowShowsThemModally();
};

void DialogsTest::cleanup() {
    prompts_.AllUsed();
    prompts_.Reset();
}

void DialogsTest::help() {
    QPointer<FrmHelp> dialog = new FrmHelp(prompts_, QString());
    QVERIFY(ShowActive(*dialog));
    QCOMPARE(dialog->windowTitle(), QStringLiteral("Vantrel Help"));
    const QString text = Child<QLabel>(*dialog, "Label1")->text();
    QCOMPARE(text,
             QStringLiteral("For a sample calculation, see the Vantrel_Sample.pdf document in "
                            "this program's directory.\nNote: Adobe Acrobat Reader") +
                 QChar(0xA9) + QStringLiteral(" is required."));
    QVERIFY(Centred(*dialog));
    auto* ok = Child<QPushButton>(*dialog, "Command1");
    QCOMPARE(ok->text(), QStringLiteral("&Ok"));
    QTest::mouseClick(ok, Qt::LeftButton);
    QTRY_VERIFY(dialog.isNull());  // closed and discarded
}

void DialogsTest::helpOpensCompanions_data() {
    QTest::addColumn<QString>("button");
    QTest::addColumn<QString>("companion");  // what lies beside the program; empty: nothing
    QTest::addColumn<bool>("folder");
    QTest::addColumn<bool>("viewer");      // the desktop has a program for it
    QTest::addColumn<QString>("message");  // expected in the warning; empty: none
    QTest::newRow("sample report") << "cmdSampleReport"
                                   << "Vantrel_Sample.pdf" << false << true << "";
    QTest::newRow("sample report missing") << "cmdSampleReport"
                                           << "" << false << true << "Vantrel_Sample.pdf";
    QTest::newRow("no PDF viewer") << "cmdSampleReport"
                                   << "Vantrel_Sample.pdf" << false << false << "no program";
    QTest::newRow("examples") << "cmdExamples"
                              << "examples" << true << true << "";
    QTest::newRow("examples missing") << "cmdExamples"
                                      << "" << false << true << "examples";
}

void DialogsTest::helpOpensCompanions() {
    QFETCH(QString, button);
    QFETCH(QString, companion);
    QFETCH(bool, folder);
    QFETCH(bool, viewer);
    QFETCH(QString, message);
    QTemporaryDir programDir;
    const QString path = programDir.filePath(companion);
    if (folder) {
        QVERIFY(QDir().mkdir(path));
    } else if (!companion.isEmpty()) {
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
    }
    FrmHelp dialog(prompts_, programDir.path());
    QVERIFY(ShowActive(dialog));
    if (!companion.isEmpty()) prompts_.ExpectUrl(viewer);
    if (!message.isEmpty()) prompts_.ExpectMessage();
    QTest::mouseClick(Child<QPushButton>(dialog, button.toLatin1().constData()), Qt::LeftButton);
    QVERIFY(prompts_.AllUsed());
    if (!companion.isEmpty()) {
        QCOMPARE(prompts_.calls.first().text, QUrl::fromLocalFile(path).toString());
    }
    if (!message.isEmpty()) {
        QCOMPARE(Messages(prompts_).size(), qsizetype{1});
        QVERIFY(Messages(prompts_).first().text.contains(message));
    }
    QVERIFY(dialog.isVisible());
}

void DialogsTest::about() {
    QPointer<FrmAbout> dialog = new FrmAbout(prompts_);
    QVERIFY(ShowActive(*dialog));
    QCOMPARE(dialog->windowTitle(), QStringLiteral("About Vantrel"));
    auto* title = Child<QLabel>(*dialog, "lblTitle");
    QCOMPARE(title->text(), QStringLiteral("Vantrel v. " VANTREL_VERSION_TEXT));
    QCOMPARE(title->palette().color(QPalette::WindowText), QColor(Qt::blue));
    QVERIFY(!title->font().italic() && !title->font().underline());
    QVERIFY(!Child<QLabel>(*dialog, "lblVersion")->text().isEmpty());
    for (const char* link : {"Label1", "Label2"}) {
        auto* label = Child<QLabel>(*dialog, link);
        QVERIFY(label->font().underline());
        QCOMPARE(label->palette().color(QPalette::WindowText), QColor(Qt::blue));
    }
    QCOMPARE(Child<QLabel>(*dialog, "Label2")->text(), QStringLiteral("Contact us"));
    const QString disclaimer = Child<QPlainTextEdit>(*dialog, "Text1")->toPlainText();
    QVERIFY(disclaimer.startsWith(QStringLiteral("DISCLAIMER:")));
    QVERIFY(disclaimer.contains(QStringLiteral("\n\nWARNING:\n")));
    QVERIFY(Child<QPlainTextEdit>(*dialog, "Text1")->isReadOnly());
    QVERIFY(Centred(*dialog));
    delete dialog;
}

void DialogsTest::aboutLinks_data() {
    QTest::addColumn<QString>("label");
    QTest::addColumn<QString>("address");
    QTest::newRow("web page") << "Label1" << FrmAbout::WebAddress();
    QTest::newRow("mail") << "Label2" << FrmAbout::MailAddress();
}

void DialogsTest::aboutLinks() {
    QFETCH(QString, label);
    QFETCH(QString, address);
    FrmAbout dialog(prompts_);
    QVERIFY(ShowActive(dialog));
    prompts_.ExpectUrl();
    QTest::mouseClick(dialog.findChild<QLabel*>(label), Qt::LeftButton);
    QCOMPARE(prompts_.calls.size(), qsizetype{1});
    QCOMPARE(prompts_.calls.first().text, address);
    QVERIFY(address.startsWith(QStringLiteral("https://")) ||
            address.startsWith(QStringLiteral("mailto:")));
    QVERIFY(dialog.isVisible());
}

void DialogsTest::aboutClosesWithEnterAndEsc_data() {
    QTest::addColumn<int>("key");
    QTest::newRow("Enter") << int(Qt::Key_Return);
    QTest::newRow("Esc") << int(Qt::Key_Escape);
}

void DialogsTest::aboutClosesWithEnterAndEsc() {
    QFETCH(int, key);
    QPointer<FrmAbout> dialog = new FrmAbout(prompts_);
    QVERIFY(ShowActive(*dialog));
    QVERIFY(Child<QPushButton>(*dialog, "cmdOK")->isDefault());
    QTest::keyClick(QApplication::focusWidget(), static_cast<Qt::Key>(key));
    QTRY_VERIFY(dialog.isNull());
}

void DialogsTest::windowShowsThemModally_data() {
    QTest::addColumn<QString>("action");
    QTest::addColumn<QString>("dialog");
    QTest::newRow("Contents") << "MnuHelp_Contents"
                              << "FrmHelp";
    QTest::newRow("toolbar help") << "TLB_HELP"
                                  << "FrmHelp";
    QTest::newRow("About") << "mnuHelp_About"
                           << "frmAbout";
}

void DialogsTest::windowShowsThemModally() {
    QFETCH(QString, action);
    QFETCH(QString, dialog);
    Form1 window(&prompts_);
    QVERIFY(ShowActive(window));
    prompts_.ExpectDialog();
    window.findChild<QAction*>(action)->trigger();
    QCOMPARE(prompts_.calls.size(), qsizetype{1});
    QCOMPARE(prompts_.calls.first().text, dialog);
    QPointer<QDialog> shown = prompts_.lastDialog;
    QVERIFY(shown && shown->isModal());
    // Closing the window takes the dialog with it.
    QVERIFY(shown->isVisible());
    QVERIFY(window.close());
    QTRY_VERIFY(shown.isNull() || !shown->isVisible());
}

}  // namespace vantrel::test

QTEST_MAIN(vantrel::test::DialogsTest)
#include "test_dialogs.moc"
