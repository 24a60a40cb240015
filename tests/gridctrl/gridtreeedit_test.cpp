#include "gridctrl/gridcelledit.h"

#include "tests/gridctrl/testgrid.h"

#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QPointer>
#include <QTest>
#include <QWheelEvent>

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
        UINT style, id;
    } cases[] = {
        {500, 3, 1, 80, 0, false, false, kEditStyle | ES_RIGHT, kEditIdSubItem},
        {500, 1, 2, 80, 0, true, false, kEditStyle | ES_LEFT, kEditIdSubItem},
        {250, 0, 1, 300, 220, false, true, kEditStyle | ES_RIGHT, kEditIdSubItem},  // at -20..60
        {250, 2, 3, 400, 0, false, true, kEditStyle | ES_LEFT, kEditIdSubItem},  // beyond the view
        {500, 1, 0, 80, 0, false, false, kEditStyle, kEditIdTreeColumn},
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
        CRect cell, client;
        grid.GetSubItemRect(c.row, c.col, c.col == 0 ? LVIR_LABEL : LVIR_BOUNDS, cell);
        grid.GetClientRect(&client);
        EXPECT_TRUE(!c.toLeftEdge || cell.left == 0);
        EXPECT_EQ(CRect(edit->geometry()), CRect(cell.left + (c.image ? 16 : 0), cell.top,
                                                 std::min(cell.right, client.right), cell.bottom));
        EXPECT_TRUE(edit->GetStyle() == c.style && edit->GetDlgCtrlID() == c.id);
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
        {1, {"1", "n", "x"}, "yz", Qt::Key_Return, {"yz1", "n", "x"}},  // typed at the start
        {1, {"1", "n", "x"}, "yz", Qt::Key_Escape, {}},
        {2, {"1"}, "q", Qt::Key_Return, {"1", "q"}},  // the sub-texts grow to the column
        {2, {"1", hostile}, "Ж€é", Qt::Key_Enter, {"1", "Ж€é" + hostile}},
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

TEST(GridEdit, TypingWidensTheBoxToTheGridsEdgeAndKeysStayOutOfShortcuts) {
    EditGrid grid(400);
    int print = 0, erase = 0, refresh = 0;
    for (const auto& [keys, count] :
         {std::pair{"Ctrl+P", &print}, {"Delete", &erase}, {"F5", &refresh}, {"Return", &erase}}) {
        auto* action = new QAction(grid.parentWidget());
        action->setShortcut(QKeySequence(keys));
        QObject::connect(action, &QAction::triggered, [count = count] { ++*count; });
        grid.parentWidget()->addAction(action);
    }
    CGridCellEdit* edit = grid.Edit(3, 2);  // column 2: 280..360 of a client area about 400 wide
    ASSERT_TRUE(edit);
    QTest::keyClick(edit, Qt::Key_P, Qt::ControlModifier);
    QTest::keyClick(edit, Qt::Key_Delete);  // deletes "R" of "R2"
    QTest::keyClick(edit, Qt::Key_Down);    // stays in the box: the selection does not move
    QTest::keyClick(edit, Qt::Key_F5);
    EXPECT_TRUE(edit->text() == "2" && print == 0 && erase == 0 && refresh == 1);
    EXPECT_EQ(grid.GetSelectedRow(), 3);

    const QRect start = edit->geometry();
    CRect client;
    grid.GetClientRect(&client);
    for (int i = 0; i < 20; ++i) {
        const int before = edit->width();
        QTest::keyClick(edit, Qt::Key_W);
        const int wanted = edit->fontMetrics().horizontalAdvance(edit->text()) + 5;
        EXPECT_EQ(edit->width(), std::max(before, std::min(wanted, client.right - start.x())));
        EXPECT_TRUE(edit->pos() == start.topLeft() && edit->height() == start.height());
    }
    EXPECT_EQ(edit->geometry().right() + 1, client.right);
    QTest::keyClick(edit, Qt::Key_Return);
    EXPECT_EQ(erase, 0);
}

TEST(GridEdit, OneClickOneBoxWhichTheWheelKeepsAndRowChangesEndADragNone) {
    EditGrid grid;
    for (int i = 0; i < 20; ++i) {
        grid.InsertRootNode(nullptr);
    }
    grid.Edit(1, 1);
    CGridCellEdit* edit = grid.Edit(3, 2);  // the press ended the first box, the release this
    ASSERT_TRUE(edit && edit->m_nItem == 3 && grid.reports.size() == 1u);
    const int top = edit->y();
    QWheelEvent wheel(edit->pos(), edit->mapToGlobal(QPoint()), QPoint(), QPoint(0, -120),
                      Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
    QApplication::sendEvent(grid.viewport(), &wheel);
    const int lines = QApplication::wheelScrollLines();
    EXPECT_TRUE(grid.GetTopIndex() == lines && edit->hasFocus());
    EXPECT_EQ(edit->y(), top - lines * grid.GetRowHeight());  // it moved with its cell
    Type(edit, "mine ");
    grid.CollapseNode(grid.N("R1"));  // R2 moves up: the box ended while row 3 was still R2's
    EXPECT_TRUE(grid.Open() == nullptr && grid.GetInfo(grid.N("R2"))->GetSubText(1) == "mine R2");
    EXPECT_TRUE(Settled(grid));

    const QPoint start = grid.Bounds(5).ToQRect().center();
    QTest::mousePress(grid.viewport(), Qt::LeftButton, {}, start);
    grid.Move(start + QPoint(20, 0));
    QTest::mouseRelease(grid.viewport(), Qt::LeftButton, {}, start + QPoint(20, 0));
    EXPECT_TRUE(grid.Open() == nullptr && grid.GetSelectedRow() == 5);

    auto* window = new QWidget;
    auto* doomed = new TestGrid(true, 300, 200, window);
    doomed->InsertRootNode(nullptr);
    window->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window) && doomed->EditCell(0, 1) != nullptr);
    delete window;  // the grid and its open box go without a report (address sanitizer build)
}

}  // namespace
