// The numeric fields of the window and of the loads dialog with real keys
// and clicks, the coefficient lists' overrides, the loads dialog's OK and Cancel.
#include <QPushButton>
#include <QTemporaryDir>

#include "files/project_file.h"
#include "model/number_text.h"
#include "model/shape_table.h"
#include "ui/gravity_loads_dialog.h"
#include "ui_test_support.h"

namespace vantrel::test {

enum class Leave { Tab, Backtab, ClickField, ClickThroughWindow, ClickButton, AltC, AltB };

class InputFieldsTest : public QObject, WindowFixture {
    Q_OBJECT

    static void ClickThroughWindow(QWidget* window, QWidget* target) {
        QTest::mouseClick(window->windowHandle(), Qt::LeftButton, Qt::NoModifier,
                          target->mapTo(window, target->rect().center()));
    }
    void LeaveLengthBy(Leave how) {
        QLineEdit* field = Find("lengthField");
        auto* calculate = Find<QPushButton>("calculateButton");
        if (how == Leave::Tab) QTest::keyClick(field, Qt::Key_Tab);
        if (how == Leave::Backtab) QTest::keyClick(field, Qt::Key_Backtab, Qt::ShiftModifier);
        if (how == Leave::ClickField) QTest::mouseClick(Find("descriptionField"), Qt::LeftButton);
        if (how == Leave::ClickThroughWindow) ClickThroughWindow(window_.get(), calculate);
        if (how == Leave::ClickButton) QTest::mouseClick(calculate, Qt::LeftButton);
        if (how == Leave::AltC) QTest::keyClick(field, Qt::Key_C, Qt::AltModifier);
        if (how == Leave::AltB) QTest::keyClick(field, Qt::Key_B, Qt::AltModifier);
    }
    GravityLoadsDialog* OpenLoads() {
        prompts_.ExpectDialog();
        Find<QPushButton>("gravityLoadsButton")->click();
        auto* loads = qobject_cast<GravityLoadsDialog*>(prompts_.lastDialog.data());
        if (loads == nullptr || !ShowActive(*loads)) qFatal("no active loads dialog");
        return loads;
    }
  private slots:
    void init() { Start(); }
    void cleanup() { Stop(); }

    // Every way the focus may leave a field: a refused text keeps it there,
    // selected, with one message and nothing else; an accepted one is
    // formatted and the way goes on (Alt+C calculates).
    void leavingAField_data() {
        QTest::addColumn<Leave>("how");
        QTest::addColumn<bool>("refused");
        const char* const ways[] = {"Tab",
                                    "Shift+Tab",
                                    "click on another field",
                                    "click on a button, through the window",
                                    "click on a button",
                                    "access key of Calculate",
                                    "access key of Beam Gravity Loads"};
        for (const bool refused : {true, false})
            for (int how = 0; how < int(std::size(ways)); ++how)
                QTest::addRow("%s, %s", refused ? "refused" : "accepted", ways[how])
                    << Leave(how) << refused;
    }
    void leavingAField() {
        QFETCH(Leave, how);
        QFETCH(bool, refused);
        QLineEdit* length = Find("lengthField");
        Retype(length, refused ? "1.2.3" : "20");
        if (refused) prompts_.ExpectMessage();
        if (!refused && how == Leave::AltB) prompts_.ExpectDialog();
        LeaveLengthBy(how);
        QTRY_COMPARE(prompts_.Messages().size(), qsizetype{refused ? 1 : 0});
        QTRY_COMPARE(length->hasFocus(), refused);
        QCOMPARE(length->text(), refused ? "1.2.3" : "20.00");
        if (refused) QCOMPARE(length->selectedText(), QStringLiteral("1.2.3"));
        if (refused) QVERIFY(prompts_.Messages().first().text.contains("(1.2.3)"));
        const bool calculates =
            !refused &&
            (how == Leave::ClickButton || how == Leave::ClickThroughWindow || how == Leave::AltC);
        QTRY_COMPARE(Calculated(*window_), calculates);
        if (calculates) QCOMPARE(window_->State().labels.length, std::string("20.00 ft."));
        if (!refused && how == Leave::AltB) QTRY_VERIFY(prompts_.lastDialog != nullptr);
        QCoreApplication::processEvents();  // and nothing else happens
        QCOMPARE(prompts_.calls.size(), qsizetype{refused || how == Leave::AltB ? 1 : 0});
    }

