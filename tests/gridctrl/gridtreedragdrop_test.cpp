// SPDX-License-Identifier: GPL-3.0-or-later
#include "gridctrl/gridtreectrl.h"

#include "tests/gridctrl/testgrid.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QScreen>
#include <QTest>

#include <algorithm>
#include <functional>

namespace {

using namespace kr::test;

// R1 (A (A1, A2), B (B1, B2 (B2x))), R2, R3, with R1 and A expanded; clicks open no editor.
class DragGrid : public TestGrid {
public:
    explicit DragGrid(int height = 300) : TestGrid(500, height) {
        AddTree("R1 A:R1 A1:A A2:A B:R1 B1:B B2:B B2x:B2 R2 R3");
        Expand({"R1", "A"});
    }
    void OnCellClicked(UINT, CPoint, LVHITTESTINFO*) override {}
    void Begin(const std::string& name) { BeginDrag(viewport(), At(name)); }
    void Drop(QPoint at) { DropAt(viewport(), at); }
    // What the screen shows of the viewport once pending repaints are done: the window's backing
    // store, not a fresh rendering.
    QImage Screen() {
        QCoreApplication::processEvents();
        const QPoint at = viewport()->mapTo(window(), QPoint(0, 0));
        return window()
            ->screen()
            ->grabWindow(window()->winId(), at.x(), at.y(), viewport()->width(),
                         viewport()->height())
            .toImage()
            .convertToFormat(QImage::Format_RGB32);
    }
    // True when the screen already shows what a full repaint gives.
    bool ShowsAFreshPaint() {
        const QImage shown = Screen();
        viewport()->repaint();
        return shown == Screen();
    }
    QWidget* DragImage() const {
        for (QWidget* child : viewport()->findChildren<QWidget*>()) {
            if (CImageList::IsDragImage(child)) {
                return child;
            }
        }
        return nullptr;
    }

    using CGridTreeCtrl::m_nDragRow;
    using CGridTreeCtrl::OnTimer;
};

// A DragGrid of few visible rows over 30 more roots, R1 collapsed: rows R1 R2 R3 and the roots.
class TallDragGrid : public DragGrid {
public:
    TallDragGrid() : DragGrid(140) {
        for (int i = 0; i < 30; ++i) {
            InsertRootNode(nullptr);
        }
        CollapseNode(N("R1"));
    }
};

TEST(GridDrag, RefusedDropsAndCancelsLeaveTreeRowsAndSelectionAsTheyWere) {
    const auto dropOn = [](const char* name) {
        return [name](DragGrid& g) { g.Drop(g.At(name)); };
    };
    const auto rightPress = [](DragGrid& g) {
        QTest::mousePress(g.viewport(), Qt::RightButton, {}, g.At("R3"));
    };
    const auto escaped = [](DragGrid& g) {
        QTest::keyPress(&g, Qt::Key_Escape);
        g.Move(g.At("R3"));
        QTest::keyRelease(&g, Qt::Key_Escape);
    };
    const auto belowTheRows = [](DragGrid& g) {
        g.Drop(QPoint(150, g.Bounds(g.GetItemCount() - 1).bottom + 5));
    };
    // Onto its own parent, itself, its own subtree, a root; then the ways a drag is cancelled.
    const std::pair<const char*, std::function<void(DragGrid&)>> cases[] = {
        {"A", dropOn("R1")},  {"A", dropOn("A")}, {"A", dropOn("A2")}, {"R2", dropOn("R3")},
        {"A1", belowTheRows}, {"A1", escaped},    {"A1", rightPress}};
    for (const auto& [dragged, end] : cases) {
        SCOPED_TRACE(&dragged - &cases[0].first);
        DragGrid grid;
        QTest::mouseClick(grid.viewport(), Qt::LeftButton, {}, grid.At(dragged));
        const std::string before = grid.Rows() + "|" + grid.Selected();
        const QImage image = grid.Render();
        grid.Begin(dragged);
        ASSERT_TRUE(grid.m_bDragging && grid.HasCapture());
        grid.Move(grid.At("R3"));
        EXPECT_NE(grid.Render(), image);       // image and highlight show
        EXPECT_TRUE(grid.ShowsAFreshPaint());  // no strip where the image was
        end(grid);
        grid.Drop(grid.At("R3"));  // a release after a cancel drops nothing
        EXPECT_TRUE(!grid.m_bDragging && QWidget::mouseGrabber() == nullptr && Settled(grid));
        EXPECT_EQ(grid.Rows() + "|" + grid.Selected(), before);
        EXPECT_EQ(grid.Render(), image);  // nothing left behind
        EXPECT_TRUE(grid.ShowsAFreshPaint());
    }
}

TEST(GridDrag, ADropMovesTheSubtreeAsTheTargetsLastChildAndSelectsTheTarget) {
    const struct {
        const char *dragged, *target;
        bool expandTarget;
        const char* rows;
    } cases[] = {
        {"A1", "B", false, "R1 A A2 B R2 R3"},    // arrives without a row, B stays collapsed
        {"A", "B", true, "R1 B B1 B2  R2 R3"},    // shown as B's last child, collapsed
        {"A2", "R3", false, "R1 A A1 B R2 R3 "},  // onto a leaf: shown below it
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.dragged);
        DragGrid grid;
        if (c.expandTarget) {
            grid.Expand({c.target});
        }
        const int children = grid.GetChildCount(grid.N(c.dragged));
        grid.Begin(c.dragged);
        grid.Drop(grid.At(c.target));
        EXPECT_EQ(grid.Rows() + "|" + grid.Selected(), c.rows + std::string("|") + c.target);
        const CGridTreeItem* copy = grid.N(c.target)->m_listChildren.back();
        EXPECT_EQ(grid.GetChildCount(copy), children);  // a null text: the default CloneInfo
        EXPECT_TRUE(grid.m_nDragRow == -1 && Settled(grid));
        EXPECT_TRUE(grid.ShowsAFreshPaint());
    }
}

