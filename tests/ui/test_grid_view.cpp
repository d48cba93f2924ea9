// The result grid views: what they show of the grid model, one row per
// wheel notch and nothing for any other wheel input, the scroll range held
// at the grid's limit, and the row appended when the last row is in view.
#include <QScrollBar>
#include <QWheelEvent>
#include <memory>

#include "ui/grid_view.h"
#include "ui_test_support.h"

namespace vantrel::test {

enum class Which { Summary, Checks, Parameters };

class GridViewTest : public QObject {
    Q_OBJECT

  private:
    ResultGrids grids_;
    std::unique_ptr<ResultGridView> view_;

    ResultGrid& GridOf(Which which) {
        return which == Which::Summary  ? grids_.summary
               : which == Which::Checks ? grids_.checks
                                        : grids_.parameters;
    }
    static int LimitOf(Which which) {
        return which == Which::Summary  ? kSummaryScrollLimit
               : which == Which::Checks ? kChecksScrollLimit
                                        : kParametersScrollLimit;
    }
    void Show(Which which, int visibleRows = 0);
    void Wheel(QWidget* target, QPoint angle, Qt::KeyboardModifiers modifiers = Qt::NoModifier,
               Qt::MouseButtons buttons = Qt::NoButton);
    QScrollBar* Bar() const { return view_->verticalScrollBar(); }

  private slots:
    void init();
    void cleanup();