    // Each field of the window and of the loads dialog filters its keys and
    // has its own rule, read with the length (15 ft) or the beam it depends on.
    void limits_data() {
        QTest::addColumn<QString>("field");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("shown");  // empty: refused
        QTest::addColumn<QString>("beam");
        const char* const rows[][4] = {{"length 50", "lengthField", "50", "50.00"},
                                       {"length 50.01", "lengthField", "50.01", ""},
                                       {"height 35", "heightField", "35", "35.000"},
                                       {"height 35.01", "heightField", "35.01", ""},
                                       {"a 27", "aOverrideField", "27", "27.000"},
                                       {"a 27.01", "aOverrideField", "27.01", ""},
                                       {"b 36", "bOverrideField", "36", "36.000"},
                                       {"b 36.01", "bOverrideField", "36.01", ""},
                                       {"Puc 10000", "axialLoadField", "10000", "10000.000"},
                                       {"Puc 10000.0005", "axialLoadField", "10000.0005", ""},
                                       {"Puc emptied", "axialLoadField", "", "0.000"},
                                       {"dead load 100", "distributedDead1", "100", "100.000"},
                                       {"live load 150", "distributedLive2", "150", ""},
                                       {"point live load 100.01", "pointLive3", "100.01", ""},
                                       {"point dead load emptied", "pointDead1", "", "0.000"},
                                       {"location 15", "pointLocation1", "15", "15.00"},
                                       {"location 15.01", "pointLocation2", "15.01", ""},
                                       {"dead load -1.5", "distributedDead3", "-1.5", ""},
                                       {"location -0", "pointLocation3", "-0", "0.00"},
                                       {"a -2", "aOverrideField", "-2", ""}};
        for (const auto& r : rows) QTest::newRow(r[0]) << r[1] << r[2] << r[3] << "W 4x13";
        for (const char* beam : {"W 21x44", "W 14x90"}) {
            const double half = ShapeFromDesignation(beam).bf * 0.5;
            const QString limit = QString::fromStdString(Format(half, "0.000"));
            const QString over = QString::fromStdString(Format(half + 0.001, "0.000"));
            QTest::addRow("c at half the flange of %s", beam)
                << "cOverrideField" << limit << limit << beam;
            QTest::addRow("c beyond it, %s", beam) << "cOverrideField" << over << "" << beam;
        }
    }
    void limits() {
        QFETCH(QString, field);
        QFETCH(QString, typed);
        QFETCH(QString, shown);
        QFETCH(QString, beam);
        Choose(List("beamList"), beam);
        const bool load = field.startsWith("distributed") || field.startsWith("point");
        QLineEdit* edit = load ? Child(*OpenLoads(), field) : Find(field);
        Retype(edit, typed + QStringLiteral("x +,e"));     // the filter drops all but the typed
        if (!load) QTest::keyClick(edit, Qt::Key_Return);  // discarded: no check, no command
        QCOMPARE(edit->text(), typed);
        const bool refused = shown.isEmpty();
        if (refused) prompts_.ExpectMessage();
        QTest::keyClick(edit, Qt::Key_Tab);
        QCOMPARE(prompts_.Messages().size(), qsizetype{refused ? 1 : 0});
        QCOMPARE(edit->hasFocus(), refused);
        QCOMPARE(edit->text(), refused ? typed : shown);
        if (refused) QCOMPARE(edit->selectedText(), typed);
        QVERIFY(!Calculated(*window_));
    }

    // Passing through a coefficient list keeps its override; choosing another
    // entry gives the dimension back to the list.
    void overrideKeptUntilAnotherCoefficientIsChosen_data() {
        QTest::addColumn<QString>("letter");
        for (const char* letter : {"a", "b", "c"}) QTest::newRow(letter) << letter;
    }
    void overrideKeptUntilAnotherCoefficientIsChosen() {
        QFETCH(QString, letter);
        QLineEdit* override = Find(letter + "OverrideField");
        QComboBox* list = List(letter + "CoefficientList");
        Retype(override, QStringLiteral("1.5"));
        QTest::keyClick(override, Qt::Key_Backtab, Qt::ShiftModifier);
        QVERIFY(list->hasFocus());
        QTest::keyClick(list, Qt::Key_Tab);
        ClickThroughWindow(window_.get(), list);
        if (QWidget* popup = QApplication::activePopupWidget()) popup->close();
        QCOMPARE(override->text(), QStringLiteral("1.500"));
        QTest::keyClick(list, Qt::Key_Down);
        QCOMPARE(override->text(), QStringLiteral("0.000"));
    }

