// The result grid views: one row per wheel notch and nothing for any other
// wheel input, the scroll range held at the grid's limit, and the row
// appended when the last row is in view.
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

    ResultGrid& GridOf(Which which) { return *grids_.All()[static_cast<size_t>(which)]; }
    static const GridViewLayout& ViewOf(Which which) {
        return which == Which::Summary  ? kSummaryView
               : which == Which::Checks ? kChecksView
                                        : kParametersView;
    }
    static int LimitOf(Which which) { return ViewOf(which).scrollLimit; }
    void Show(Which which, int visibleRows = 0) {
        view_ = std::make_unique<ResultGridView>(GridOf(which), ViewOf(which));
        if (visibleRows > 0) {
            const int frame = view_->height() - view_->viewport()->height();
            view_->resize(view_->width(), visibleRows * view_->rowHeight(0) + frame + 4);
            view_->setMinimumHeight(view_->height());
        }
        view_->show();
        QVERIFY(QTest::qWaitForWindowExposed(view_.get()));
    }
    static void Wheel(QWidget* target, QPoint angle, Qt::KeyboardModifiers keys = {},
                      Qt::MouseButtons buttons = {}) {
        const QPointF at = target->rect().center();
        QWheelEvent event(at, target->mapToGlobal(at), QPoint(), angle, buttons, keys,
                          Qt::NoScrollPhase, false);
        QApplication::sendEvent(target, &event);
    }
    QScrollBar* Bar() const { return view_->verticalScrollBar(); }
    QList<QWidget*> Targets() const { return {view_->viewport(), Bar()}; }  // rows, scroll bar
    bool AtLimit(Which which) const {
        return Bar()->minimum() == 0 && Bar()->maximum() == LimitOf(which);
    }

  private slots:
    void init() { grids_ = ResultGrids(); }
    void cleanup() { view_.reset(); }
    void initTestCase_data() {
        QTest::addColumn<Which>("which");
        QTest::newRow("calculated values") << Which::Summary;
        QTest::newRow("code checks") << Which::Checks;
        QTest::newRow("parameters") << Which::Parameters;
    }

    // A notch moves one row, up to the limit whatever the view's size, row
    // count, keys pressed or range set elsewhere.
    void scrollingStopsAtTheLimit() {
        QFETCH_GLOBAL(Which, which);
        const int rows = GridOf(which).RowCount();
        Show(which);
        for (QWidget* target : Targets()) {
            Wheel(target, {0, -120});
            QCOMPARE(view_->rowAt(0), 1);
            Wheel(target, {0, 120});
            QCOMPARE(Bar()->value(), 0);
        }
        for (int i = 0; i < LimitOf(which) + 3; ++i) Wheel(view_->viewport(), {0, -120});
        QCOMPARE(Bar()->value(), LimitOf(which));
        QCOMPARE(GridOf(which).RowCount(), rows);  // the empty rows below stay out of reach
        view_->resize(view_->width() / 2, view_->height() * 3);  // Qt would shrink the range
        QTRY_VERIFY(view_->viewport()->height() > 40 * view_->rowHeight(0));
        QVERIFY(AtLimit(which));
        view_->resize(view_->width(), view_->minimumHeight());
        GridOf(which).SetRowCount(120);  // Qt would grow it
        view_->Refresh();
        Bar()->setRange(0, 77);
        QVERIFY(AtLimit(which));
        view_->setCurrentIndex(view_->model()->index(0, 0));
        for (int i = 0; i < 60; ++i) QTest::keyClick(view_.get(), Qt::Key_Down);
        QVERIFY(AtLimit(which));
        QCOMPARE(Bar()->value(), LimitOf(which));
    }

    // Only a plain vertical notch scrolls: a key or button held, half or two
    // notches, or a sideways turn move nothing.
    void otherWheelInputDoesNothing() {
        QFETCH_GLOBAL(Which, which);
        Show(which);
        Wheel(view_->viewport(), {0, -120});
        const struct {
            QPoint angle;
            Qt::KeyboardModifiers keys;
            Qt::MouseButtons buttons;
        } inputs[] = {{{0, -120}, Qt::ControlModifier, {}},
                      {{0, -120}, Qt::ShiftModifier, {}},
                      {{0, -120}, Qt::AltModifier, {}},
                      {{0, -120}, {}, Qt::LeftButton},
                      {{0, -120}, {}, Qt::MiddleButton},
                      {{0, -60}, {}, {}},
                      {{0, -240}, {}, {}},
                      {{-120, 0}, {}, {}}};
        for (const auto& input : inputs) {
            for (QWidget* target : Targets()) {
                Wheel(target, input.angle, input.keys, input.buttons);
                QCOMPARE(Bar()->value(), 1);
                QCOMPARE(view_->horizontalScrollBar()->value(), 0);
            }
        }
    }

    // With the last row in view, every notch appends an empty row.
    void lastRowInViewAppendsOne() {
        QFETCH_GLOBAL(Which, which);
        const int rows = GridOf(which).RowCount();
        Show(which, rows + 8);
        Wheel(view_->viewport(), {0, -120});
        QCOMPARE(Bar()->value(), 1);
        QCOMPARE(view_->model()->rowCount(), rows + 1);
        Wheel(view_->viewport(), {0, 120});
        Wheel(view_->viewport(), {0, 120});  // at the top already, still a notch
        Wheel(view_->viewport(), {0, -60});  // not a notch
        QCOMPARE(GridOf(which).RowCount(), rows + 3);
        QCOMPARE(Bar()->maximum(), LimitOf(which));
    }
};

}  // namespace vantrel::test

QTEST_MAIN(vantrel::test::GridViewTest)
#include "test_grid_view.moc"