    void showsTheModel();
    void notchScrollsOneRow_data();
    void notchScrollsOneRow();
    void otherWheelInputDoesNothing_data();
    void otherWheelInputDoesNothing();
    void rangeStaysAtLimit_data();
    void rangeStaysAtLimit();
    void lastRowInViewAppendsOne_data();
    void lastRowInViewAppendsOne();
    void lastRowOutOfReachAddsNothing();
    void headingEdgeDragResizesColumn();
};

void GridViewTest::init() {
    grids_ = ResultGrids();
    view_.reset();
}

void GridViewTest::cleanup() {
    view_.reset();
}

void GridViewTest::Show(Which which, int visibleRows) {
    view_ = std::make_unique<ResultGridView>(GridOf(which), LimitOf(which));
    if (visibleRows > 0) {
        const int frame = view_->height() - view_->viewport()->height();
        view_->resize(view_->width(), visibleRows * view_->rowHeight(0) + frame + 4);
        view_->setMinimumHeight(view_->height());
    }
    view_->show();
    QVERIFY(QTest::qWaitForWindowExposed(view_.get()));
}

void GridViewTest::Wheel(QWidget* target, QPoint angle, Qt::KeyboardModifiers modifiers,
                         Qt::MouseButtons buttons) {
    const QPointF local = target->rect().center();
    QWheelEvent event(local, target->mapToGlobal(local), QPoint(), angle, buttons, modifiers,
                      Qt::NoScrollPhase, false);
    QApplication::sendEvent(target, &event);
}

void GridViewTest::showsTheModel() {
    grids_.checks.SetText(3, 2, "[PASS] 0.939");
    grids_.checks.Paint(3, 2, 3, 2, kPassGreen);
    Show(Which::Checks);
    const QAbstractItemModel* model = view_->model();
    QCOMPARE(model->rowCount(), grids_.checks.RowCount());
    QCOMPARE(model->index(3, 2).data().toString(), QStringLiteral("[PASS] 0.939"));
    QCOMPARE(model->index(3, 2).data(Qt::BackgroundRole).value<QColor>(), QColor(0, 255, 0));
    // The view follows the model.
    grids_.checks.SetText(3, 2, "");
    view_->Refresh();
    QCOMPARE(model->index(3, 2).data().toString(), QString());
}

// One row for each of the three grids.
static void AddGridRows() {
    QTest::addColumn<Which>("which");
    QTest::newRow("calculated values") << Which::Summary;
    QTest::newRow("code checks") << Which::Checks;
    QTest::newRow("parameters") << Which::Parameters;
}

void GridViewTest::notchScrollsOneRow_data() {
    QTest::addColumn<Which>("which");
    QTest::addColumn<bool>("overScrollBar");
    QTest::newRow("calculated values") << Which::Summary << false;
    QTest::newRow("code checks") << Which::Checks << false;
    QTest::newRow("parameters") << Which::Parameters << false;
    QTest::newRow("code checks, over the scroll bar") << Which::Checks << true;
}

void GridViewTest::notchScrollsOneRow() {
    QFETCH(Which, which);
    QFETCH(bool, overScrollBar);
    Show(which);
    QWidget* target = overScrollBar ? static_cast<QWidget*>(Bar()) : view_->viewport();
    QCOMPARE(Bar()->value(), 0);
    Wheel(target, {0, -120});
    QCOMPARE(Bar()->value(), 1);
    QCOMPARE(view_->rowAt(0), 1);
    Wheel(target, {0, 120});
    QCOMPARE(Bar()->value(), 0);
    // At the limit a notch goes no further.
    for (int i = 0; i < LimitOf(which) + 3; ++i) Wheel(target, {0, -120});
    QCOMPARE(Bar()->value(), LimitOf(which));
}

void GridViewTest::otherWheelInputDoesNothing_data() {
    QTest::addColumn<QPoint>("angle");
    QTest::addColumn<Qt::KeyboardModifiers>("modifiers");
    QTest::addColumn<Qt::MouseButtons>("buttons");
    const QPoint down(0, -120);
    QTest::newRow("Ctrl") << down << Qt::KeyboardModifiers(Qt::ControlModifier)
                          << Qt::MouseButtons();
    QTest::newRow("Shift") << down << Qt::KeyboardModifiers(Qt::ShiftModifier)
                           << Qt::MouseButtons();
    QTest::newRow("Alt") << down << Qt::KeyboardModifiers(Qt::AltModifier) << Qt::MouseButtons();
    QTest::newRow("left button held")
        << down << Qt::KeyboardModifiers() << Qt::MouseButtons(Qt::LeftButton);
    QTest::newRow("middle button held")
        << down << Qt::KeyboardModifiers() << Qt::MouseButtons(Qt::MiddleButton);
    QTest::newRow("high resolution 60")
        << QPoint(0, -60) << Qt::KeyboardModifiers() << Qt::MouseButtons();
    QTest::newRow("two notches at once")
        << QPoint(0, -240) << Qt::KeyboardModifiers() << Qt::MouseButtons();
    QTest::newRow("sideways") << QPoint(-120, 0) << Qt::KeyboardModifiers() << Qt::MouseButtons();
}

void GridViewTest::otherWheelInputDoesNothing() {
    QFETCH(QPoint, angle);
    QFETCH(Qt::KeyboardModifiers, modifiers);
    QFETCH(Qt::MouseButtons, buttons);
    Show(Which::Checks);
    Wheel(view_->viewport(), {0, -120});
    QCOMPARE(Bar()->value(), 1);
    const int columns = view_->horizontalScrollBar()->value();
    for (QWidget* target :
         {static_cast<QWidget*>(view_->viewport()), static_cast<QWidget*>(Bar())}) {
        Wheel(target, angle, modifiers, buttons);
        QCOMPARE(Bar()->value(), 1);
        QCOMPARE(view_->horizontalScrollBar()->value(), columns);
    }
}

void GridViewTest::rangeStaysAtLimit_data() {
    AddGridRows();
}

void GridViewTest::rangeStaysAtLimit() {
    QFETCH(Which, which);
    Show(which);
    const int limit = LimitOf(which);
    const auto atLimit = [&] { return Bar()->minimum() == 0 && Bar()->maximum() == limit; };
    QVERIFY(atLimit());
    view_->resize(view_->width(), view_->height() * 3);  // Qt would shrink the range
    QTRY_VERIFY(view_->viewport()->height() > 40 * view_->rowHeight(0) || atLimit());
    QVERIFY(atLimit());
    view_->resize(view_->width() / 2, view_->minimumHeight());
    QCoreApplication::processEvents();
    QVERIFY(atLimit());
    GridOf(which).SetRowCount(120);  // Qt would grow it
    view_->Refresh();
    QVERIFY(atLimit());
    Bar()->setRange(0, 77);  // a change from anywhere else does not stay
    QVERIFY(atLimit());
    // Keyboard scrolling to the bottom row stops at the limit.
    view_->setFocus();
    view_->setCurrentIndex(view_->model()->index(0, 0));
    for (int i = 0; i < 60; ++i) QTest::keyClick(view_.get(), Qt::Key_Down);
    QVERIFY(atLimit());
    QCOMPARE(Bar()->value(), limit);
}

void GridViewTest::lastRowInViewAppendsOne_data() {
    AddGridRows();
}

void GridViewTest::lastRowInViewAppendsOne() {
    QFETCH(Which, which);
    // A view tall enough to hold every row and then some.
    const int rows = GridOf(which).RowCount();
    Show(which, rows + 8);
    QCOMPARE(view_->model()->rowCount(), rows);

    Wheel(view_->viewport(), {0, -120});  // scrolls with the last row in view
    QCOMPARE(Bar()->value(), 1);
    QCOMPARE(GridOf(which).RowCount(), rows + 1);
    QCOMPARE(view_->model()->rowCount(), rows + 1);
    QCOMPARE(GridOf(which).Text(rows, 0), std::string());

    Wheel(view_->viewport(), {0, 120});  // each further step adds another
    QCOMPARE(GridOf(which).RowCount(), rows + 2);
    Wheel(view_->viewport(), {0, 120});  // at the top already, still a scroll step
    QCOMPARE(Bar()->value(), 0);
    QCOMPARE(GridOf(which).RowCount(), rows + 3);
    Wheel(view_->viewport(), {0, -60});  // not a scroll at all
    QCOMPARE(GridOf(which).RowCount(), rows + 3);
    QCOMPARE(Bar()->maximum(), LimitOf(which));
}

void GridViewTest::lastRowOutOfReachAddsNothing() {
    // At the usual height the limit keeps the empty rows below out of reach.
    Show(Which::Checks);
    for (int i = 0; i < kChecksScrollLimit + 5; ++i) Wheel(view_->viewport(), {0, -120});
    QCOMPARE(Bar()->value(), kChecksScrollLimit);
    QCOMPARE(grids_.checks.RowCount(), 55);
    QVERIFY(view_->rowAt(view_->viewport()->height() - 1) >= 32);  // the last row with text
}

// The Notes column is too narrow for "From 15.525   in.": the user widens it.
void GridViewTest::headingEdgeDragResizesColumn() {
    Show(Which::Summary);
    const int before = view_->columnWidth(2);
    const int y = view_->rowViewportPosition(0) + view_->rowHeight(0) / 2;
    const int edge = view_->columnViewportPosition(2) + before;
    QWidget* viewport = view_->viewport();
    QTest::mousePress(viewport, Qt::LeftButton, Qt::NoModifier, QPoint(edge, y));
    QTest::mouseMove(viewport, QPoint(edge + 40, y));
    QTest::mouseRelease(viewport, Qt::LeftButton, Qt::NoModifier, QPoint(edge + 40, y));
    QCOMPARE(view_->columnWidth(2), before + 40);
    view_->Refresh();  // a calculation keeps the user's width
    QCOMPARE(view_->columnWidth(2), before + 40);
    // Away from an edge a press selects a cell as before.
    QTest::mouseClick(viewport, Qt::LeftButton, Qt::NoModifier,
                      QPoint(view_->columnViewportPosition(3) + 20, y));
    QCOMPARE(view_->currentIndex().column(), 3);
    QCOMPARE(view_->columnWidth(3), ResultGridView::TwipsToPixels(4000, *view_));
}

}  // namespace vantrel::test

QTEST_MAIN(vantrel::test::GridViewTest)
#include "test_grid_view.moc"
