// The result grid views: one row per wheel notch and nothing for any other
// wheel input, the scroll range held at the grid's limit, the row appended
// when the last row is in view, and column widths the user drags.
#include <QScrollBar>
#include <QWheelEvent>

#include "ui/grid_view.h"
#include "ui_test_support.h"

namespace vantrel::test {

enum class Which { Summary, Checks, Parameters };

class GridViewTest : public QObject {
    Q_OBJECT
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
    void Show(Which which, int visibleRows = 0) {
        view_ = std::make_unique<ResultGridView>(GridOf(which), LimitOf(which));
        if (visibleRows > 0) {
            const int frame = view_->height() - view_->viewport()->height();
            view_->resize(view_->width(), visibleRows * view_->rowHeight(0) + frame + 4);
            view_->setMinimumHeight(view_->height());
        }
        view_->show();
        QVERIFY(QTest::qWaitForWindowExposed(view_.get()));
    }
    static void Wheel(QWidget* target, QPoint angle, Qt::KeyboardModifiers modifiers = {},
                      Qt::MouseButtons buttons = {}) {
        const QPointF at = target->rect().center();
        QWheelEvent event(at, target->mapToGlobal(at), QPoint(), angle, buttons, modifiers,
                          Qt::NoScrollPhase, false);
        QApplication::sendEvent(target, &event);
    }
    QScrollBar* Bar() const { return view_->verticalScrollBar(); }
    bool AtLimit(Which which) const {
        return Bar()->minimum() == 0 && Bar()->maximum() == LimitOf(which);
    }
    static void AddGridRows() {
        QTest::addColumn<Which>("which");
        QTest::newRow("calculated values") << Which::Summary;
        QTest::newRow("code checks") << Which::Checks;
        QTest::newRow("parameters") << Which::Parameters;
    }

  private slots:
    void init() {
        grids_ = ResultGrids();
        view_.reset();
    }
    void cleanup() { view_.reset(); }

    // A notch, over the rows or the scroll bar, moves one row, up to the
    // limit whatever the view's size, row count or range set elsewhere.
    void scrollingStopsAtTheLimit_data() { AddGridRows(); }
    void scrollingStopsAtTheLimit() {
        QFETCH(Which, which);
        Show(which);
        for (QWidget* target :
             {static_cast<QWidget*>(view_->viewport()), static_cast<QWidget*>(Bar())}) {
            Wheel(target, {0, -120});
            QCOMPARE(Bar()->value(), 1);
            QCOMPARE(view_->rowAt(0), 1);
            Wheel(target, {0, 120});
            QCOMPARE(Bar()->value(), 0);
        }
        for (int i = 0; i < LimitOf(which) + 3; ++i) Wheel(view_->viewport(), {0, -120});
        QCOMPARE(Bar()->value(), LimitOf(which));
        QVERIFY(view_->rowAt(view_->viewport()->height() - 1) < GridOf(which).RowCount());
        view_->resize(view_->width(), view_->height() * 3);  // Qt would shrink the range
        QTRY_VERIFY(view_->viewport()->height() > 40 * view_->rowHeight(0) || AtLimit(which));
        view_->resize(view_->width() / 2, view_->minimumHeight());
        QCoreApplication::processEvents();
        QVERIFY(AtLimit(which));
        GridOf(which).SetRowCount(120);  // Qt would grow it
        view_->Refresh();
        QVERIFY(AtLimit(which));
        Bar()->setRange(0, 77);
        QVERIFY(AtLimit(which));
        view_->setFocus();
        view_->setCurrentIndex(view_->model()->index(0, 0));
        for (int i = 0; i < 60; ++i) QTest::keyClick(view_.get(), Qt::Key_Down);
        QVERIFY(AtLimit(which));
        QCOMPARE(Bar()->value(), LimitOf(which));
    }

