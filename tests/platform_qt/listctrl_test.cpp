// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/qt/listctrl.h"

#include <gtest/gtest.h>

#include <QScrollBar>
#include <QTest>

#include <optional>

namespace {

constexpr UINT kSelFocus = LVIS_SELECTED | LVIS_FOCUSED;

// A shown list, three columns of 100 pixels, recording the rows it paints and the keys it hears.
class RecordingList : public CListCtrl {
public:
    explicit RecordingList(int rows, int width = 320) {
        resize(width, 240);
        for (int col = 0; col < 3; ++col) {
            InsertColumn(col, QString("Col %1").arg(col), col, 100);
        }
        for (int i = 0; i < rows; ++i) {
            InsertItem(i, QString("row %1").arg(i));
        }
        show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(this));
    }

    void DrawItem(DRAWITEMSTRUCT* record) override { drawn.push_back(*record); }
    void OnListKeyDown(int) override { heard.push_back(Selected()); }

    // GetItemRect, or with a column GetSubItemRect; none when it fails.
    std::optional<CRect> Rect(int row, UINT code, int col = -1) const {
        CRect rect;
        const BOOL ok =
            col < 0 ? GetItemRect(row, &rect, code) : GetSubItemRect(row, col, code, rect);
        return ok ? std::optional(rect) : std::nullopt;
    }
    int Selected() const { return GetNextItem(-1, LVNI_SELECTED); }
    int Focused() const { return GetNextItem(-1, LVNI_FOCUSED); }

    std::vector<DRAWITEMSTRUCT> drawn;
    std::vector<int> heard;  // the selected row when the owner heard of a key
};

TEST(CListCtrl, OneRowIsSelectedAndOneFocusedAndStatesTravelWithRows) {
    RecordingList list(5);
    list.SetItemState(1, kSelFocus, kSelFocus);
    list.SetItemState(3, LVIS_SELECTED, LVIS_SELECTED);  // takes the selection from row 1
    list.SetItemState(4, LVIS_CUT | LVIS_DROPHILITED, LVIS_CUT | LVIS_DROPHILITED);
    const struct {
        int start;
        UINT flags;
        int expected;
    } cases[] = {{-1, LVNI_SELECTED, 3}, {3, LVNI_SELECTED, -1},    {-1, LVNI_FOCUSED, 1},
                 {-1, LVNI_CUT, 4},      {-1, LVNI_DROPHILITED, 4}, {-1, kSelFocus, -1}};
    for (const auto& c : cases) {
        EXPECT_EQ(list.GetNextItem(c.start, c.flags), c.expected) << c.start << " " << c.flags;
    }
    list.InsertItem(0, "above");
    EXPECT_TRUE(list.Selected() == 4 && list.Focused() == 2);
    list.DeleteItem(4);
    EXPECT_EQ(list.Selected(), -1);
    list.SetItemState(-1, 0, LVIS_FOCUSED | LVIS_CUT);  // -1: every row
    EXPECT_EQ(list.Focused() + list.GetNextItem(-1, LVNI_CUT), -2);
    EXPECT_EQ(list.GetNextItem(-1, LVNI_DROPHILITED), 4);
}

// Rows and columns scrolled off below or beside the viewport are not hit: nobody sees them.
TEST(CListCtrl, HitTestFindsRowAndColumnAndNothingBelowTheRowsOrOutsideTheViewport) {
    RecordingList list(20, 200);
    const int h = list.GetRowHeight();
    const int below = list.viewport()->height(), beside = list.viewport()->width();
    const struct {
        int x, y, scrollX, top, row, col;
        UINT flags;
    } cases[] = {{5, 1, 0, 0, 0, 0, LVHT_ONITEM},
                 {99, h, 0, 0, 1, 0, LVHT_ONITEM},
                 {100, h, 0, 0, 1, 1, LVHT_ONITEMLABEL},
                 {beside - 1, 4 * h - 1, 0, 0, 3, 1, LVHT_ONITEMLABEL},
                 {beside, h, 0, 0, -1, -1, LVHT_NOWHERE},
                 {5, -1, 0, 0, -1, -1, LVHT_NOWHERE},
                 {5, below, 0, 0, -1, -1, LVHT_NOWHERE},
                 {60, 2 * h + 1, 50, 3, 5, 1, LVHT_ONITEMLABEL}};
    for (const auto& c : cases) {
        list.horizontalScrollBar()->setValue(c.scrollX);
        list.verticalScrollBar()->setValue(c.top);
        ASSERT_EQ(list.GetTopIndex(), c.top);
        LVHITTESTINFO hit{CPoint(c.x, c.y)};
        EXPECT_EQ(list.SubItemHitTest(&hit), c.row) << c.x << "," << c.y;
        EXPECT_EQ(std::tuple(hit.iItem, hit.iSubItem, hit.flags),
                  std::tuple(c.row, c.col, c.flags));
    }
}

