#include "gridctrl/gridcelledit.h"

#include "tests/gridctrl/testgrid.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QPointer>
#include <QTest>

namespace {

using namespace kr::test;

// Types the text character by character (any characters, not only those of the keyboard).
void Type(QWidget* widget, const QString& text) {
    for (const QChar ch : text) {
        QTest::sendKeyEvent(QTest::Click, widget, Qt::Key_unknown, QString(ch), Qt::NoModifier);
    }
}

TEST(GridEdit, TheBoxLiesOverTheCellAlignedAndClearOfItsImage) {
    const struct {
        int width, row, col, col3Width, scrollX;
        bool image, toLeftEdge;  // a cell image under the box; the cell scrolled to the left edge
        UINT align;
    } cases[] = {
        {500, 1, 2, 80, 0, true, false, ES_LEFT},
        {250, 0, 1, 300, 220, false, true, ES_RIGHT},  // at -20..60
        {250, 2, 3, 400, 0, false, true, ES_LEFT},     // beyond the view
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
        EXPECT_TRUE(!c.toLeftEdge || cell.left == 0);
        EXPECT_EQ(CRect(edit->geometry()),
                  CRect(cell.left + (c.image ? 16 : 0), cell.top,
                        std::min(cell.right, grid.viewport()->width()), cell.bottom));
        EXPECT_TRUE(edit->GetStyle() == (kEditStyle | c.align) &&
                    edit->GetDlgCtrlID() == kEditIdSubItem);
        EXPECT_TRUE(edit->text() == grid.GetItemText(c.row, c.col) && edit->cursorPosition() == 0 &&
                    !edit->hasSelectedText());
    }
}

TEST(GridEdit, TheEndOfAnEditStoresWhatWasTypedUnlessEscaped) {
    const QString hostile = QString("tab\tbell\a") + QString(65536, QChar('k'));
    const struct {
        int col;
        QStringList subTexts;
        QString typed;
        Qt::Key key;
        QStringList stored;  // empty: unchanged
    } cases[] = {
        {1, {"1", "n", "x"}, "yz", Qt::Key_Escape, {}},
        {3, {"1"}, "q", Qt::Key_Return, {"1", "", "q"}},  // the sub-texts grow to the column
        {2, {"1", hostile}, "Ж€é", Qt::Key_Enter, {"1", "Ж€é" + hostile}},  // at the start
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.typed.toStdString());
        EditGrid grid;
        CGridItemInfo* info = grid.GetInfo(grid.N("R2"));
        info->m_arrSubTexts = c.subTexts;
        QPointer<CGridCellEdit> edit = grid.Edit(3, c.col);
        ASSERT_TRUE(edit);
        Type(edit, c.typed);
        QTest::keyClick(edit, c.key);
        EXPECT_TRUE(grid.hasFocus() && !edit->isVisible());
        const QStringList stored = c.stored.isEmpty() ? c.subTexts : c.stored;
        EXPECT_EQ(info->m_arrSubTexts, stored);
        EXPECT_EQ(grid.GetItemText(3, c.col), stored.value(c.col - 1));
        ASSERT_EQ(grid.reports.size(), 1u);
        const auto& [hdr, item] = grid.reports[0];
        EXPECT_TRUE(hdr.hwndFrom == &grid && hdr.idFrom == kEditIdSubItem &&
                    hdr.code == LVN_ENDLABELEDIT && item.mask == LVIF_TEXT && item.iItem == 3 &&
                    item.iSubItem == c.col && item.cchTextMax == edit->text().size());
        EXPECT_EQ(item.pszText.has_value(), c.key != Qt::Key_Escape);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        EXPECT_FALSE(edit);  // it deleted itself
    }
}

// A second click ends the first box; a box whose row moves away ends into the row it was opened
// on, and a grid deleted with its box open takes the box along without a report.
TEST(GridEdit, OneBoxAtATimeEndingIntoItsOwnRow) {
    EditGrid grid;
    grid.Edit(1, 1);
    CGridCellEdit* edit = grid.Edit(3, 2);  // the press ended the first box, the release this
    ASSERT_TRUE(edit && edit->m_nItem == 3 && grid.reports.size() == 1u);
    Type(edit, "mine ");
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

}  // namespace