    void otherWheelInputDoesNothing_data() {
        QTest::addColumn<QPoint>("angle");
        QTest::addColumn<Qt::KeyboardModifiers>("modifiers");
        QTest::addColumn<Qt::MouseButtons>("buttons");
        const QPoint down(0, -120);
        const Qt::KeyboardModifiers none;
        QTest::newRow("Ctrl") << down << Qt::KeyboardModifiers(Qt::ControlModifier)
                              << Qt::MouseButtons();
        QTest::newRow("Shift") << down << Qt::KeyboardModifiers(Qt::ShiftModifier)
                               << Qt::MouseButtons();
        QTest::newRow("Alt") << down << Qt::KeyboardModifiers(Qt::AltModifier)
                             << Qt::MouseButtons();
        QTest::newRow("left button held") << down << none << Qt::MouseButtons(Qt::LeftButton);
        QTest::newRow("middle button held") << down << none << Qt::MouseButtons(Qt::MiddleButton);
        QTest::newRow("high resolution 60") << QPoint(0, -60) << none << Qt::MouseButtons();
        QTest::newRow("two notches at once") << QPoint(0, -240) << none << Qt::MouseButtons();
        QTest::newRow("sideways") << QPoint(-120, 0) << none << Qt::MouseButtons();
    }
    void otherWheelInputDoesNothing() {
        QFETCH(QPoint, angle);
        QFETCH(Qt::KeyboardModifiers, modifiers);
        QFETCH(Qt::MouseButtons, buttons);
        Show(Which::Checks);
        Wheel(view_->viewport(), {0, -120});
        const int columns = view_->horizontalScrollBar()->value();
        for (QWidget* target :
             {static_cast<QWidget*>(view_->viewport()), static_cast<QWidget*>(Bar())}) {
            Wheel(target, angle, modifiers, buttons);
            QCOMPARE(Bar()->value(), 1);
            QCOMPARE(view_->horizontalScrollBar()->value(), columns);
        }
    }

    // With the last row in view, every notch appends an empty row.
    void lastRowInViewAppendsOne_data() { AddGridRows(); }
    void lastRowInViewAppendsOne() {
        QFETCH(Which, which);
        const int rows = GridOf(which).RowCount();
        Show(which, rows + 8);
        Wheel(view_->viewport(), {0, -120});
        QCOMPARE(Bar()->value(), 1);
        QCOMPARE(GridOf(which).RowCount(), rows + 1);
        QCOMPARE(view_->model()->rowCount(), rows + 1);
        Wheel(view_->viewport(), {0, 120});
        Wheel(view_->viewport(), {0, 120});  // at the top already, still a notch
        QCOMPARE(GridOf(which).RowCount(), rows + 3);
        Wheel(view_->viewport(), {0, -60});  // not a notch
        QCOMPARE(GridOf(which).RowCount(), rows + 3);
        QCOMPARE(Bar()->maximum(), LimitOf(which));
    }

    // A drag on a heading edge widens the column, and a calculation keeps it.
    void headingEdgeDragResizesColumn() {
        Show(Which::Summary);
        const int before = view_->columnWidth(2);
        const int y = view_->rowViewportPosition(0) + view_->rowHeight(0) / 2;
        const int edge = view_->columnViewportPosition(2) + before;
        QTest::mousePress(view_->viewport(), Qt::LeftButton, {}, QPoint(edge, y));
        QTest::mouseMove(view_->viewport(), QPoint(edge + 40, y));
        QTest::mouseRelease(view_->viewport(), Qt::LeftButton, {}, QPoint(edge + 40, y));
        view_->Refresh();
        QCOMPARE(view_->columnWidth(2), before + 40);
        QTest::mouseClick(view_->viewport(), Qt::LeftButton, {},
                          QPoint(view_->columnViewportPosition(3) + 20, y));
        QCOMPARE(view_->currentIndex().column(), 3);  // away from an edge a press selects
    }
};

}  // namespace vantrel::test

QTEST_MAIN(vantrel::test::GridViewTest)
#include "test_grid_view.moc"