    // OK and Cancel (Enter presses OK) wait for a refused field; then OK
    // stores it, Cancel drops it.
    void loadButtonsWaitForTheField_data() {
        QTest::addColumn<QString>("button");
        QTest::newRow("OK") << "okButton";
        QTest::newRow("Cancel") << "cancelButton";
        QTest::newRow("Enter") << "";
    }
    void loadButtonsWaitForTheField() {
        QFETCH(QString, button);
        GravityLoadsDialog* loads = OpenLoads();
        QLineEdit* edit = Child(*loads, "distributedDead2");
        Retype(edit, QStringLiteral("250"));
        prompts_.ExpectMessage();
        const auto press = [&] {
            if (button.isEmpty()) QTest::keyClick(edit, Qt::Key_Return);
            if (!button.isEmpty()) ClickThroughWindow(loads, Child<QPushButton>(*loads, button));
        };
        press();
        QVERIFY(loads->isVisible() && edit->hasFocus());
        Retype(edit, QStringLiteral("2"));
        press();
        QTRY_VERIFY(prompts_.lastDialog.isNull());
        const bool ok = button != "cancelButton";
        QCOMPARE(window_->CurrentInputs().DistDL[1], ok ? "2.000" : "0.000");
        QCOMPARE(window_->Modified(), ok);
        QCOMPARE(Child(*OpenLoads(), "distributedDead2")->text(), ok ? "2.000" : "0.000");
    }

    // OK hands every field, formatted, to its place of the window's inputs.
    void okStoresEveryLoad() {
        Find("lengthField")->setText(QStringLiteral("30.00"));
        GravityLoadsDialog* loads = OpenLoads();
        int value = 0;
        for (const char* kind :
             {"distributedDead", "distributedLive", "pointDead", "pointLive", "pointLocation"})
            for (int n = 1; n <= kLoadCount; ++n)
                Retype(Child(*loads, kind + QString::number(n)), QString::number(++value) + ".25");
        QTest::mouseClick(Child<QPushButton>(*loads, "okButton"), Qt::LeftButton);
        QTRY_VERIFY(prompts_.lastDialog.isNull());
        value = 0;  // the same order in the inputs
        const DesignInputs inputs = window_->CurrentInputs();
        for (auto texts : kLoadKinds) {
            const char* decimals = texts == &DesignInputs::PointLoadLocation ? "" : "0";
            for (const std::string& text : inputs.*texts)
                QCOMPARE(text, std::to_string(++value) + ".25" + decimals);
        }
    }

    // Opened loads show formatted; the chain reads the open dialog's texts.
    void dialogTextsAreTheLoads() {
        QTemporaryDir dir;
        DesignInputs inputs = NewDesignInputs();
        inputs.PointLL[0] = "12.5";
        const std::string path = dir.filePath(QStringLiteral("loads.vtl")).toStdString();
        QCOMPARE(WriteProjectFile(path, inputs), 0);
        QVERIFY(window_->OpenFile(QString::fromStdString(path)));
        GravityLoadsDialog* loads = OpenLoads();
        QCOMPARE(Child(*loads, "pointLive1")->text(), QStringLiteral("12.500"));
        QCOMPARE(window_->State().record.PointLL[0], 12.5f);
        QVERIFY(Child(*loads, "distributedDead1")->hasFocus());  // and typed over
        QTest::keyClicks(Child(*loads, "distributedDead1"), QStringLiteral("1.5"));
        QCOMPARE(window_->CurrentInputs().DistDL[0], std::string("1.5"));
        loads->hide();  // still exists, hidden: its texts stay, formatted as the focus leaves
        window_->CalculateCommand();
        QCOMPARE(window_->State().record.DistDL[0], 1.5f);
    }
};

}  // namespace vantrel::test

QTEST_MAIN(vantrel::test::InputFieldsTest)
#include "test_input_fields.moc"
