// Print, Export PDF and Find Designs from the window.
#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QPushButton>
#include <QRegularExpression>
#include <QSet>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>

#include "checks/verdict_cells.h"
#include "ui/find_designs_dialog.h"
#include "ui_test_support.h"

namespace vantrel::test {

class ReportCommandsTest : public QObject, WindowFixture {
    Q_OBJECT

    // Pages of a PDF written by Qt: one "/Type /Page" object each.
    static int PdfPages(const QString& path) {
        QFile file(path);
        if (!file.open(QIODevice::ReadOnly)) return -1;
        const QByteArray content = file.readAll();
        if (!content.startsWith("%PDF")) return -1;
        return static_cast<int>(
            QString::fromLatin1(content).count(QRegularExpression("/Type\\s*/Page[^s]")));
    }

    QTemporaryDir dir_;

  private slots:
    void init() {
        QVERIFY(dir_.isValid());
        Start();
    }
    void cleanup() { Stop(); }

    void printCancelIsSilent() {
        prompts_.ExpectPrinter(QString());
        window_->PrintCommand();
        QCOMPARE(prompts_.calls.size(), 1);
        QCOMPARE(prompts_.calls[0].kind, PromptCall::Printer);
    }

    // Each report command runs Calculate on the inputs as they stand first,
    // and leaves Modified as it was.
    void reportsCalculateTheCurrentInputs_data() {
        QTest::addColumn<QString>("command");
        QTest::newRow("Print") << "mnuFile_Print";
        QTest::newRow("toolbar") << "TLB_PRINT";
        QTest::newRow("Export PDF") << "mnuFile_ExportPdf";
    }
    void reportsCalculateTheCurrentInputs() {
        QFETCH(QString, command);
        CalculateWorkedExample(*window_);
        prompts_.ExpectSaveFile(dir_.filePath(QStringLiteral("saved.vtl")));
        window_->SaveAsCommand();
        QVERIFY(!window_->Modified());
        window_->TxtLength->setText(QStringLiteral("20.00"));  // typed, not calculated
        const QString pdf = dir_.filePath(QStringLiteral("report.pdf"));
        if (command == QLatin1String("mnuFile_ExportPdf")) {
            prompts_.ExpectSaveFile(pdf);
        } else {
            prompts_.ExpectPrinter(pdf);
        }
        QAction* action = command == QLatin1String("TLB_PRINT")
                              ? Child<QAction>(*window_, "TLB_PRINT")
                          : command == QLatin1String("mnuFile_Print") ? window_->mnuFile_Print
                                                                      : window_->mnuFile_ExportPdf;
        action->trigger();
        QCOMPARE(PdfPages(pdf), 4);
        QCOMPARE(window_->State().record.L, 20.0f);
        QCOMPARE(window_->State().grids.summary.Text(10, 1), std::string("16.88   ft"));
        QVERIFY(!window_->Modified());
    }

    // Missing inputs or an errored run: the user has seen the messages, and
    // no print dialog, no file and no report follow.
    void noReportWithoutAGoodRun_data() {
        QTest::addColumn<bool>("toPdf");
        QTest::addColumn<QString>("length");
        QTest::addColumn<QString>("override");
        QTest::addColumn<int>("icon");
        QTest::newRow("print after New, length missing") << false << ""
                                                         << "0.000" << int(QMessageBox::Warning);
        QTest::newRow("export, length missing") << true << ""
                                                << "0.000" << int(QMessageBox::Warning);
        QTest::newRow("print, override not a number") << false << "30.00"
                                                      << "1.2.3" << int(QMessageBox::Critical);
        QTest::newRow("export, span shorter than the hinges")
            << true << "1.00"
            << "0.000" << int(QMessageBox::Critical);
    }
    void noReportWithoutAGoodRun() {
        QFETCH(bool, toPdf);
        QFETCH(QString, length);
        QFETCH(QString, override);
        QFETCH(int, icon);
        CalculateWorkedExample(*window_);
        prompts_.ExpectMessage(QMessageBox::No);  // the save prompt
        window_->NewCommand();
        prompts_.Reset();
        Choose(window_->ComboColumn, QStringLiteral("W 14x90"));
        window_->TxtLength->setText(length);  // as a project file may leave it
        window_->TxtAoverride->setText(override);
        const bool modified = window_->Modified();
        const QStringList files = QDir(dir_.path()).entryList(QDir::Files);
        prompts_.ExpectMessage();
        if (toPdf) {
            window_->ExportPdfCommand();
        } else {
            window_->PrintCommand();
        }
        QCOMPARE(prompts_.calls.size(), qsizetype{1});
        QCOMPARE(int(prompts_.calls[0].icon), icon);
        QCOMPARE(QDir(dir_.path()).entryList(QDir::Files), files);
        QCOMPARE(window_->Modified(), modified);
    }

