// The help and about dialogs: what their buttons and links open, and that
// closing the window takes an open one with it.
#include <QLabel>
#include <QPushButton>
#include <QTemporaryDir>

#include "ui/help_dialogs.h"
#include "ui_test_support.h"

namespace vantrel::test {

class DialogsTest : public QObject {
    Q_OBJECT
    ScriptedPrompts prompts_;

  private slots:
    void cleanup() {
        prompts_.AllUsed();
        prompts_.Reset();
    }

    void linksOpenWhatTheyName_data() {
        QTest::addColumn<QString>("clicked");
        QTest::addColumn<QString>("companion");  // beside the program; empty: missing
        QTest::addColumn<bool>("viewer");        // the desktop has a program for it
        QTest::newRow("sample report") << "sampleReportButton"
                                       << "Vantrel_Sample.pdf" << true;
        QTest::newRow("sample report missing") << "sampleReportButton"
                                               << "" << true;
        QTest::newRow("no PDF viewer") << "sampleReportButton"
                                       << "Vantrel_Sample.pdf" << false;
        QTest::newRow("examples") << "examplesButton"
                                  << "examples" << true;
        QTest::newRow("examples missing") << "examplesButton"
                                          << "" << true;
        QTest::newRow("about: web page") << "webLink" << FrmAbout::WebAddress() << true;
        QTest::newRow("about: mail") << "mailLink" << FrmAbout::MailAddress() << true;
    }
    void linksOpenWhatTheyName() {
        QFETCH(QString, clicked);
        QFETCH(QString, companion);
        QFETCH(bool, viewer);
        QTemporaryDir programDir;
        const bool about = clicked.endsWith("Link");
        QString address = companion;
        if (!about && !companion.isEmpty()) {
            const QString path = programDir.filePath(companion);
            QFile file(path);
            QVERIFY(clicked == "examplesButton" ? QDir().mkdir(path)
                                                : file.open(QIODevice::WriteOnly));
            address = QUrl::fromLocalFile(path).toString();
        }
        std::unique_ptr<QDialog> dialog;
        if (about)
            dialog = std::make_unique<FrmAbout>(prompts_);
        else
            dialog = std::make_unique<FrmHelp>(prompts_, programDir.path());
        dialog->setAttribute(Qt::WA_DeleteOnClose, false);
        QVERIFY(ShowActive(*dialog));
        if (!companion.isEmpty()) prompts_.ExpectUrl(viewer);
        const bool warns = companion.isEmpty() || !viewer;
        if (warns) prompts_.ExpectMessage();
        QTest::mouseClick(Child<QWidget>(*dialog, clicked), Qt::LeftButton);
        QVERIFY(prompts_.AllUsed());
        if (!companion.isEmpty()) QCOMPARE(prompts_.calls.first().text, address);
        QCOMPARE(prompts_.Messages().size(), qsizetype{warns ? 1 : 0});
        QVERIFY(dialog->isVisible());
    }

    void windowTakesItsDialogsAlong_data() {
        QTest::addColumn<QString>("action");
        QTest::newRow("Contents") << "contentsAction";
        QTest::newRow("toolbar help") << "toolbarHelp";
        QTest::newRow("About") << "aboutAction";
    }
    void windowTakesItsDialogsAlong() {
        QFETCH(QString, action);
        Form1 window(&prompts_);
        QVERIFY(ShowActive(window));
        prompts_.ExpectDialog();
        Child<QAction>(window, action)->trigger();
        QPointer<QDialog> shown = prompts_.lastDialog;
        QVERIFY(shown && shown->isModal() && shown->isVisible());
        QVERIFY(window.close());
        QTRY_VERIFY(shown.isNull() || !shown->isVisible());
    }
};

}  // namespace vantrel::test

QTEST_MAIN(vantrel::test::DialogsTest)
#include "test_dialogs.moc"