// The owner hears of a key with the selection still where it was, then the selection moves.
TEST(CListCtrl, KeysNotifyTheOwnerThenMoveTheSelectionIntoView) {
    RecordingList list(40);
    const int page = list.GetCountPerPage();
    const struct {
        int start, top;
        Qt::Key key;
        int expected;
    } cases[] = {{5, 0, Qt::Key_Down, 6},
                 {5, 0, Qt::Key_Up, 4},
                 {0, 0, Qt::Key_Up, 0},
                 {39, 39 - page + 1, Qt::Key_Down, 39},
                 {5, 0, Qt::Key_Home, 0},
                 {5, 0, Qt::Key_End, 39},
                 {-1, 0, Qt::Key_Down, 0},
                 {2, 0, Qt::Key_PageDown, page - 1},
                 {page - 1, 0, Qt::Key_PageDown, 2 * page - 1},
                 {8, 6, Qt::Key_PageUp, 6},
                 {6, 6, Qt::Key_PageUp, 0}};
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.start << " " << c.key);
        list.SetItemState(-1, 0, kSelFocus);
        list.SetItemState(c.start, kSelFocus, kSelFocus);
        list.verticalScrollBar()->setValue(c.top);
        list.heard.clear();
        QTest::keyClick(&list, c.key);
        EXPECT_TRUE(list.Selected() == c.expected && list.Focused() == c.expected);
        EXPECT_EQ(list.heard, std::vector{c.start});
        const int shown = c.expected - list.GetTopIndex();
        EXPECT_TRUE(shown >= 0 && shown < page) << "in view";
    }
}

TEST(CListCtrl, PaintsEachVisibleRowOnceUnlessRedrawIsOff) {
    RecordingList list(40, 200);
    const int h = list.GetRowHeight();
    list.Scroll(CSize(30, 2 * h));
    list.SetItemState(4, kSelFocus, kSelFocus);
    list.SetItemState(5, LVIS_SELECTED, LVIS_SELECTED);  // row 4 keeps the focus
    CRect client;
    list.GetClientRect(&client);
    list.drawn.clear();
    list.UpdateWindow();
    // Every row from the top one whose top lies above the bottom edge, in order, once.
    std::vector<std::tuple<UINT, UINT, CRect>> want, got;
    for (int row = 2; row < 40 && list.Rect(row, LVIR_BOUNDS)->top < client.bottom; ++row) {
        const UINT state = row == 5 ? ODS_SELECTED : row == 4 && list.hasFocus() ? ODS_FOCUS : 0;
        want.emplace_back(row, state, *list.Rect(row, LVIR_BOUNDS));
    }
    for (const DRAWITEMSTRUCT& record : list.drawn) {
        got.emplace_back(record.itemID, record.itemState, record.rcItem);
    }
    EXPECT_TRUE(got == want && std::get<2>(want[0]).left == -30);
    // Redraw off: neither an immediate repaint nor a change paints; switching it on paints once.
    list.drawn.clear();
    list.SetRedraw(FALSE);
    list.SetItemText(3, 0, "changed");
    list.UpdateWindow();
    QApplication::processEvents();
    EXPECT_TRUE(list.drawn.empty());
    list.SetRedraw(TRUE);
    QApplication::processEvents();
    EXPECT_EQ(list.drawn.size(), want.size());
    list.drawn.clear();
    list.RedrawItems(6, 6);
    QApplication::processEvents();
    EXPECT_TRUE(list.drawn.size() == 1 && list.drawn[0].itemID == 6u);

    // Grid lines on the columns' right edges and the rows' bottom edges, only when asked for.
    const QRgb line = list.palette().color(QPalette::Midlight).rgb();
    for (const bool grid : {false, true}) {
        list.SetExtendedStyle(grid ? LVS_EX_GRIDLINES : 0);
        const QImage image = list.viewport()->grab().toImage();
        EXPECT_EQ(image.pixel(99 - 30, h / 2) == line && image.pixel(50, h - 1) == line, grid);
        EXPECT_NE(image.pixel(50, h / 2), line);
    }
}

}  // namespace
