// Print, Export PDF and Find Designs from the window.
#include <QAction>
#include <QCheckBox>
#include <QPushButton>
#include <QRegularExpression>
#include <QTableWidget>
#include <QTemporaryDir>

#include "checks/verdict_cells.h"
#include "ui/find_designs_dialog.h"
#include "ui_test_support.h"

namespace vantrel::test {

class ReportCommandsTest : public QObject, WindowFixture {
    Q_OBJECT
    QTemporaryDir dir_;

    // Pages of a PDF written by Qt: one "/Type /Page" object each; -1: no PDF.
    static int PdfPages(const QString& path) {
        QFile file(path);
        if (!file.open(QIODevice::ReadOnly)) return -1;
        const QByteArray content = file.readAll();
        if (!content.startsWith("%PDF")) return -1;
        return int(QString::fromLatin1(content).count(QRegularExpression("/Type\\s*/Page[^s]")));
    }
    QStringList Files() const { return QDir(dir_.path()).entryList(QDir::Files); }
    FindDesignsDialog* FindDesigns(const char* length) {
        Find("lengthField")->setText(QLatin1String(length));
        prompts_.ExpectDialog();
        window_->FindDesignsCommand();
        auto* dialog = qobject_cast<FindDesignsDialog*>(prompts_.lastDialog.data());
        if (dialog == nullptr || dialog->Table()->rowCount() == 0) qFatal("no designs found");
        return dialog;
    }
    static QSet<QString> Pairs(const QTableWidget& table, int passColumn = -1) {
        QSet<QString> pairs;
        for (int row = 0; row < table.rowCount(); ++row)
            if (passColumn < 0 || table.item(row, passColumn)->text() == "pass")
                pairs.insert(table.item(row, 0)->text() + '/' + table.item(row, 1)->text());
        return pairs;
    }

  private slots:
    void init() {
        QVERIFY(dir_.isValid());
        Start();
    }
    void cleanup() { Stop(); }

    // Each report command calculates the inputs as they stand first, and
    // leaves Modified as it was; a cancelled dialog writes nothing.
    void reportsCalculateTheCurrentInputs_data() {
        QTest::addColumn<QString>("command");
        QTest::addColumn<QString>("target");  // empty: the dialog is cancelled
        QTest::addColumn<QString>("written");
        QTest::newRow("Print") << "printAction"
                               << "report.pdf"
                               << "report.pdf";
        QTest::newRow("toolbar") << "toolbarPrint"
                                 << "report.pdf"
                                 << "report.pdf";
        QTest::newRow("Export PDF") << "exportPdfAction"
                                    << "frame"
                                    << "frame.pdf";
        QTest::newRow("print cancelled") << "printAction"
                                         << ""
                                         << "";
        QTest::newRow("export cancelled") << "exportPdfAction"
                                          << ""
                                          << "";
    }
    void reportsCalculateTheCurrentInputs() {
        QFETCH(QString, command);
        QFETCH(QString, target);
        QFETCH(QString, written);
        CalculateWorkedExample();
        prompts_.ExpectSaveFile(dir_.filePath(QStringLiteral("saved.vtl")));
        window_->SaveAsCommand();
        Find("lengthField")->setText(QStringLiteral("20.00"));  // typed, not calculated
        const QStringList before = Files();
        const QString path = target.isEmpty() ? QString() : dir_.filePath(target);
        if (command == "exportPdfAction") {
            prompts_.ExpectSaveFile(path);
        } else {
            prompts_.ExpectPrinter(path);
        }
        Child<QAction>(*window_, command)->trigger();
        if (!written.isEmpty()) QCOMPARE(PdfPages(dir_.filePath(written)), 4);
        if (written.isEmpty()) QCOMPARE(Files(), before);
        QCOMPARE(window_->State().record.L, 20.0f);
        QCOMPARE(window_->State().grids.summary.Text(10, 1), std::string("16.88   ft"));
        QVERIFY(!window_->Modified());
    }