TEST(GridDrag, RestingExpandsACollapsedNodeAndScrollsALinePerTickInTheZones) {
    TallDragGrid grid;
    grid.Begin("R3");
    grid.Move(grid.At("R1"));
    EXPECT_TRUE(grid.IsCollapsed(grid.N("R1")));
    QTRY_VERIFY_WITH_TIMEOUT(!grid.IsCollapsed(grid.N("R1")), 2000);  // the window's own timer
    EXPECT_EQ(grid.Rows().substr(0, 12), "R1 A B R2 R3");
    EXPECT_EQ(grid.m_nDragRow, 4);  // R3 moved down with the expansion
    const int last = grid.GetItemCount() - grid.GetCountPerPage();
    for (const int zone : {1, -1}) {
        grid.Move(QPoint(150, zone < 0 ? 3 : grid.viewport()->height() - 3));
        for (int tick = 0; tick < last + 2; ++tick) {  // as the timer would, without waiting
            const int top = grid.GetTopIndex();
            grid.OnTimer(1);
            EXPECT_EQ(grid.GetTopIndex(), std::clamp(top + zone, 0, last));  // ends at the edge
        }
    }
    EXPECT_TRUE(grid.m_bDragging && GridInvariantsHold(grid));
}

// Below the viewport lie rows scrolled off: resting or releasing there finds no row, so nothing
// is highlighted, expanded or dropped. A hover expansion that scrolls leaves the image under the
// cursor, and mid-drag the screen shows what a full repaint would.
TEST(GridDrag, OutsideTheViewportIsNoRowAndTheImageStaysUnderTheCursor) {
    TallDragGrid grid;
    for (int i = 0; i < 8; ++i) {
        grid.Add("k" + std::to_string(i), "R2");
    }
    const QPoint below(150, grid.viewport()->height() + 3 * grid.GetRowHeight());
    CGridTreeItem* hidden = grid.NodeFromRow(grid.GetTopIndex() + below.y() / grid.GetRowHeight());
    grid.InsertChildNode(hidden, nullptr, FALSE);
    const std::string rows = grid.Rows();
    grid.Begin("R3");
    grid.Move(below);
    grid.OnTimer(1);
    EXPECT_EQ(grid.GetNextItem(-1, LVNI_DROPHILITED), -1);
    EXPECT_TRUE(grid.IsCollapsed(hidden));
    grid.Drop(below);
    EXPECT_EQ(grid.Rows(), rows);

    grid.Begin("R3");
    const QPoint onR2 = grid.At("R2");
    grid.Move(onR2);
    EXPECT_TRUE(grid.ShowsAFreshPaint());
    grid.OnTimer(1);  // resting: R2 opens, and its last child is scrolled into view
    ASSERT_TRUE(!grid.IsCollapsed(grid.N("R2")) && grid.GetTopIndex() > 0);
    ASSERT_NE(grid.DragImage(), nullptr);
    EXPECT_EQ(grid.DragImage()->pos(), onR2);
    grid.Drop(onR2);
}

}  // namespace
