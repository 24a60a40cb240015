// SPDX-License-Identifier: GPL-3.0-or-later
#include "gridctrl/gridcelledit.h"

#include "tests/gridctrl/testgrid.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QTest>

namespace {

using namespace kr::test;

TEST(GridEdit, TheBoxLiesOverTheCellAlignedAndClearOfItsImage) {
    const struct {
        int width, row, col, col3Width, scrollX;
        bool image;  // a cell image under the box
    } cases[] = {
        {500, 1, 2, 80, 0, true},
        {250, 0, 1, 300, 220, false},  // at -20..60, the box from the left edge
        {250, 2, 3, 400, 0, false},    // at 0..400, beyond the view
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.col);
        EditGrid grid(c.width);
        grid.SetColumnWidth(3, c.col3Width);
        grid.Scroll(CSize(c.scrollX, 0));
        grid.GetInfo(grid.NodeFromRow(c.row))->m_mapCellImage[c.col - 1] = c.image ? 1 : -1;
        // No click reaches a cell beyond the right edge.
        const CGridCellEdit* edit = c.col == 3 ? grid.EditCell(c.row, 3) : grid.Edit(c.row, c.col);
        ASSERT_TRUE(edit != nullptr && edit->hasFocus());
        CRect cell;
        grid.GetSubItemRect(c.row, c.col, LVIR_BOUNDS, cell);
        EXPECT_EQ(CRect(edit->geometry()),
                  CRect(cell.left + (c.image ? 16 : 0), cell.top,
                        std::min(cell.right, grid.viewport()->width()), cell.bottom));
    }
}

// A second click ends the first box; a box whose row moves away ends into the row it was opened
// on, and a grid deleted with its box open takes the box along without a report.
TEST(GridEdit, OneBoxAtATimeEndingIntoItsOwnRow) {
    EditGrid grid;
    grid.Edit(1, 1);
    CGridCellEdit* edit = grid.Edit(3, 2);  // the press ended the first box, the release this
    ASSERT_TRUE(edit && edit->m_nItem == 3 && grid.reports.size() == 1u);
    edit->insert("mine ");            // at the start
    grid.CollapseNode(grid.N("R1"));  // R2 moves up: the box ended while row 3 was still R2's
    EXPECT_TRUE(grid.Open() == nullptr && grid.GetInfo(grid.N("R2"))->GetSubText(1) == "mine R2");
    EXPECT_TRUE(Settled(grid));
    auto* window = new QWidget;
    auto* doomed = new TestGrid(300, 200, window);
    doomed->InsertRootNode(nullptr);
    window->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window) && doomed->EditCell(0, 1) != nullptr);
    delete window;  // (address sanitizer build)
}

// Escape ends the box and leaves the cell as it was (the row data and the list's text); Enter and
// Tab store the edited text.
TEST(GridEdit, EscapeKeepsTheCellWhileEnterAndTabStoreTheText) {
    for (const auto& [key, stored] :
         {std::pair{Qt::Key_Escape, false}, {Qt::Key_Return, true}, {Qt::Key_Tab, true}}) {
        SCOPED_TRACE(key);
        EditGrid grid;
        const QString before = grid.GetInfo(grid.N("A"))->GetSubText(1);
        CGridCellEdit* edit = grid.Edit(1, 2);
        ASSERT_TRUE(edit != nullptr);
        edit->insert("mine ");
        QTest::keyClick(edit, key);
        const QString want = stored ? "mine " + before : before;
        EXPECT_TRUE(grid.Open() == nullptr);
        EXPECT_EQ(grid.GetInfo(grid.N("A"))->GetSubText(1), want);
        EXPECT_EQ(grid.GetItemText(1, 2), want);
        grid.GetInfo(grid.N("A"))->m_arrSubTexts = QStringList();  // the cell kept no copy
        EXPECT_TRUE(Settled(grid));
    }
}
}  // namespace