    // Missing inputs, an errored run or a file that cannot be written: the
    // user sees one message, and no dialog, file or report follows.
    void noReportWithoutAGoodRun_data() {
        QTest::addColumn<bool>("toPdf");
        QTest::addColumn<QString>("length");
        QTest::addColumn<QString>("override");
        QTest::addColumn<int>("icon");
        QTest::newRow("print, length missing") << false << ""
                                               << "0.000" << int(QMessageBox::Warning);
        QTest::newRow("export, length missing") << true << ""
                                                << "0.000" << int(QMessageBox::Warning);
        QTest::newRow("print, override not a number") << false << "30.00"
                                                      << "1.2.3" << int(QMessageBox::Critical);
        QTest::newRow("export, span shorter than the hinges")
            << true << "1.00"
            << "0.000" << int(QMessageBox::Critical);
        QTest::newRow("export into a missing folder") << true << "30.00"
                                                      << "0.000" << int(QMessageBox::Warning);
    }
    void noReportWithoutAGoodRun() {
        QFETCH(bool, toPdf);
        QFETCH(QString, length);
        QFETCH(QString, override);
        QFETCH(int, icon);
        CalculateWorkedExample();
        prompts_.ExpectMessage(QMessageBox::No);  // the save prompt
        window_->NewCommand();
        prompts_.Reset();
        Find("lengthField")->setText(length);  // as a project file may leave it
        Find("aOverrideField")->setText(override);
        const bool modified = window_->Modified();
        const QStringList before = Files();
        const bool runs = icon == int(QMessageBox::Warning) && !length.isEmpty();
        if (runs) prompts_.ExpectSaveFile(dir_.filePath(QStringLiteral("missing/frame.pdf")));
        prompts_.ExpectMessage();
        if (toPdf) {
            window_->ExportPdfCommand();
        } else {
            window_->PrintCommand();
        }
        QCOMPARE(prompts_.Messages().size(), qsizetype{1});
        QCOMPARE(int(prompts_.Messages().first().icon), icon);
        QCOMPARE(Files(), before);
        QCOMPARE(window_->Modified(), modified);
    }

    // A chosen pair goes into the lists and is calculated; it passes every
    // check but the plates, which the search does not require unless asked.
    void findDesignsPutsTheChosenPairIntoTheLists() {
        FindDesignsDialog* dialog = FindDesigns("30.00");
        dialog->Table()->selectRow(2);
        const QString beam = dialog->Table()->item(2, 0)->text();
        const QString column = dialog->Table()->item(2, 1)->text();
        QTest::mouseClick(dialog->UseButton(), Qt::LeftButton);
        QCOMPARE(List("beamList")->currentText(), beam);
        QCOMPARE(List("columnList")->currentText(), column);
        for (const VerdictResult& verdict : ReadVerdicts(window_->State().grids)) {
            const std::string name = verdict.cell->name;
            if (name != "Doubler plates" && name != "Continuity plates")
                QVERIFY2(verdict.state == VerdictState::Pass, verdict.cell->name);
        }
    }

    // The plate options leave only pairs without plates; both codes, the
    // FEMA 350 designs whose current-code verdict holds. Closing changes nothing.
    void findDesignsOptions() {
        FindDesignsDialog* dialog = FindDesigns("30.00");
        const QSet<QString> femaAndCurrent = Pairs(*dialog->Table(), 8);
        dialog->Code()->setCurrentIndex(2);
        QVERIFY(!femaAndCurrent.isEmpty());
        QCOMPARE(Pairs(*dialog->Table()), femaAndCurrent);
        dialog->Code()->setCurrentIndex(0);
        const int all = dialog->Table()->rowCount();
        dialog->NoDoublers()->setChecked(true);
        dialog->NoContinuity()->setChecked(true);
        QVERIFY(dialog->Table()->rowCount() < all);
        for (int row = 0; row < dialog->Table()->rowCount(); ++row) {
            QCOMPARE(dialog->Table()->item(row, 6)->text(), QStringLiteral("no"));
            QCOMPARE(dialog->Table()->item(row, 7)->text(), QStringLiteral("no"));
        }
        dialog->reject();
        QCOMPARE(List("beamList")->currentIndex(), 0);
        QVERIFY(!window_->Modified());
    }
};

}  // namespace vantrel::test

QTEST_MAIN(vantrel::test::ReportCommandsTest)
#include "test_report_commands.moc"
