// The main window as a document and a calculator: the save prompt, Open and
// failed Open, New, Calculate and what it shows, edits that count as unsaved.
#include <QCheckBox>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QTableWidget>
#include <QTemporaryDir>
#include <filesystem>

#include <sys/stat.h>
#include <unistd.h>

#include "../support/fresh_grids.h"
#include "files/project_file.h"
#include "ui/aisc358_page.h"
#include "ui/grid_view.h"
#include "ui/stale_colour.h"
#include "ui/window_texts.h"
#include "ui_test_support.h"

namespace vantrel::test {

enum class Command { New, Open, Close, HandedOver };
enum class Answer { Yes, YesThenCancel, YesThenFailure, No, Cancel };
enum class Edit { Length, ShortLength, BeamList, FrameType, Load, Description };
enum class Then { SetBack, ColumnAbove, Calculate };

class CalculatorWindowTest : public QObject, WindowFixture {
    Q_OBJECT
    std::unique_ptr<QTemporaryDir> dir_;  // new for every test function

    QString PathOf(const char* name) const { return dir_->filePath(QLatin1String(name)); }
    // A design that differs from the window's defaults in every input.
    static DesignInputs SampleInputs() {
        DesignInputs in = NewDesignInputs();
        for (const char* input :
             {"Beam=W 21x44", "Column=W 14x90", "Grade=A572   Fy=50 ksi   Fu=60 ksi", "A=0.55",
              "B=0.80", "C=0.22", "ORA=4.500", "ORC=1.100", "Length=30.00", "Height=12.500",
              "FRAMETYPE=OMRF", "Description=Frame 3", "DistDL1=1.250", "DistLL2=0.500",
              "PointDL3=10.000", "PointLoadLocation3=7.50", "ColumnAxialLoad=250.000",
              "ColumnAbove=Yes"}) {
            const std::string_view pair(input);
            *in.Find(pair.substr(0, pair.find('='))) = pair.substr(pair.find('=') + 1);
        }
        return in;
    }
    QString WriteSample(const char* name) const {
        WriteProjectFile(PathOf(name).toStdString(), SampleInputs());  // opening it tells
        return PathOf(name);
    }
    QTableWidget* CurrentCodeTable() const { return Find<Aisc358Page>("aisc358Page")->Table(); }
    QTableWidgetItem* StatusOf(const char* id) const {
        const int row = Find<Aisc358Page>("aisc358Page")->RowOf(QLatin1String(id));
        return row < 0 ? nullptr : CurrentCodeTable()->item(row, Aisc358Page::kStatus);
    }
    QString SummaryCell(int row) const {
        return Find<ResultGridView>("summaryGrid")->model()->index(row, 1).data().toString();
    }

  private slots:
    void init() {
        dir_ = std::make_unique<QTemporaryDir>();
        Start();
    }
    void cleanup() { Stop(); }

