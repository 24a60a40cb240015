// SPDX-License-Identifier: GPL-3.0-or-later
#include "gridctrl/gridtreectrl.h"

#include "platform/qt/syscolors.h"
#include "tests/gridctrl/testgrid.h"

#include <gtest/gtest.h>

#include <QAccessible>
#include <QTest>

#include <tuple>
#include <vector>

namespace {

using namespace kr::test;

// R1 (A (A1, A2), B (B1, B2 (B2x))), R2, R3 with only the roots shown; it records the hooks.
class InputGrid : public TestGrid {
public:
    explicit InputGrid(int width = 500, int height = 300) : TestGrid(width, height) {
        AddTree("R1 A:R1 A1:A A2:A B:R1 B1:B B2:B B2x:B2 R2 R3");
    }
    void OnCellClicked(UINT, CPoint, LVHITTESTINFO* hit) override { clicked.push_back(hit->iItem); }
    QPoint BoxCentre(const std::string& name) const {
        const CRect row = Bounds(Row(name));
        return QPoint(16 * GetLevel(N(name)) - 8, row.top + (row.Height() - 16) / 2 + 8);
    }
    QPoint At(int row, int x = 150) const { return QPoint(x, Bounds(row).top + 4); }
    void Click(QPoint at) { QTest::mouseClick(viewport(), Qt::LeftButton, {}, at); }
    void DoubleClick(QPoint at) { QTest::mouseDClick(viewport(), Qt::LeftButton, {}, at); }
    // The rows, the selected one and the rows the click hook heard of.
    std::string State() const {
        std::string heardOf;
        for (const int row : clicked) {
            heardOf += std::to_string(row);
        }
        return Rows() + "|" + Selected() + "|" + heardOf;
    }

    std::vector<int> clicked;
};

TEST(GridInput, PressInsideTheBoxExpandsWithoutSelectingOutsideItSelects) {
    // The box's own edges are held by the ExpandBox test; here one press in, one out each way.
    const std::tuple<int, int, bool> cases[] = {{-5, 5, true}, {6, 0, false}, {0, -6, false}};
    for (const auto& [dx, dy, inside] : cases) {
        SCOPED_TRACE(std::to_string(dx) + "," + std::to_string(dy));
        InputGrid grid;
        grid.SetItemState(2, LVIS_SELECTED, LVIS_SELECTED);
        grid.Click(grid.BoxCentre("R1") + QPoint(dx, dy));
        EXPECT_EQ(grid.State(), inside ? "R1 A B R2 R3|R3|" : "R1 R2 R3|R1|0");
        EXPECT_TRUE(Settled(grid));
    }
}

TEST(GridInput, DoubleClicksToggleTheNodeAndPressesBelowTheRowsChangeNothing) {
    InputGrid grid;
    for (const char* rows : {"R1 A B R2 R3", "R1 R2 R3", "R1 A B R2 R3"}) {  // opens, closes, opens
        grid.DoubleClick(grid.At(0));
        EXPECT_EQ(grid.Rows(), rows);
        EXPECT_TRUE(Settled(grid));
    }
    grid.DoubleClick(grid.At(grid.Row("R3")));  // a leaf
    grid.clicked.clear();
    grid.Click(QPoint(150, grid.Bounds(grid.GetItemCount() - 1).bottom + 10));
    EXPECT_EQ(grid.State(), "R1 A B R2 R3|R3|");
}

TEST(GridInput, KeypadKeysExpandAndCollapseTheSelectedNode) {
    InputGrid grid(500, 120);  // room for about four rows
    grid.Click(grid.At(0));
    QTest::keyClick(&grid, Qt::Key_Asterisk, Qt::KeypadModifier);
    EXPECT_EQ(grid.GetItemCount(), 10);  // every level below R1
    const int last = grid.Row("B2x");    // the last row inserted is scrolled into view
    EXPECT_TRUE(grid.GetTopIndex() <= last && last < grid.GetTopIndex() + grid.GetCountPerPage());
    grid.EnsureVisible(0, FALSE);
    for (const auto& [key, keypad, rows] : {std::tuple{Qt::Key_Minus, true, 3},
                                            {Qt::Key_Plus, true, 5},
                                            {Qt::Key_Minus, false, 5}}) {  // the keypad's only
        QTest::keyClick(&grid, key, keypad ? Qt::KeypadModifier : Qt::NoModifier);
        EXPECT_EQ(grid.GetItemCount(), rows);
    }
    EXPECT_TRUE(Settled(grid));
}

TEST(GridInput, LeftAndRightMoveTheFocusColumnIntoViewClamped) {
    InputGrid grid(250, 200);
    grid.Click(grid.At(0));
    const int lefts[] = {0, 200, 280, 360, 440};
    const std::string keys = "LRRRRLLLL", columns = "012332100";
    for (std::size_t i = 0; i < keys.size(); ++i) {
        QTest::keyClick(&grid, keys[i] == 'L' ? Qt::Key_Left : Qt::Key_Right);
        const int column = columns[i] - '0';
        EXPECT_EQ(grid.m_nFocusColumn, column) << i;
        EXPECT_GE(grid.Bounds(0).left + lefts[column], 0) << i;
        EXPECT_LE(grid.Bounds(0).left + lefts[column + 1], grid.viewport()->width()) << i;
    }
}

// A hidden column takes no room and comes back with its width; it is not hit, the cell focus
// passes it by and leaves it, no editor opens on it, assistive technology does not see it, and a
// hidden column 0 draws no text over the next column.
TEST(GridInput, AHiddenColumnIsNeitherHitFocusedEditedSeenNorDrawn) {
    EditGrid grid;  // rows R1 A B R2, columns c0 200, c1 to c3 80 with "1", the name, "x"
    grid.Select("R1");
    grid.SetColumnShown(1, FALSE);
    EXPECT_TRUE(grid.GetColumnWidth(1) == 0 && grid.GetShownWidth(1) == 80);
    LVHITTESTINFO hit;
    hit.pt = CPoint(210, grid.Bounds(0).top + 2);
    EXPECT_TRUE(grid.SubItemHitTest(&hit) == 0 && hit.iSubItem == 2);
    EXPECT_EQ(grid.EditCell(0, 1), nullptr);
    std::string focus;
    for (const Qt::Key key : {Qt::Key_Right, Qt::Key_Right, Qt::Key_Left, Qt::Key_Left}) {
        QTest::keyClick(&grid, key);
        focus += std::to_string(grid.m_nFocusColumn);
    }
    grid.m_nFocusColumn = 2;
    grid.SetColumnShown(2, FALSE);
    EXPECT_EQ(focus + std::to_string(grid.m_nFocusColumn), "23200");
    QAccessibleTableInterface* table =
        QAccessible::queryAccessibleInterface(&grid)->tableInterface();
    EXPECT_EQ(table->columnCount(), 2);
    EXPECT_EQ(table->columnDescription(1) + "=" + table->cellAt(0, 1)->text(QAccessible::Name),
              "c3=x");
    grid.SetColumnShown(1, TRUE);
    grid.SetColumnShown(0, FALSE);
    EXPECT_EQ(grid.GetColumnWidth(1), 80);
    const CRect r2 = grid.Bounds(grid.Row("R2"));
    const CRect strip(0, r2.top, 40, r2.bottom);
    EXPECT_EQ(CountPixels(grid.Render(), strip, GetSysColor(COLOR_WINDOW, &grid)),
              strip.Width() * strip.Height());
}

}  // namespace
