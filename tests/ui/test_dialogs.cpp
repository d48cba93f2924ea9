// The help and about dialogs: what their buttons and links open, how they
// close, and how the main window shows them.
#include <QLabel>
#include <QPushButton>
#include <QTemporaryDir>

#include "ui/help_dialogs.h"
#include "ui_test_support.h"

namespace vantrel::test {

class DialogsTest : public QObject {
    Q_OBJECT

  private:
    ScriptedPrompts prompts_;

  private slots:
    void cleanup() {
        prompts_.AllUsed();
        prompts_.Reset();
    }
    void helpOpensCompanions_data();
    void helpOpensCompanions();
    void aboutLinks_data();
    void aboutLinks();
    void dialogsCloseAndGo_data();
    void dialogsCloseAndGo();
    void windowShowsThemModally_data();
    void windowShowsThemModally();
};

void DialogsTest::helpOpensCompanions_data() {
    QTest::addColumn<QString>("button");
    QTest::addColumn<QString>("companion");  // what lies beside the program; empty: nothing
    QTest::addColumn<bool>("folder");
    QTest::addColumn<bool>("viewer");  // the desktop has a program for it
    QTest::addColumn<bool>("warns");
    const QString pdf = QStringLiteral("Vantrel_Sample.pdf");
    const QString sample = QStringLiteral("cmdSampleReport");
    const QString examples = QStringLiteral("cmdExamples");
    QTest::newRow("sample report") << sample << pdf << false << true << false;
    QTest::newRow("sample report missing") << sample << QString() << false << true << true;
    QTest::newRow("no PDF viewer") << sample << pdf << false << false << true;
    QTest::newRow("examples") << examples << QStringLiteral("examples") << true << true << false;
    QTest::newRow("examples missing") << examples << QString() << false << true << true;
}

void DialogsTest::helpOpensCompanions() {
    QFETCH(QString, button);
    QFETCH(QString, companion);
    QFETCH(bool, folder);
    QFETCH(bool, viewer);
    QFETCH(bool, warns);
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
    if (warns) prompts_.ExpectMessage();
    QTest::mouseClick(Child<QPushButton>(dialog, button.toLatin1().constData()), Qt::LeftButton);
    QVERIFY(prompts_.AllUsed());
    if (!companion.isEmpty())
        QCOMPARE(prompts_.calls.first().text, QUrl::fromLocalFile(path).toString());
    QCOMPARE(Messages(prompts_).size(), qsizetype{warns ? 1 : 0});
    QVERIFY(dialog.isVisible());
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
    QVERIFY(dialog.isVisible());
}

void DialogsTest::dialogsCloseAndGo_data() {
    QTest::addColumn<bool>("help");
    QTest::addColumn<int>("key");  // 0: a click on the dialog's button
    QTest::newRow("help, Ok") << true << 0;
    QTest::newRow("about, Enter") << false << int(Qt::Key_Return);
    QTest::newRow("about, Esc") << false << int(Qt::Key_Escape);
}

void DialogsTest::dialogsCloseAndGo() {
    QFETCH(bool, help);
    QFETCH(int, key);
    QPointer<QDialog> dialog;
    if (help)
        dialog = new FrmHelp(prompts_, QString());
    else
        dialog = new FrmAbout(prompts_);
    QVERIFY(ShowActive(*dialog));
    if (key == 0)
        QTest::mouseClick(Child<QPushButton>(*dialog, "Command1"), Qt::LeftButton);
    else
        QTest::keyClick(QApplication::focusWidget(), static_cast<Qt::Key>(key));
    QTRY_VERIFY(dialog.isNull());  // closed and discarded
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
    QVERIFY(shown && shown->isModal() && shown->isVisible());
    // Closing the window takes the dialog with it.
    QVERIFY(window.close());
    QTRY_VERIFY(shown.isNull() || !shown->isVisible());
}

}  // namespace vantrel::test

QTEST_MAIN(vantrel::test::DialogsTest)
#include "test_dialogs.moc"
