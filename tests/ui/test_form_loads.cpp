// The gravity-loads dialog: its fields' checks with real keys, its life from
// first use to OK or Cancel, and what the calculation and project files see.
#include <QPushButton>
#include <QTemporaryDir>

#include "files/project_file.h"
#include "model/number_text.h"
#include "ui/form_loads.h"
#include "ui_test_support.h"

namespace vantrel::test {

class FormLoadsTest : public QObject, WindowFixture {
    Q_OBJECT

  private:
    FormLoads* OpenLoads() {
        prompts_.ExpectDialog();
        window_->Command2->click();
        auto* loads = qobject_cast<FormLoads*>(prompts_.lastDialog.data());
        if (loads != nullptr && !ShowActive(*loads))
            QTest::qFail("loads dialog not active", __FILE__, __LINE__);
        return loads;
    }
    static QLineEdit* Field(FormLoads* loads, const char* name) {
        return Child<QLineEdit>(*loads, name);
    }

  private slots:
    void init();
    void cleanup();

    void fieldChecks_data();
    void fieldChecks();
    void buttonsWaitForTheField_data();
    void buttonsWaitForTheField();
    void okStoresAllFifteen();
    void cancelDiscardsTypedTexts_data();
    void cancelDiscardsTypedTexts();
    void calculationReadsTheDialog();
    void projectFileLoadsShowFormatted();
    void firstFieldTypedOverOnOpen();
};

void FormLoadsTest::init() {
    Start();
}

void FormLoadsTest::cleanup() {
    Stop();
}

void FormLoadsTest::fieldChecks_data() {
    QTest::addColumn<QString>("field");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("shown");  // the text after leaving; empty: refused, kept as typed
    QTest::newRow("live load 150") << "TxtWll2"
                                   << "150"
                                   << "";
    QTest::newRow("point live load 100.01") << "TxtPointll3"
                                            << "100.01"
                                            << "";
    QTest::newRow("dead load 100") << "TxtWdl1"
                                   << "100"
                                   << "100.000";
    QTest::newRow("point dead load 2.5") << "TxtPointdl1"
                                         << "2.5"
                                         << "2.500";
    QTest::newRow("load emptied") << "TxtWdl3"
                                  << ""
                                  << "0.000";
    QTest::newRow("load not numeric") << "TxtWll1"
                                      << "1..2"
                                      << "";
    QTest::newRow("location 15 at 15.00") << "TxtPointLoadLocation1"
                                          << "15"
                                          << "15.00";
    QTest::newRow("location 15.01 at 15.00") << "TxtPointLoadLocation2"
                                             << "15.01"
                                             << "";
    QTest::newRow("location emptied") << "TxtPointLoadLocation3"
                                      << ""
                                      << "0.00";
}

void FormLoadsTest::fieldChecks() {
    QFETCH(QString, field);
    QFETCH(QString, typed);
    QFETCH(QString, shown);
    FormLoads* loads = OpenLoads();
    QLineEdit* edit = Child<QLineEdit>(*loads, qPrintable(field));
    Retype(edit, typed + QStringLiteral("x -"));  // the filter drops the last three
    QCOMPARE(edit->text(), typed);
    const bool refused = shown.isEmpty();
    if (refused) prompts_.ExpectMessage();
    QTest::keyClick(edit, Qt::Key_Tab);
    QCOMPARE(Messages(prompts_).size(), qsizetype{refused ? 1 : 0});
    QCOMPARE(edit->hasFocus(), refused);
    QCOMPARE(edit->text(), refused ? typed : shown);
    if (refused) QCOMPARE(edit->selectedText(), typed);
}

void FormLoadsTest::buttonsWaitForTheField_data() {
    QTest::addColumn<QString>("button");
    QTest::newRow("OK") << "cmdOK";
    QTest::newRow("Cancel") << "CmdCancel";
}

void FormLoadsTest::buttonsWaitForTheField() {
    QFETCH(QString, button);
    FormLoads* loads = OpenLoads();
    QLineEdit* edit = Field(loads, "TxtWdl2");
    Retype(edit, QStringLiteral("250"));
    auto* target = Child<QPushButton>(*loads, qPrintable(button));
    prompts_.ExpectMessage();
    QTest::mouseClick(loads->windowHandle(), Qt::LeftButton, Qt::NoModifier,
                      target->mapTo(loads, target->rect().center()));
    QCOMPARE(Messages(prompts_).size(), qsizetype{1});
    QVERIFY(loads->isVisible());
    QVERIFY(edit->hasFocus());
    QCOMPARE(window_->State().record.DistDL[1], 0.0f);

    // Corrected, the same click goes through.
    Retype(edit, QStringLiteral("2"));
    QTest::mouseClick(loads->windowHandle(), Qt::LeftButton, Qt::NoModifier,
                      target->mapTo(loads, target->rect().center()));
    QTRY_VERIFY(prompts_.lastDialog.isNull() || !prompts_.lastDialog->isVisible());
    QCOMPARE(window_->State().record.DistDL[1], button == QLatin1String("cmdOK") ? 2.0f : 0.0f);
}

void FormLoadsTest::okStoresAllFifteen() {
    window_->TxtLength->setText(QStringLiteral("30.00"));
    FormLoads* loads = OpenLoads();
    const struct {
        const char* field;
        LoadValues DesignRecord::*stored;
        int index;
    } loadFields[] = {{"TxtWdl1", &DesignRecord::DistDL, 0},
                      {"TxtWdl2", &DesignRecord::DistDL, 1},
                      {"TxtWdl3", &DesignRecord::DistDL, 2},
                      {"TxtWll1", &DesignRecord::DistLL, 0},
                      {"TxtWll2", &DesignRecord::DistLL, 1},
                      {"TxtWll3", &DesignRecord::DistLL, 2},
                      {"TxtPointdl1", &DesignRecord::PointDL, 0},
                      {"TxtPointdl2", &DesignRecord::PointDL, 1},
                      {"TxtPointdl3", &DesignRecord::PointDL, 2},
                      {"TxtPointll1", &DesignRecord::PointLL, 0},
                      {"TxtPointll2", &DesignRecord::PointLL, 1},
                      {"TxtPointll3", &DesignRecord::PointLL, 2},
                      {"TxtPointLoadLocation1", &DesignRecord::PointLoadLocation, 0},
                      {"TxtPointLoadLocation2", &DesignRecord::PointLoadLocation, 1},
                      {"TxtPointLoadLocation3", &DesignRecord::PointLoadLocation, 2}};
    int n = 0;
    for (const auto& f : loadFields)
        Retype(Field(loads, f.field), QString::number(++n) + QStringLiteral(".25"));
    QTest::mouseClick(Child<QPushButton>(*loads, "cmdOK"), Qt::LeftButton);
    QTRY_VERIFY(prompts_.lastDialog.isNull());
    n = 0;
    for (const auto& f : loadFields)
        QCOMPARE((window_->State().record.*f.stored)[f.index], static_cast<float>(++n + 0.25));
    QVERIFY(window_->Modified());

    // The next use starts again from the record, formatted.
    FormLoads* again = OpenLoads();
    QCOMPARE(Field(again, "TxtWll1")->text(), QStringLiteral("4.250"));
    QCOMPARE(Field(again, "TxtPointLoadLocation3")->text(), QStringLiteral("15.25"));
}

void FormLoadsTest::cancelDiscardsTypedTexts_data() {
    QTest::addColumn<bool>("escape");
    QTest::newRow("Cancel") << false;
    QTest::newRow("Esc") << true;
}

void FormLoadsTest::cancelDiscardsTypedTexts() {
    QFETCH(bool, escape);
    FormLoads* loads = OpenLoads();
    QLineEdit* edit = Field(loads, "TxtWll3");
    Retype(edit, QStringLiteral("7"));
    if (escape) {
        QTest::keyClick(edit, Qt::Key_Escape);
    } else {
        QTest::keyClick(edit, Qt::Key_Tab);
        QTest::mouseClick(Child<QPushButton>(*loads, "CmdCancel"), Qt::LeftButton);
    }
    QTRY_VERIFY(prompts_.lastDialog.isNull() || !prompts_.lastDialog->isVisible());
    QCOMPARE(window_->State().record.DistLL[2], 0.0f);
    QVERIFY(!window_->Modified());
    FormLoads* again = OpenLoads();
    QCOMPARE(Field(again, "TxtWll3")->text(), QStringLiteral("0.000"));
}

void FormLoadsTest::calculationReadsTheDialog() {
    // Texts typed into the open dialog, not yet confirmed, are what the chain reads.
    FormLoads* loads = OpenLoads();
    Retype(Field(loads, "TxtWdl1"), QStringLiteral("1.5"));
    QCOMPARE(window_->CurrentInputs().DistDL[0], std::string("1.5"));
    loads->hide();  // still exists, hidden: its texts stay
    window_->CalculateCommand();
    QCOMPARE(window_->State().record.DistDL[0], 1.5f);
    loads->show();
    QCOMPARE(Field(loads, "TxtWdl1")->text(), QStringLiteral("1.5"));
}

void FormLoadsTest::projectFileLoadsShowFormatted() {
    QTemporaryDir dir;
    DesignInputs inputs = NewDesignInputs();
    inputs.DistDL[1] = "2";
    inputs.PointLL[0] = "12.5";
    inputs.PointLoadLocation[0] = "7";
    const QString path = dir.filePath(QStringLiteral("loads.vtl"));
    QCOMPARE(WriteProjectFile(path.toStdString(), inputs), 0);
    QVERIFY(window_->OpenFile(path));

    FormLoads* loads = OpenLoads();
    QCOMPARE(Field(loads, "TxtWdl2")->text(), QStringLiteral("2.000"));
    QCOMPARE(Field(loads, "TxtPointll1")->text(), QStringLiteral("12.500"));
    QCOMPARE(Field(loads, "TxtPointLoadLocation1")->text(), QStringLiteral("7.00"));
    QCOMPARE(window_->State().record.PointLL[0], 12.5f);

    // Saving writes the dialog's texts back.
    Retype(Field(loads, "TxtWdl2"), QStringLiteral("3"));
    QTest::keyClick(Field(loads, "TxtWdl2"), Qt::Key_Tab);
    window_->SaveCommand();
    const ProjectReadResult saved = ReadProjectFile(path.toStdString());
    QVERIFY(saved.ok());
    QCOMPARE(saved.inputs.DistDL[1], std::string("3.000"));
}

void FormLoadsTest::firstFieldTypedOverOnOpen() {
    FormLoads* loads = OpenLoads();
    QLineEdit* first = Field(loads, "TxtWdl1");
    QVERIFY(first->hasFocus());
    QTest::keyClicks(first, QStringLiteral("7"));
    QTest::keyClick(first, Qt::Key_Tab);
    QCOMPARE(first->text(), QStringLiteral("7.000"));
    // Tab goes row by row among the point loads: dead, live, then location.
    Field(loads, "TxtPointdl1")->setFocus();
    QTest::keyClick(Field(loads, "TxtPointdl1"), Qt::Key_Tab);
    QVERIFY(Field(loads, "TxtPointll1")->hasFocus());
    QTest::keyClick(Field(loads, "TxtPointll1"), Qt::Key_Tab);
    QVERIFY(Field(loads, "TxtPointLoadLocation1")->hasFocus());
}

}  // namespace vantrel::test

QTEST_MAIN(vantrel::test::FormLoadsTest)
#include "test_form_loads.moc"