    void savePrompt_data() {
        QTest::addColumn<Command>("command");
        QTest::addColumn<Answer>("answer");
        const char* const commands[] = {"New", "Open", "Close", "Handed over"};
        const char* const answers[] = {"Yes", "Yes, dialog cancelled", "Yes, save failed", "No",
                                       "Cancel"};
        for (int c = 0; c < 4; ++c)
            for (int a = 0; a < 5; ++a)
                QTest::addRow("%s %s", commands[c], answers[a]) << Command(c) << Answer(a);
    }
    void savePrompt() {
        QFETCH(Command, command);
        QFETCH(Answer, answer);
        const bool saved = answer == Answer::Yes;
        const bool goesOn = saved || answer == Answer::No;  // the command goes on
        Find("descriptionField")->setText("unsaved");
        window_->CalculateCommand();
        QVERIFY(window_->Modified());
        prompts_.ExpectMessage(answer == Answer::No       ? QMessageBox::No
                               : answer == Answer::Cancel ? QMessageBox::Cancel
                                                          : QMessageBox::Yes);
        if (saved) prompts_.ExpectSaveFile(PathOf("prompted.vtl"));
        if (answer == Answer::YesThenCancel) prompts_.ExpectSaveFile(QString());
        if (answer == Answer::YesThenFailure) {
            prompts_.ExpectSaveFile(PathOf("missing/folder/prompted.vtl"));
            prompts_.ExpectMessage();  // "Unable to save file to ..."
        }
        if (goesOn && command == Command::Open) prompts_.ExpectOpenFile(QString());
        bool closed = false;
        if (command == Command::New) window_->NewCommand();
        if (command == Command::Open) window_->OpenCommand();
        if (command == Command::Close) closed = window_->close();
        if (command == Command::HandedOver)
            window_->OpenHandedFile(WriteSample("handed.vtl").toStdString());

        QCOMPARE(prompts_.Messages().first().buttons,
                 QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
        QCOMPARE(QFile::exists(PathOf("prompted.vtl")), saved);
        QCOMPARE(closed, command == Command::Close && goesOn);
        if (command == Command::New) QCOMPARE(window_->Modified(), !goesOn);
        QCOMPARE(window_->DocumentName() == "handed.vtl", command == Command::HandedOver && goesOn);
        if (!goesOn || command == Command::Open) {  // the design is still there
            QCOMPARE(window_->Modified(), !saved);
            QCOMPARE(Find("descriptionField")->text(), QStringLiteral("unsaved"));
        }
        if (closed) window_.reset(new CalculatorWindow(&prompts_));
    }

    // Open shows every input and what the core calculates of them; New then
    // puts the lists back, keeps the fields' texts and empties every result.
    void openThenNew() {
        const QString path = WriteSample("open me.vtl");
        prompts_.ExpectOpenFile(path);
        window_->OpenCommand();
        QCOMPARE(window_->CurrentInputs(), SampleInputs());
        QVERIFY(window_->windowTitle().endsWith(QStringLiteral("open me.vtl")));
        QVERIFY(!window_->Modified());
        DesignState expected;
        CollectingErrorSink errors;
        CalculateAndPresent(expected, SampleInputs(), errors);
        QVERIFY(errors.errors.empty() && !expected.grids.summary.Text(8, 1).empty());
        QCOMPARE(SummaryCell(8), QString::fromStdString(expected.grids.summary.Text(8, 1)));
        QCOMPARE(Find<QLabel>("cutStartLabel")->text(), SummaryCell(1));
        QVERIFY(CurrentCodeTable()->rowCount() > 0);

        window_->NewCommand();
        DesignInputs inputs = SampleInputs();
        const DesignInputs defaults = NewDesignInputs();
        for (auto list : {&DesignInputs::Beam, &DesignInputs::Column, &DesignInputs::Grade,
                          &DesignInputs::A, &DesignInputs::B, &DesignInputs::C})
            inputs.*list = defaults.*list;
        QCOMPARE(window_->CurrentInputs(), inputs);
        QCOMPARE(FirstDifferenceFromFreshGrids(window_->State().grids), std::string());
        QCOMPARE(SummaryCell(8), QString());
        QCOMPARE(Find<QLabel>("cutStartLabel")->text(), QStringLiteral("0.0 in."));
        QCOMPARE(CurrentCodeTable()->rowCount(), 0);
        QVERIFY(!window_->Modified() && window_->CurrentFileName().isEmpty());
    }

    void failedOpenLosesNothing_data() {
        QTest::addColumn<QByteArray>("content");  // empty: a valid file with an unknown beam
        QTest::newRow("not a project file") << QByteArray("Vantrel? no.");
        QTest::newRow("wrong type tag") << QByteArray("\x12\x20\x01\x00\x00\x00\x00\x00", 8);
        QTest::newRow("shape not in the list") << QByteArray();
    }
    void failedOpenLosesNothing() {
        QFETCH(QByteArray, content);
        QVERIFY(window_->OpenFile(WriteSample("good.vtl")));
        const DesignInputs before = window_->CurrentInputs();
        DesignInputs unknownBeam = NewDesignInputs();
        unknownBeam.Beam = "W 99x1";
        QFile bad(PathOf("bad.vtl"));
        if (content.isEmpty()) WriteProjectFile(PathOf("bad.vtl").toStdString(), unknownBeam);
        if (!content.isEmpty()) QVERIFY(bad.open(QIODevice::WriteOnly) && bad.write(content) > 0);
        bad.close();
        prompts_.ExpectMessage();
        QVERIFY(!window_->OpenFile(PathOf("bad.vtl")));
        QVERIFY(prompts_.Messages().first().text.contains(PathOf("bad.vtl")));
        QCOMPARE(window_->CurrentInputs(), before);
        QCOMPARE(window_->CurrentFileName(), PathOf("good.vtl"));
        QVERIFY(!SummaryCell(8).isEmpty() && !window_->Modified());
    }

    // A text longer than Qt's default field length, in a file whose name is
    // not UTF-8: opening and saving keep every character, under the same name.
    void longTextsAndByteNamesSurviveOpenAndSave() {
        const std::string folder = QFile::encodeName(dir_->path()).toStdString() + "/bytes";
        QCOMPARE(mkdir(folder.c_str(), 0700), 0);
        const std::string path = folder + "/bay-\xFF.vtl";
        DesignInputs inputs = SampleInputs();
        inputs.Description = std::string(50003, 'd');
        inputs.Length = std::string(40000, '0') + "30.00";
        QCOMPARE(WriteProjectFile(path, inputs), 0);
        QVERIFY(window_->OpenNativeFile(path));
        window_->SaveCommand();
        QVERIFY(prompts_.calls.isEmpty());
        QCOMPARE(ReadProjectFile(path).inputs, inputs);
        QCOMPARE(unlink(path.c_str()), 0);  // QDir can neither list nor remove such a name
        QVERIFY(std::filesystem::is_empty(folder));
    }

    // Each failing step shows its box; nothing computed from its placeholders
    // is shown, and no current-code item either.
    void errorsLeaveNoResults() {
        CalculateWorkedExample();
        Find("aOverrideField")->setText("1.2.3");  // texts a project file can hold
        Find("heightField")->setText("8.0.0");
        prompts_.ExpectMessage();  // one for each, and no more
        prompts_.ExpectMessage();
        window_->CalculateCommand();
        QCOMPARE(FirstDifferenceFromFreshGrids(window_->State().grids), std::string());
        QCOMPARE(SummaryCell(8), QString());
        QCOMPARE(CurrentCodeTable()->rowCount(), 0);
    }

    // Tab and Shift+Tab leave a grid; the arrows move within it.
    void tabLeavesEachGrid_data() {
        QTest::addColumn<QString>("grid");
        for (const char* grid : {"summaryGrid", "parametersGrid", "checksGrid"})
            QTest::newRow(grid) << grid;
    }
    void tabLeavesEachGrid() {
        QFETCH(QString, grid);
        auto* view = Find<ResultGridView>(grid);
        Find<QTabWidget>("resultPages")->setCurrentWidget(view);
        for (Qt::Key key : {Qt::Key_Tab, Qt::Key_Backtab}) {
            view->setFocus(Qt::OtherFocusReason);
            view->setCurrentIndex(view->model()->index(1, 0));
            QTest::keyClick(view, Qt::Key_Down);
            QCOMPARE(view->currentIndex().row(), 2);
            QTest::keyClick(view, key, key == Qt::Key_Backtab ? Qt::ShiftModifier : Qt::NoModifier);
            QVERIFY(!view->hasFocus());
        }
    }

    void editsMarkTheDesignModified_data() {
        QTest::addColumn<int>("edit");
        const char* edits[] = {"typed length", "typed description", "list selection",
                               "frame type",   "loads confirmed",   "typed axial load",
                               "column above"};
        for (int i = 0; i < int(std::size(edits)); ++i) QTest::newRow(edits[i]) << i;
    }
    void editsMarkTheDesignModified() {
        QFETCH(int, edit);
        QVERIFY(!window_->Modified());
        if (edit == 0) QTest::keyClick(Find("lengthField"), Qt::Key_Backspace);
        if (edit == 1) QTest::keyClicks(Find("descriptionField"), QStringLiteral("Bay 4"));
        if (edit == 2) QTest::keyClick(List("columnList"), Qt::Key_Down);
        if (edit == 3) QTest::mouseClick(Find<QRadioButton>("omrfOption"), Qt::LeftButton);
        if (edit == 4) {
            prompts_.ExpectDialog();
            Find<QPushButton>("gravityLoadsButton")->click();
            QVERIFY(!window_->Modified());
            Child<QPushButton>(*prompts_.lastDialog, "okButton")->click();
        }
        if (edit == 5) QTest::keyClicks(Find("axialLoadField"), QStringLiteral("5"));
        if (edit == 6) QTest::mouseClick(Find<QCheckBox>("columnAboveBox"), Qt::LeftButton);
        QVERIFY(window_->Modified() && !Calculated(*window_));
        prompts_.ExpectMessage(QMessageBox::Cancel);  // closing now asks first
        QVERIFY(!window_->close());
    }

    // Results of other inputs than the shown ones are marked, grey and with a
    // line above the tabs, until the texts are set back or calculated again
    // (an errored run shows no results to mark). The description does not
    // count; the flange widths follow the lists at once.
    void staleResultsAreMarked_data() {
        QTest::addColumn<Edit>("edit");
        QTest::addColumn<Then>("then");
        QTest::newRow("typed length, set back") << Edit::Length << Then::SetBack;
        QTest::newRow("typed length, column above") << Edit::Length << Then::ColumnAbove;
        QTest::newRow("typed short length, Calculate") << Edit::ShortLength << Then::Calculate;
        QTest::newRow("beam list, set back") << Edit::BeamList << Then::SetBack;
        QTest::newRow("beam list, Calculate") << Edit::BeamList << Then::Calculate;
        QTest::newRow("frame type, set back") << Edit::FrameType << Then::SetBack;
        QTest::newRow("load typed, Cancel") << Edit::Load << Then::SetBack;
        QTest::newRow("description") << Edit::Description << Then::SetBack;
    }
    void staleResultsAreMarked() {
        QFETCH(Edit, edit);
        QFETCH(Then, then);
        CalculateWorkedExample();
        const auto colours = [this] {  // a verdict cell's and a current-code status's
            const QModelIndex verdict = Find<ResultGridView>("checksGrid")->model()->index(3, 3);
            return std::pair(verdict.data(Qt::BackgroundRole).value<QColor>(),
                             StatusOf("flexure_face")->background().color());
        };
        const auto shownColours = colours();
        auto* width = Find<QLabel>("beamWidthLabel");
        const QString widthShown = width->text();
        QLineEdit* length = Find("lengthField");
        if (edit == Edit::Length || edit == Edit::ShortLength)
            Retype(length, edit == Edit::Length ? "20" : "1");
        if (edit == Edit::BeamList) QTest::keyClick(List("beamList"), Qt::Key_Down);
        if (edit == Edit::FrameType)
            QTest::mouseClick(Find<QRadioButton>("omrfOption"), Qt::LeftButton);
        if (edit == Edit::Load) {
            prompts_.ExpectDialog();
            Find<QPushButton>("gravityLoadsButton")->click();
            QTest::keyClicks(Child(*prompts_.lastDialog, "distributedDead1"), QStringLiteral("2"));
        }
        if (edit == Edit::Description) QTest::keyClicks(Find("descriptionField"), "Bay 4");
        const bool marked = edit != Edit::Description;
        QCOMPARE(Find<QLabel>("staleLabel")->isVisible(), marked);
        QCOMPARE(colours() == std::pair(QColor(kStaleGrey), QColor(kStaleGrey)), marked);
        QCOMPARE(width->text() != widthShown, edit == Edit::BeamList);

        if (then == Then::SetBack && edit == Edit::Length) Retype(length, "30.00");
        if (then == Then::SetBack && edit == Edit::BeamList)
            QTest::keyClick(List("beamList"), Qt::Key_Up);
        if (then == Then::SetBack && edit == Edit::FrameType)
            QTest::mouseClick(Find<QRadioButton>("smrfOption"), Qt::LeftButton);
        if (then == Then::SetBack && edit == Edit::Load)
            QTest::keyClick(prompts_.lastDialog, Qt::Key_Escape);
        if (then == Then::ColumnAbove)
            QTest::mouseClick(Find<QCheckBox>("columnAboveBox"), Qt::LeftButton);
        if (edit == Edit::ShortLength) prompts_.ExpectMessage();  // the hinges meet
        if (then == Then::Calculate) {  // Enter on the button that has the focus
            Find<QPushButton>("calculateButton")->setFocus(Qt::TabFocusReason);
            QTest::keyClick(Find<QPushButton>("calculateButton"), Qt::Key_Return);
        }
        QTRY_VERIFY(!Find<QLabel>("staleLabel")->isVisible());
        QCOMPARE(Calculated(*window_), edit != Edit::ShortLength);
        if (then == Then::SetBack)
            QVERIFY(colours() == shownColours && width->text() == widthShown);
        if (then == Then::ColumnAbove) QCOMPARE(SummaryCell(10), QStringLiteral("16.88   ft"));
    }

    // What the next start finds: the window's size and place, the last file's
    // folder for the file dialogs, and the 8 newest files in File > Recent
    // Files; choosing one that is gone takes it off the list, with a word.
    void remembersBetweenSessions() {
        QStringList paths;
        for (int i = 0; i < 9; ++i) {
            paths << WriteSample(qPrintable(QStringLiteral("design %1.vtl").arg(i)));
            prompts_.ExpectOpenFile(paths.last());
            window_->OpenCommand();
            QCOMPARE(prompts_.calls.last().folder, i == 0 ? QString() : dir_->path());
        }
        window_->move(window_->pos() + QPoint(7, 5));
        const QRect geometry = window_->geometry();
        QVERIFY(window_->close());
        window_ = std::make_unique<CalculatorWindow>(&prompts_);
        QVERIFY(ShowActive(*window_));
        QCOMPARE(window_->geometry(), geometry);
        auto* recent = Find<QMenu>("recentFilesMenu");
        const auto entries = [recent] {
            emit recent->aboutToShow();
            QStringList texts;
            for (QAction* action : recent->actions())
                if (!action->isSeparator()) texts << action->text();
            return texts;
        };
        QCOMPARE(entries().size(), 9);  // and Clear List
        QCOMPARE(entries().first(), "&1 " + paths[8]);
        QCOMPARE(entries()[7], "&8 " + paths[1]);
        QVERIFY(QFile::remove(paths[5]));
        prompts_.ExpectMessage();
        recent->actions()[3]->trigger();
        QVERIFY(prompts_.Messages().last().text.contains(paths[5]));
        QVERIFY(!entries().join('|').contains(paths[5]));
        recent->actions()[1]->trigger();
        QCOMPARE(window_->CurrentFileName(), paths[7]);
        QCOMPARE(entries().first(), "&1 " + paths[7]);
    }

    // Ctrl+Tab and Ctrl+Shift+Tab cycle the result pages from a field, which
    // keeps the focus; Alt+F then S or A saves, as Save or Save As, and so
    // do Ctrl+Shift+S and Ctrl+S; Ctrl+Q quits.
    void keyboard() {
        auto* pages = Find<QTabWidget>("resultPages");
        QLineEdit* length = Find("lengthField");
        length->setFocus(Qt::OtherFocusReason);
        for (int i = 1; i <= pages->count(); ++i) {
            QTest::keyClick(length, Qt::Key_Tab, Qt::ControlModifier);
            QCOMPARE(pages->currentIndex(), i % pages->count());
        }
        QTest::keyClick(length, Qt::Key_Backtab, Qt::ControlModifier | Qt::ShiftModifier);
        QCOMPARE(pages->currentIndex(), pages->count() - 1);
        QVERIFY(length->hasFocus());
        for (const auto& [key, prefix] :
             {std::pair{Qt::Key_A, kTitleOneBlank}, std::pair{Qt::Key_S, kTitleNoBlank}}) {
            if (key == Qt::Key_A) prompts_.ExpectSaveFile(PathOf("keys.vtl"));
            QTest::keyClick(window_.get(), Qt::Key_F, Qt::AltModifier);
            QTRY_VERIFY(QApplication::activePopupWidget() != nullptr);
            QTest::keyClick(QApplication::activePopupWidget(), key);
            QTRY_COMPARE(window_->windowTitle(), QLatin1String(prefix) + "keys.vtl");
        }
        prompts_.ExpectSaveFile(PathOf("shortcut.vtl"));
        QTest::keyClick(length, Qt::Key_S, Qt::ControlModifier | Qt::ShiftModifier);
        QCOMPARE(window_->CurrentFileName(), PathOf("shortcut.vtl"));
        QTest::keyClick(length, Qt::Key_Q, Qt::ControlModifier);
        QTRY_VERIFY(!window_->isVisible());
    }

    // Statuses in their colours; the column above changes the items at once.
    void currentCodePage() {
        Find("axialLoadField")->setText("100.000");
        CalculateWorkedExample();
        QCOMPARE(StatusOf("flexure_face")->background().color(), QColor(0, 255, 0));
        QCOMPARE(StatusOf("column_flange_slenderness")->background().color(), QColor(Qt::red));
        QCOMPARE(StatusOf("continuity_plates")->background().color(), QColor(255, 191, 0));
        QCOMPARE(StatusOf("strong_column")->text(), QStringLiteral("exempt"));
        QTest::mouseClick(Find<QCheckBox>("columnAboveBox"), Qt::LeftButton);
        QCOMPARE(window_->CurrentInputs().ColumnAbove, std::string("Yes"));
        QCOMPARE(StatusOf("strong_column")->text(), QStringLiteral("pass"));
        QVERIFY(window_->Modified());
        QTest::mouseClick(Find<QCheckBox>("columnAboveBox"), Qt::LeftButton);
        QCOMPARE(StatusOf("strong_column")->text(), QStringLiteral("exempt"));
    }
};

}  // namespace vantrel::test

QTEST_MAIN(vantrel::test::CalculatorWindowTest)
#include "test_calculator_window.moc"
