// The main window's numeric fields with real keys and mouse clicks: the key
// filter, the check before the focus may leave, the refusal that keeps the
// focus, the formatting afterwards, and the coefficient lists whose choice
// discards their override.
#include <QPushButton>
#include <QRadioButton>
#include <QWheelEvent>
#include <memory>

#include "model/number_text.h"
#include "model/shape_table.h"
#include "scripted_prompts.h"
#include "ui_test_support.h"

namespace vantrel::test {

enum class Leave {
    Tab,
    Backtab,
    ClickField,
    ClickButtonThroughWindow,
    ClickButton,
    AccessKeyCalc,
    AccessKeyLoads
};

class InputFieldsTest : public QObject {
    Q_OBJECT

  private:
    ScriptedPrompts prompts_;
    std::unique_ptr<Form1> window_;

    QLineEdit* Field(const QString& name) { return window_->findChild<QLineEdit*>(name); }
    void LeaveBy(QLineEdit* field, Leave how);
    bool Calculated() const { return !window_->State().grids.summary.Text(1, 1).empty(); }

  private slots:
    void init();
    void cleanup();

    void keyFilter_data();
    void keyFilter();
    void refusalKeepsFocus_data();
    void refusalKeepsFocus();
    void acceptedTextLeaves_data();
    void acceptedTextLeaves();
    void limits_data();
    void limits();
    void overrideKeptUntilAnotherCoefficientIsChosen_data();
    void overrideKeptUntilAnotherCoefficientIsChosen();
    void descriptionSelectedOnEntry();
    void fieldSelectsItsTextOnEntry_data();
    void fieldSelectsItsTextOnEntry();
};

void InputFieldsTest::init() {
    prompts_.Reset();
    window_ = std::make_unique<Form1>(&prompts_);
    QVERIFY(ShowActive(*window_));
}

void InputFieldsTest::cleanup() {
    prompts_.AllUsed();
    prompts_.Reset();
    window_.reset();
}

void InputFieldsTest::LeaveBy(QLineEdit* field, Leave how) {
    QWidget* button = window_->CmdCalc;
    switch (how) {
        case Leave::Tab:
            QTest::keyClick(field, Qt::Key_Tab);
            break;
        case Leave::Backtab:
            QTest::keyClick(field, Qt::Key_Backtab, Qt::ShiftModifier);
            break;
        case Leave::ClickField:
            QTest::mouseClick(
                field == window_->TxtDescription ? window_->TxtLength : window_->TxtDescription,
                Qt::LeftButton);
            break;
        case Leave::ClickButtonThroughWindow:
            QTest::mouseClick(window_->windowHandle(), Qt::LeftButton, Qt::NoModifier,
                              button->mapTo(window_.get(), button->rect().center()));
            break;
        case Leave::ClickButton:
            QTest::mouseClick(button, Qt::LeftButton);
            break;
        case Leave::AccessKeyCalc:
            QTest::keyClick(field, Qt::Key_C, Qt::AltModifier);
            break;
        case Leave::AccessKeyLoads:
            QTest::keyClick(field, Qt::Key_B, Qt::AltModifier);
            break;
    }
}

void InputFieldsTest::keyFilter_data() {
    QTest::addColumn<QString>("field");
    for (const char* name : {"TxtLength", "TxtHeight", "TxtAoverride", "TxtBoverride",
                             "TxtCoverride", "TxtColumnAxialLoad"})
        QTest::newRow(name) << QString::fromLatin1(name);
}

void InputFieldsTest::keyFilter() {
    QFETCH(QString, field);
    QLineEdit* edit = Field(field);
    Retype(edit, QStringLiteral("1a-2 ,.3e"));
    QCOMPARE(edit->text(), QStringLiteral("12.3"));
    QTest::keyClick(edit, Qt::Key_Return);  // discarded: no check, no command
    QTest::keyClick(edit, Qt::Key_Backspace);
    QTest::keyClicks(edit, QStringLiteral(".."));
    QCOMPARE(edit->text(), QStringLiteral("12..."));
    QVERIFY(edit->hasFocus());
    QVERIFY(prompts_.calls.isEmpty());
    QVERIFY(!Calculated());
}

void InputFieldsTest::refusalKeepsFocus_data() {
    QTest::addColumn<Leave>("how");
    QTest::newRow("Tab") << Leave::Tab;
    QTest::newRow("Shift+Tab") << Leave::Backtab;
    QTest::newRow("click on another field") << Leave::ClickField;
    QTest::newRow("click on a button, through the window") << Leave::ClickButtonThroughWindow;
    QTest::newRow("click on a button") << Leave::ClickButton;
    QTest::newRow("access key of Calculate") << Leave::AccessKeyCalc;
    QTest::newRow("access key of Beam Gravity Loads") << Leave::AccessKeyLoads;
}

void InputFieldsTest::refusalKeepsFocus() {
    QFETCH(Leave, how);
    Retype(window_->TxtLength, QStringLiteral("1.2.3"));
    prompts_.ExpectMessage();
    LeaveBy(window_->TxtLength, how);

    QTRY_COMPARE(prompts_.calls.size(), qsizetype{1});
    const PromptCall message = prompts_.calls.first();
    QCOMPARE(message.text, QStringLiteral("Not a valid numeric format (1.2.3)"));
    QCOMPARE(message.title, window_->windowTitle());
    QCOMPARE(message.icon, QMessageBox::Warning);
    QCOMPARE(message.buttons, QMessageBox::StandardButtons(QMessageBox::Ok));
    QVERIFY(window_->TxtLength->hasFocus());
    QCOMPARE(window_->TxtLength->selectedText(), QStringLiteral("1.2.3"));
    QCOMPARE(window_->TxtLength->text(), QStringLiteral("1.2.3"));
    // Nothing else happened: no calculation, no dialog, no second message.
    QCoreApplication::processEvents();
    QVERIFY(!Calculated());
    QCOMPARE(prompts_.calls.size(), qsizetype{1});
}

void InputFieldsTest::acceptedTextLeaves_data() {
    // Not Alt+C: the "&Calculation Summary" page shares it, and Qt only moves
    // the focus for a shared access key.
    QTest::addColumn<Leave>("how");
    QTest::newRow("Tab") << Leave::Tab;
    QTest::newRow("Shift+Tab") << Leave::Backtab;
    QTest::newRow("click on another field") << Leave::ClickField;
    QTest::newRow("click on a button, through the window") << Leave::ClickButtonThroughWindow;
    QTest::newRow("click on a button") << Leave::ClickButton;
    QTest::newRow("access key of Beam Gravity Loads") << Leave::AccessKeyLoads;
}

void InputFieldsTest::acceptedTextLeaves() {
    QFETCH(Leave, how);
    Retype(window_->TxtLength, QStringLiteral("20"));
    if (how == Leave::AccessKeyLoads) prompts_.ExpectDialog();
    LeaveBy(window_->TxtLength, how);

    QTRY_VERIFY(!window_->TxtLength->hasFocus());
    QCOMPARE(window_->TxtLength->text(), QStringLiteral("20.00"));
    const bool calculates = how == Leave::ClickButton || how == Leave::ClickButtonThroughWindow ||
                            how == Leave::AccessKeyCalc;
    QTRY_COMPARE(Calculated(), calculates);
    if (calculates) QCOMPARE(window_->State().labels.LabelLength, std::string("20.00 ft."));
    if (how == Leave::AccessKeyLoads) {
        QTRY_VERIFY(prompts_.lastDialog != nullptr);
        prompts_.lastDialog->reject();
    }
    QCOMPARE(Messages(prompts_).size(), qsizetype{0});
}

void InputFieldsTest::limits_data() {
    QTest::addColumn<QString>("field");
    QTest::addColumn<QString>("beam");
    QTest::addColumn<QString>("length");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("refusal");  // empty: the text passes
    QTest::addColumn<QString>("shown");    // the text after leaving (or refusing)

    const QString beamLength = QStringLiteral("\"Beam Length\" cannot be greater than 50 ft.");
    const QString height = QStringLiteral("Frame height cannot be greater than 35 ft.");
    const QString a =
        QStringLiteral("The a dimension cannot be greater than 15% of the beam's length.");
    const QString b =
        QStringLiteral("The b dimension cannot be greater than 20% of the beam's length.");
    const QString c =
        QStringLiteral("The c dimension cannot be greater than 1/2 of the beam's flange.");
    const QString any = QString::fromStdString(std::string(ShapeName(0)));
    const QString l15 = QStringLiteral("15.00");

    QTest::newRow("length 50") << "TxtLength" << any << l15 << "50"
                               << ""
                               << "50.00";
    QTest::newRow("length 50.01") << "TxtLength" << any << l15 << "50.01" << beamLength << "50.01";
    QTest::newRow("length empty") << "TxtLength" << any << l15 << ""
                                  << ""
                                  << "0.00";
    QTest::newRow("height 35") << "TxtHeight" << any << l15 << "35"
                               << ""
                               << "35.000";
    QTest::newRow("height 35.01") << "TxtHeight" << any << l15 << "35.01" << height << "35.01";
    QTest::newRow("height 8.00") << "TxtHeight" << any << l15 << "8.00"
                                 << ""
                                 << "8.000";
    QTest::newRow("height empty") << "TxtHeight" << any << l15 << ""
                                  << ""
                                  << "0.000";
    QTest::newRow("a 27 at 15") << "TxtAoverride" << any << l15 << "27"
                                << ""
                                << "27.000";
    QTest::newRow("a 27.01 at 15") << "TxtAoverride" << any << l15 << "27.01" << a << "27.01";
    QTest::newRow("a 0.5 at 0") << "TxtAoverride" << any << "0.00"
                                << "0.5" << a << "0.5";
    QTest::newRow("a 0") << "TxtAoverride" << any << l15 << "0"
                         << ""
                         << "0.000";
    QTest::newRow("a 1.0005") << "TxtAoverride" << any << l15 << "1.0005"
                              << ""
                              << "1.001";
    QTest::newRow("b 36 at 15") << "TxtBoverride" << any << l15 << "36"
                                << ""
                                << "36.000";
    QTest::newRow("b 36.01 at 15") << "TxtBoverride" << any << l15 << "36.01" << b << "36.01";
    QTest::newRow("b empty") << "TxtBoverride" << any << l15 << ""
                             << ""
                             << "0.000";
    QTest::newRow("override not numeric") << "TxtBoverride" << any << l15 << "3..5"
                                          << "Not a valid numeric format (3..5)"
                                          << "3..5";
    const QString puc = QStringLiteral("The column axial load cannot be greater than 10000 kip.");
    QTest::newRow("Puc 10000") << "TxtColumnAxialLoad" << any << l15 << "10000"
                               << ""
                               << "10000.000";
    QTest::newRow("Puc 10000.0005")
        << "TxtColumnAxialLoad" << any << l15 << "10000.0005" << puc << "10000.0005";
    QTest::newRow("Puc empty") << "TxtColumnAxialLoad" << any << l15 << ""
                               << ""
                               << "0.000";
    QTest::newRow("Puc not numeric") << "TxtColumnAxialLoad" << any << l15 << "2..5"
                                     << "Not a valid numeric format (2..5)"
                                     << "2..5";
    for (const char* name : {"W 21x44", "W 14x90"}) {
        const QString beam = QLatin1String(name);
        const double half = ShapeFromDesignation(name).bf * 0.5;
        const QString limit = QString::fromStdString(Format(half, "0.000"));
        const QString over = QString::fromStdString(Format(half + 0.001, "0.000"));
        QTest::addRow("c at half the flange of %s", name)
            << "TxtCoverride" << beam << l15 << limit << "" << limit;
        QTest::addRow("c beyond half the flange of %s", name)
            << "TxtCoverride" << beam << l15 << over << c << over;
    }
}

void InputFieldsTest::limits() {
    QFETCH(QString, field);
    QFETCH(QString, beam);
    QFETCH(QString, length);
    QFETCH(QString, typed);
    QFETCH(QString, refusal);
    QFETCH(QString, shown);
    Choose(window_->ComboBeam, beam);
    window_->TxtLength->setText(length);
    QLineEdit* edit = Field(field);
    Retype(edit, typed);
    if (!refusal.isEmpty()) prompts_.ExpectMessage();
    QTest::keyClick(edit, Qt::Key_Tab);

    QCOMPARE(edit->text(), shown);
    if (refusal.isEmpty()) {
        QVERIFY(!edit->hasFocus());
        QVERIFY(prompts_.calls.isEmpty());
    } else {
        QCOMPARE(prompts_.calls.size(), qsizetype{1});
        QCOMPARE(prompts_.calls.first().text, refusal);
        QVERIFY(edit->hasFocus());
        QCOMPARE(edit->selectedText(), shown);
    }
}

void InputFieldsTest::overrideKeptUntilAnotherCoefficientIsChosen_data() {
    QTest::addColumn<QString>("list");
    QTest::addColumn<QString>("before");  // the control before the list in the tab order
    QTest::addColumn<QString>("override");
    QTest::addColumn<bool>("byWheel");
    QTest::newRow("a by key") << "ComboA"
                              << "ComboBeam"
                              << "TxtAoverride" << false;
    QTest::newRow("b by wheel") << "ComboB"
                                << "TxtAoverride"
                                << "TxtBoverride" << true;
    QTest::newRow("c by key") << "ComboC"
                              << "TxtBoverride"
                              << "TxtCoverride" << false;
    QTest::newRow("c by wheel") << "ComboC"
                                << "TxtBoverride"
                                << "TxtCoverride" << true;
}

void InputFieldsTest::overrideKeptUntilAnotherCoefficientIsChosen() {
    QFETCH(QString, list);
    QFETCH(QString, before);
    QFETCH(QString, override);
    QFETCH(bool, byWheel);
    QLineEdit* edit = Field(override);
    auto* combo = window_->findChild<QComboBox*>(list);
    Retype(edit, QStringLiteral("1.5"));

    // Tab through the list, and click into it, without choosing.
    QWidget* previous = window_->findChild<QWidget*>(before);
    previous->setFocus(Qt::OtherFocusReason);
    QTest::keyClick(previous, Qt::Key_Tab);
    QVERIFY(combo->hasFocus());
    QTest::keyClick(combo, Qt::Key_Tab);
    QVERIFY(!combo->hasFocus());
    QTest::mouseClick(window_->windowHandle(), Qt::LeftButton, Qt::NoModifier,
                      combo->mapTo(window_.get(), combo->rect().center()));
    if (QWidget* popup = QApplication::activePopupWidget()) popup->close();
    QCOMPARE(edit->text(), QStringLiteral("1.500"));

    // Choosing another entry gives the dimension back to the list.
    combo->setFocus(Qt::OtherFocusReason);
    const int entry = combo->currentIndex();
    if (byWheel) {
        const QPointF local = combo->rect().center();
        QWheelEvent wheel(local, combo->mapToGlobal(local), QPoint(), QPoint(0, -120), Qt::NoButton,
                          Qt::NoModifier, Qt::NoScrollPhase, false);
        QApplication::sendEvent(combo, &wheel);
    } else {
        QTest::keyClick(combo, Qt::Key_Down);
    }
    QCOMPARE(combo->currentIndex(), entry + 1);
    QCOMPARE(edit->text(), QStringLiteral("0.000"));
}

void InputFieldsTest::descriptionSelectedOnEntry() {
    window_->TxtDescription->setText(QStringLiteral("Bay 3"));
    window_->ComboGrade->setFocus();
    QTest::keyClick(window_->ComboGrade, Qt::Key_Tab);
    QVERIFY(window_->TxtDescription->hasFocus());
    QCOMPARE(window_->TxtDescription->selectedText(), QStringLiteral("Bay 3"));
    QTest::keyClicks(window_->TxtDescription, QStringLiteral("x-1 ,a"));  // no key filter here
    QCOMPARE(window_->TxtDescription->text(), QStringLiteral("x-1 ,a"));
}

// Typing into a field that was just entered replaces its text, however the
// focus came.
void InputFieldsTest::fieldSelectsItsTextOnEntry_data() {
    QTest::addColumn<QString>("way");
    for (const char* way : {"window shown", "tab", "backtab", "click"}) QTest::newRow(way) << way;
}

void InputFieldsTest::fieldSelectsItsTextOnEntry() {
    QFETCH(QString, way);
    QLineEdit* field = window_->TxtHeight;
    if (way == QLatin1String("window shown")) {
        field = qobject_cast<QLineEdit*>(QApplication::focusWidget());
        QVERIFY(field != nullptr);
    } else if (way == QLatin1String("tab")) {
        window_->TxtLength->setFocus(Qt::OtherFocusReason);
        QTest::keyClick(window_->TxtLength, Qt::Key_Tab);
    } else if (way == QLatin1String("backtab")) {
        window_->OptSMRF->setFocus(Qt::OtherFocusReason);
        QTest::keyClick(window_->OptSMRF, Qt::Key_Backtab, Qt::ShiftModifier);
    } else {
        QTest::mouseClick(field, Qt::LeftButton, Qt::NoModifier, QPoint(4, field->height() / 2));
    }
    QVERIFY(field->hasFocus());
    QTest::keyClicks(field, QStringLiteral("7"));
    QCOMPARE(field->text(), QStringLiteral("7"));
}

}  // namespace vantrel::test

QTEST_MAIN(vantrel::test::InputFieldsTest)
#include "test_input_fields.moc"