    void exportPdfWritesTheReport() {
        CalculateWorkedExample(*window_);
        prompts_.ExpectSaveFile(dir_.filePath(QStringLiteral("frame")));
        window_->ExportPdfCommand();
        QCOMPARE(PdfPages(dir_.filePath(QStringLiteral("frame.pdf"))), 4);
    }

    void exportPdfCancelWritesNothing() {
        const QStringList before = QDir(dir_.path()).entryList(QDir::Files);
        prompts_.ExpectSaveFile(QString());
        window_->ExportPdfCommand();
        QCOMPARE(QDir(dir_.path()).entryList(QDir::Files), before);
        QCOMPARE(prompts_.calls.size(), 1);
    }

    void exportPdfIntoAMissingFolderFails() {
        prompts_.ExpectSaveFile(dir_.filePath(QStringLiteral("missing/frame.pdf")));
        prompts_.ExpectMessage();
        window_->ExportPdfCommand();
        QCOMPARE(Messages(prompts_).size(), 1);
        QVERIFY(!QFile::exists(dir_.filePath(QStringLiteral("missing/frame.pdf"))));
    }

    void findDesignsPutsTheChosenPairIntoTheLists() {
        window_->TxtLength->setText(QStringLiteral("30.00"));
        prompts_.ExpectDialog();
        window_->FindDesignsCommand();
        auto* dialog = qobject_cast<FindDesignsDialog*>(prompts_.lastDialog.data());
        QVERIFY(dialog);
        QVERIFY(dialog->Table()->rowCount() > 0);
        dialog->Table()->selectRow(2);
        const QString beam = dialog->Table()->item(2, 0)->text();
        const QString column = dialog->Table()->item(2, 1)->text();
        QTest::mouseClick(dialog->UseButton(), Qt::LeftButton);
        QCOMPARE(window_->ComboBeam->currentText(), beam);
        QCOMPARE(window_->ComboColumn->currentText(), column);
        QVERIFY(window_->Modified());  // calculated
        for (const VerdictResult& verdict : ReadVerdicts(window_->State().results)) {
            // The search does not require plates to pass unless asked to.
            if (std::string(verdict.cell->name) == "Doubler plates" ||
                std::string(verdict.cell->name) == "Continuity plates")
                continue;
            QVERIFY2(verdict.state == VerdictState::Pass, verdict.cell->name);
        }
    }

    void findDesignsWithoutPlatesListsOnlyPairsWithoutThem() {
        window_->TxtLength->setText(QStringLiteral("25.00"));
        prompts_.ExpectDialog();
        window_->FindDesignsCommand();
        auto* dialog = qobject_cast<FindDesignsDialog*>(prompts_.lastDialog.data());
        QVERIFY(dialog);
        const int all = dialog->Table()->rowCount();
        dialog->NoDoublers()->setChecked(true);
        dialog->NoContinuity()->setChecked(true);
        const int without = dialog->Table()->rowCount();
        QVERIFY(without < all);
        for (int row = 0; row < without; ++row) {
            QCOMPARE(dialog->Table()->item(row, 6)->text(), QStringLiteral("no"));
            QCOMPARE(dialog->Table()->item(row, 7)->text(), QStringLiteral("no"));
        }
        const QString beamBefore = window_->ComboBeam->currentText();
        dialog->reject();
        QCOMPARE(window_->ComboBeam->currentText(), beamBefore);
        QVERIFY(!window_->Modified());
    }

    // Both codes: the FEMA 350 designs whose current-code verdict holds.
    void findDesignsByBothCodes() {
        window_->TxtLength->setText(QStringLiteral("30.00"));
        prompts_.ExpectDialog();
        window_->FindDesignsCommand();
        auto* dialog = qobject_cast<FindDesignsDialog*>(prompts_.lastDialog.data());
        QVERIFY(dialog);
        QSet<QString> femaPassing;
        for (int row = 0; row < dialog->Table()->rowCount(); ++row) {
            if (dialog->Table()->item(row, 8)->text() == QStringLiteral("pass"))
                femaPassing.insert(dialog->Table()->item(row, 0)->text() + QLatin1Char('/') +
                                   dialog->Table()->item(row, 1)->text());
        }
        dialog->Code()->setCurrentIndex(2);
        QSet<QString> both;
        for (int row = 0; row < dialog->Table()->rowCount(); ++row)
            both.insert(dialog->Table()->item(row, 0)->text() + QLatin1Char('/') +
                        dialog->Table()->item(row, 1)->text());
        QVERIFY(!both.isEmpty());
        QCOMPARE(both, femaPassing);
        dialog->reject();
    }
};

}  // namespace vantrel::test

QTEST_MAIN(vantrel::test::ReportCommandsTest)
#include "test_report_commands.moc"
