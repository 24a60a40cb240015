#include "platform/qt/listctrl.h"

#include "platform/qt/dc.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QFontMetrics>
#include <QHeaderView>
#include <QMouseEvent>
#include <QPixmap>
#include <QScrollBar>
#include <QTest>

#include <vector>

namespace {

// A list that records what it hands to its overridable parts.
class RecordingList : public CListCtrl {
public:
    struct Drawn {
        UINT itemID;
        UINT itemState;
        CRect rcItem;
        bool painterActive;
    };

    explicit RecordingList(int width = 320) {
        resize(width, 240);
        for (int col = 0; col < 3; ++col) {
            InsertColumn(col, QString("Col %1").arg(col), col == 1 ? LVCFMT_RIGHT : LVCFMT_LEFT,
                         100);
        }
    }

    void AddRows(int count) {
        for (int i = 0; i < count; ++i) {
            InsertItem(GetItemCount(), QString("row %1").arg(i));
        }
    }

    void DrawItem(DRAWITEMSTRUCT* record) override {
        const bool active = record->pDC != nullptr && record->pDC->GetPainter()->isActive();
        drawn.push_back({record->itemID, record->itemState, record->rcItem, active});
        EXPECT_EQ(record->CtlType, ODT_LISTVIEW);
        EXPECT_EQ(record->itemAction, ODA_DRAWENTIRE);
    }
    void OnBeginDrag(int row, CPoint point) override { drags.push_back({row, point}); }
    void OnDblClk(CPoint point) override { doubleClicks.push_back(point); }
    void OnListKeyDown(int vk) override { keys.push_back({vk, GetNextItem(-1, LVNI_SELECTED)}); }

    // The point in the middle of a cell.
    QPoint CellCentre(int row, int col) const {
        CRect rect;
        EXPECT_TRUE(GetSubItemRect(row, col, LVIR_BOUNDS, rect));
        if (col == 0) {
            rect.right = rect.left + GetColumnWidth(0);
        }
        return QPoint((rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2);
    }

    std::vector<Drawn> drawn;
    std::vector<std::pair<int, CPoint>> drags;
    std::vector<CPoint> doubleClicks;
    std::vector<std::pair<int, int>> keys;  // key, selected row when it was notified
};

void ShowAndWait(QWidget& widget) {
    widget.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&widget));
}

QPixmap SixteenSquare() {
    QPixmap image(16, 16);
    image.fill(Qt::red);
    return image;
}

void SendMove(QWidget* target, QPoint pos, Qt::MouseButtons buttons) {
    QMouseEvent move(QEvent::MouseMove, pos, target->mapToGlobal(pos), Qt::NoButton, buttons,
                     Qt::NoModifier);
    QApplication::sendEvent(target, &move);
}

TEST(CListCtrl, RowsKeepTextsDataIndentImageAndStateInTheirOrder) {
    RecordingList list;
    LVITEM item;
    item.mask = LVIF_TEXT | LVIF_PARAM | LVIF_INDENT | LVIF_IMAGE;
    item.iItem = 99;  // past the end: appended
    item.pszText = "b";
    item.lParam = 0xB0;
    item.iIndent = 2;
    item.iImage = 4;
    EXPECT_EQ(list.InsertItem(item), 0);
    EXPECT_EQ(list.InsertItem(0, "a"), 0);
    EXPECT_EQ(list.InsertItem(-1, "never"), -1);
    ASSERT_TRUE(list.SetItemText(1, 2, "b2"));
    EXPECT_FALSE(list.SetItemText(2, 0, "no row"));

    LVITEM read;
    read.mask = LVIF_TEXT | LVIF_PARAM | LVIF_INDENT | LVIF_IMAGE;
    read.iItem = 1;
    ASSERT_TRUE(list.GetItem(&read));
    EXPECT_EQ(read.pszText, "b");
    EXPECT_EQ(read.lParam, 0xB0u);
    EXPECT_EQ(read.iIndent, 2);
    EXPECT_EQ(read.iImage, 4);
    EXPECT_EQ(list.GetItemText(1, 1), "");
    EXPECT_EQ(list.GetItemText(1, 2), "b2");
    EXPECT_EQ(list.GetItemData(0), 0u);
    EXPECT_EQ(list.GetItemData(7), 0u);

    // SetItem changes only what the mask names; on a sub-item only the text.
    LVITEM change;
    change.mask = LVIF_INDENT | LVIF_TEXT;
    change.iItem = 1;
    change.iIndent = 5;
    change.pszText = "B";
    ASSERT_TRUE(list.SetItem(change));
    change.iSubItem = 1;
    change.iIndent = 9;
    change.pszText = "B1";
    ASSERT_TRUE(list.SetItem(change));
    ASSERT_TRUE(list.GetItem(&read));
    EXPECT_EQ(read.iIndent, 5);
    EXPECT_EQ(read.iImage, 4);
    EXPECT_EQ(list.GetItemText(1, 0), "B");
    EXPECT_EQ(list.GetItemText(1, 1), "B1");

    // A column inserted in the middle keeps every cell under its own heading.
    list.InsertColumn(1, "New", LVCFMT_LEFT, 40);
    EXPECT_EQ(list.GetItemText(1, 1), "");
    EXPECT_EQ(list.GetItemText(1, 2), "B1");
    EXPECT_EQ(list.GetItemText(1, 3), "b2");

    EXPECT_TRUE(list.DeleteItem(0));
    EXPECT_FALSE(list.DeleteItem(1));
    EXPECT_EQ(list.GetItemCount(), 1);
    EXPECT_EQ(list.GetItemData(0), 0xB0u);
    EXPECT_TRUE(list.DeleteAllItems());
    EXPECT_EQ(list.GetItemCount(), 0);
}

TEST(CListCtrl, SelectionAndFocusBelongToOneRowAndMoveWithIt) {
    RecordingList list;
    list.AddRows(5);
    const UINT both = LVIS_SELECTED | LVIS_FOCUSED;
    list.SetItemState(1, both, both);
    list.SetItemState(3, LVIS_SELECTED, LVIS_SELECTED);
    list.SetItemState(4, LVIS_CUT | LVIS_DROPHILITED, LVIS_CUT | LVIS_DROPHILITED);
    EXPECT_EQ(list.GetItemState(1, both), LVIS_FOCUSED);  // the selection went to row 3
    EXPECT_EQ(list.GetItemState(3, both), LVIS_SELECTED);

    struct Case {
        int start;
        UINT flags;
        int expected;
    };
    const Case cases[] = {
        {-1, LVNI_SELECTED, 3}, {3, LVNI_SELECTED, -1},    {-1, LVNI_FOCUSED, 1},
        {-1, LVNI_CUT, 4},      {-1, LVNI_DROPHILITED, 4}, {-1, LVNI_SELECTED | LVNI_FOCUSED, -1},
        {-1, LVNI_ALL, 0},      {2, LVNI_ALL, 3},          {4, LVNI_ALL, -1},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(list.GetNextItem(c.start, c.flags), c.expected)
            << "start " << c.start << " flags " << c.flags;
    }

    list.InsertItem(0, "above");  // the states travel with their rows
    EXPECT_EQ(list.GetNextItem(-1, LVNI_SELECTED), 4);
    EXPECT_EQ(list.GetNextItem(-1, LVNI_FOCUSED), 2);
    list.DeleteItem(4);
    EXPECT_EQ(list.GetNextItem(-1, LVNI_SELECTED), -1);

    list.SetItemState(-1, 0, LVIS_FOCUSED | LVIS_CUT);  // -1: every row
    EXPECT_EQ(list.GetNextItem(-1, LVNI_FOCUSED), -1);
    EXPECT_EQ(list.GetNextItem(-1, LVNI_CUT), -1);
    EXPECT_EQ(list.GetNextItem(-1, LVNI_DROPHILITED), 4);
    EXPECT_FALSE(list.SetItemState(9, both, both));
}

TEST(CListCtrl, CheckBoxesBringTheirImagesAndUncheckedRows) {
    RecordingList list;
    list.AddRows(2);
    EXPECT_EQ(list.GetImageList(LVSIL_STATE), nullptr);
    EXPECT_EQ(list.SetExtendedStyle(LVS_EX_CHECKBOXES), 0u);
    const CImageList* boxes = list.GetImageList(LVSIL_STATE);
    ASSERT_NE(boxes, nullptr);
    EXPECT_EQ(boxes->GetImageCount(), 2);
    EXPECT_EQ(boxes->GetIconSize(), CSize(16, 16));
    EXPECT_NE(boxes->GetImage(0).toImage(), boxes->GetImage(1).toImage());

    list.AddRows(1);
    for (int row = 0; row < 3; ++row) {
        EXPECT_EQ(list.GetItemState(row, LVIS_STATEIMAGEMASK), INDEXTOSTATEIMAGEMASK(1));
        EXPECT_FALSE(list.GetCheck(row));
    }
    ASSERT_TRUE(list.SetCheck(1));
    EXPECT_TRUE(list.GetCheck(1));
    EXPECT_EQ(list.GetItemState(1, LVIS_STATEIMAGEMASK), INDEXTOSTATEIMAGEMASK(2));
    list.SetCheck(1, FALSE);
    EXPECT_FALSE(list.GetCheck(1));

    EXPECT_EQ(list.SetExtendedStyle(LVS_EX_GRIDLINES), LVS_EX_CHECKBOXES);
    EXPECT_EQ(list.GetExtendedStyle(), LVS_EX_GRIDLINES);
    EXPECT_EQ(list.GetImageList(LVSIL_STATE), nullptr);
}

TEST(CListCtrl, ColumnsReportFormatWidthAndHeadingInIndexOrder) {
    RecordingList list;
    EXPECT_EQ(list.GetColumnCount(), 3);
    EXPECT_EQ(list.InsertColumn(50, "Last", LVCFMT_CENTER, 30), 3);
    LVCOLUMN column;
    ASSERT_TRUE(list.GetColumn(1, &column));
    EXPECT_EQ(column.fmt, LVCFMT_RIGHT);
    EXPECT_EQ(column.cx, 100);
    EXPECT_EQ(column.pszText, "Col 1");
    ASSERT_TRUE(list.GetColumn(3, &column));
    EXPECT_EQ(column.fmt, LVCFMT_CENTER);
    EXPECT_FALSE(list.GetColumn(4, &column));
    EXPECT_TRUE(list.SetColumnWidth(2, 18));
    EXPECT_EQ(list.GetColumnWidth(2), 18);
    EXPECT_FALSE(list.SetColumnWidth(4, 10));
    EXPECT_EQ(list.GetColumnWidth(4), 0);
    int order[4] = {-1, -1, -1, -1};
    ASSERT_TRUE(list.GetColumnOrderArray(order, 4));
    EXPECT_EQ(std::vector<int>(order, order + 4), (std::vector<int>{0, 1, 2, 3}));
    EXPECT_EQ(list.GetStyle() & LVS_OWNERDRAWFIXED, LVS_OWNERDRAWFIXED);
    EXPECT_FALSE(list.GetHeaderCtrl()->sectionsMovable());
}

TEST(CListCtrl, RowHeightFollowsTheFont) {
    RecordingList list;
    for (const int pixels : {11, 30}) {
        QFont font = list.font();
        font.setPixelSize(pixels);
        list.setFont(font);
        const QFontMetrics metrics(font);
        EXPECT_EQ(list.GetRowHeight(), metrics.height() + metrics.leading() + 4) << pixels;
        list.AddRows(2);
        CRect second;
        ASSERT_TRUE(list.GetItemRect(1, &second, LVIR_BOUNDS));
        EXPECT_EQ(second.top, list.GetRowHeight());
        EXPECT_EQ(second.Height(), list.GetRowHeight());
        list.DeleteAllItems();
    }
}

TEST(CListCtrl, ItemRectanglesFollowIndentImagesAndHorizontalScroll) {
    RecordingList list(200);
    ShowAndWait(list);
    CImageList small;
    small.Add(SixteenSquare());
    list.AddRows(3);
    LVITEM indent;
    indent.mask = LVIF_INDENT;
    indent.iItem = 2;
    indent.iIndent = 2;
    list.SetItem(indent);
    const int h = list.GetRowHeight();

    struct Case {
        bool smallImages;
        bool checkBoxes;
        int row;
        CRect icon;
        CRect label;
    };
    const Case cases[] = {
        {false, false, 2, CRect(0, 2 * h, 0, 3 * h), CRect(0, 2 * h, 100, 3 * h)},
        {true, false, 0, CRect(0, 0, 16, h), CRect(16, 0, 100, h)},
        {true, false, 2, CRect(32, 2 * h, 48, 3 * h), CRect(48, 2 * h, 100, 3 * h)},
        {true, true, 2, CRect(48, 2 * h, 64, 3 * h), CRect(64, 2 * h, 100, 3 * h)},
        {false, true, 1, CRect(16, h, 16, 2 * h), CRect(16, h, 100, 2 * h)},
    };
    for (const Case& c : cases) {
        list.SetImageList(c.smallImages ? &small : nullptr, LVSIL_SMALL);
        list.SetExtendedStyle(c.checkBoxes ? LVS_EX_CHECKBOXES : 0);
        CRect rect;
        ASSERT_TRUE(list.GetItemRect(c.row, &rect, LVIR_ICON));
        EXPECT_EQ(rect, c.icon) << c.smallImages << c.checkBoxes << c.row;
        ASSERT_TRUE(list.GetItemRect(c.row, &rect, LVIR_LABEL));
        EXPECT_EQ(rect, c.label) << c.smallImages << c.checkBoxes << c.row;
        ASSERT_TRUE(list.GetSubItemRect(c.row, 0, LVIR_LABEL, rect));
        EXPECT_EQ(rect, c.label);
    }

    // Column 0 narrower than the indentation: the label shrinks to nothing at the column's edge.
    list.SetImageList(&small, LVSIL_SMALL);
    list.SetColumnWidth(0, 40);
    CRect label;
    list.GetItemRect(2, &label, LVIR_LABEL);
    EXPECT_EQ(label, CRect(40, 2 * h, 40, 3 * h));
    list.SetColumnWidth(0, 100);

    ASSERT_TRUE(list.Scroll(CSize(25, 0)));
    ASSERT_EQ(list.horizontalScrollBar()->value(), 25);
    CRect rect;
    ASSERT_TRUE(list.GetItemRect(1, &rect, LVIR_BOUNDS));
    EXPECT_EQ(rect, CRect(-25, h, 275, 2 * h));
    ASSERT_TRUE(list.GetSubItemRect(1, 0, LVIR_BOUNDS, rect));
    EXPECT_EQ(rect, CRect(-25, h, 275, 2 * h));
    ASSERT_TRUE(list.GetSubItemRect(1, 2, LVIR_LABEL, rect));
    EXPECT_EQ(rect, CRect(175, h, 275, 2 * h));
    ASSERT_TRUE(list.GetItemRect(2, &rect, LVIR_LABEL));  // indent 2, check box, icon
    EXPECT_EQ(rect, CRect(-25 + 2 * 16 + 16 + 16, 2 * h, 75, 3 * h));

    EXPECT_FALSE(list.GetItemRect(3, &rect, LVIR_BOUNDS));
    EXPECT_FALSE(list.GetItemRect(-1, &rect, LVIR_BOUNDS));
    EXPECT_FALSE(list.GetSubItemRect(1, 3, LVIR_BOUNDS, rect));
    list.SetImageList(nullptr, LVSIL_SMALL);
}

TEST(CListCtrl, HitTestFindsRowAndColumnAndNothingBelowTheRows) {
    RecordingList list(200);
    ShowAndWait(list);
    list.AddRows(20);
    const int h = list.GetRowHeight();
    struct Case {
        CPoint pt;
        int row;
        int col;
        UINT flags;
    };
    const Case unscrolled[] = {
        {CPoint(5, 1), 0, 0, LVHT_ONITEM},
        {CPoint(99, h), 1, 0, LVHT_ONITEM},
        {CPoint(100, h), 1, 1, LVHT_ONITEMLABEL},
        {CPoint(299, 3 * h + h - 1), 3, 2, LVHT_ONITEMLABEL},
        {CPoint(300, 0), -1, -1, LVHT_NOWHERE},  // right of the last column
        {CPoint(5, -1), -1, 0, LVHT_NOWHERE},
        {CPoint(5, 20 * h), -1, 0, LVHT_NOWHERE},  // below the last row
    };
    for (const Case& c : unscrolled) {
        LVHITTESTINFO hit;
        hit.pt = c.pt;
        EXPECT_EQ(list.SubItemHitTest(&hit), c.row) << c.pt.x << "," << c.pt.y;
        EXPECT_EQ(hit.iItem, c.row);
        EXPECT_EQ(hit.iSubItem, c.col);
        EXPECT_EQ(hit.flags, c.flags);
    }

    list.Scroll(CSize(50, 3 * h));
    ASSERT_EQ(list.GetTopIndex(), 3);
    LVHITTESTINFO hit;
    hit.pt = CPoint(60, 2 * h + 1);  // x 110 in the row
    EXPECT_EQ(list.SubItemHitTest(&hit), 5);
    EXPECT_EQ(hit.iSubItem, 1);
    hit.pt = CPoint(60, 17 * h);  // row 20
    EXPECT_EQ(list.SubItemHitTest(&hit), -1);

    list.DeleteAllItems();
    hit.pt = CPoint(10, 1);
    EXPECT_EQ(list.SubItemHitTest(&hit), -1);
    EXPECT_EQ(hit.flags, LVHT_NOWHERE);
}

TEST(CListCtrl, ScrollingByRowsAndEnsureVisible) {
    RecordingList list;
    ShowAndWait(list);
    list.AddRows(50);
    const int h = list.GetRowHeight();
    CRect client;
    list.GetClientRect(&client);
    const int perPage = list.GetCountPerPage();
    ASSERT_EQ(perPage, client.Height() / h);
    ASSERT_GT(perPage, 2);
    const bool partialRow = client.Height() % h != 0;

    // Half a row or more rounds to a whole row.
    list.Scroll(CSize(0, h + h / 2));
    EXPECT_EQ(list.GetTopIndex(), 2);
    list.Scroll(CSize(0, -(h / 2 - 1)));
    EXPECT_EQ(list.GetTopIndex(), 2);
    list.Scroll(CSize(0, -1000 * h));
    EXPECT_EQ(list.GetTopIndex(), 0);
    list.Scroll(CSize(0, 1000 * h));
    EXPECT_EQ(list.GetTopIndex(), 50 - perPage);

    EXPECT_TRUE(list.EnsureVisible(10, FALSE));
    EXPECT_EQ(list.GetTopIndex(), 10);
    EXPECT_TRUE(list.EnsureVisible(10 + perPage - 1, FALSE));  // already wholly visible
    EXPECT_EQ(list.GetTopIndex(), 10);
    if (partialRow) {
        EXPECT_TRUE(list.EnsureVisible(10 + perPage, TRUE));  // partly visible counts
        EXPECT_EQ(list.GetTopIndex(), 10);
    }
    EXPECT_TRUE(list.EnsureVisible(10 + perPage, FALSE));
    EXPECT_EQ(list.GetTopIndex(), 11);
    EXPECT_TRUE(list.EnsureVisible(30, TRUE));
    EXPECT_EQ(list.GetTopIndex(), 30 - perPage + 1);
    EXPECT_FALSE(list.EnsureVisible(50, TRUE));
    EXPECT_FALSE(list.EnsureVisible(-1, TRUE));

    // Horizontal scrolling stops at the columns' right end.
    list.Scroll(CSize(10000, 0));
    EXPECT_EQ(list.horizontalScrollBar()->value(), std::max(0, 300 - client.Width()));
    list.Scroll(CSize(-10000, 0));
    EXPECT_EQ(list.horizontalScrollBar()->value(), 0);
}

TEST(CListCtrl, MouseSelectsOneRowAndKeepsItOnEmptySpace) {
    RecordingList list;
    ShowAndWait(list);
    list.AddRows(4);
    QTest::mouseClick(list.viewport(), Qt::LeftButton, {}, list.CellCentre(2, 1));
    EXPECT_EQ(list.GetNextItem(-1, LVNI_SELECTED), 2);
    EXPECT_EQ(list.GetNextItem(-1, LVNI_FOCUSED), 2);
    EXPECT_TRUE(list.hasFocus());
    QTest::mouseClick(list.viewport(), Qt::LeftButton, {}, list.CellCentre(0, 0));
    EXPECT_EQ(list.GetNextItem(-1, LVNI_SELECTED), 0);
    EXPECT_EQ(list.GetNextItem(0, LVNI_SELECTED), -1);

    const QPoint below(10, 4 * list.GetRowHeight() + 3);
    QTest::mouseClick(list.viewport(), Qt::LeftButton, {}, below);
    EXPECT_EQ(list.GetNextItem(-1, LVNI_SELECTED), 0);
    EXPECT_TRUE(list.doubleClicks.empty());

    QTest::mouseDClick(list.viewport(), Qt::LeftButton, {}, list.CellCentre(3, 2));
    ASSERT_EQ(list.doubleClicks.size(), 1u);
    EXPECT_EQ(list.doubleClicks[0], CPoint(list.CellCentre(3, 2)));
    EXPECT_EQ(list.GetNextItem(-1, LVNI_SELECTED), 3);
    EXPECT_TRUE(list.drags.empty());
}

TEST(CListCtrl, DraggingFromARowRaisesBeginDragOnce) {
    RecordingList list;
    ShowAndWait(list);
    list.AddRows(4);
    const int distance = QApplication::startDragDistance();
    const QPoint start = list.CellCentre(1, 0);

    QTest::mousePress(list.viewport(), Qt::LeftButton, {}, start);
    SendMove(list.viewport(), start + QPoint(distance - 1, 0), Qt::LeftButton);
    EXPECT_TRUE(list.drags.empty());
    SendMove(list.viewport(), start + QPoint(distance, 0), Qt::LeftButton);
    SendMove(list.viewport(), start + QPoint(3 * distance, 5), Qt::LeftButton);
    QTest::mouseRelease(list.viewport(), Qt::LeftButton, {}, start + QPoint(3 * distance, 5));
    ASSERT_EQ(list.drags.size(), 1u);
    EXPECT_EQ(list.drags[0].first, 1);
    EXPECT_EQ(list.drags[0].second, CPoint(start));

    // No drag without the button, after the release, or from below the rows.
    SendMove(list.viewport(), start + QPoint(5 * distance, 0), Qt::NoButton);
    const QPoint below(10, 4 * list.GetRowHeight() + 3);
    QTest::mousePress(list.viewport(), Qt::LeftButton, {}, below);
    SendMove(list.viewport(), below + QPoint(3 * distance, 0), Qt::LeftButton);
    QTest::mouseRelease(list.viewport(), Qt::LeftButton, {}, below + QPoint(3 * distance, 0));
    EXPECT_EQ(list.drags.size(), 1u);
}

TEST(CListCtrl, KeysMoveTheSelectionAfterNotifyingTheOwner) {
    RecordingList list;
    ShowAndWait(list);
    list.AddRows(40);
    const int perPage = list.GetCountPerPage();
    ASSERT_GT(perPage, 3);
    struct Case {
        int start;
        int top;
        Qt::Key key;
        int expected;
    };
    const Case cases[] = {
        {5, 0, Qt::Key_Down, 6},
        {5, 0, Qt::Key_Up, 4},
        {0, 0, Qt::Key_Up, 0},
        {39, 39 - perPage + 1, Qt::Key_Down, 39},
        {5, 0, Qt::Key_Home, 0},
        {5, 0, Qt::Key_End, 39},
        {2, 0, Qt::Key_PageDown, perPage - 1},                // to the page's last row
        {perPage - 1, 0, Qt::Key_PageDown, 2 * perPage - 1},  // then a page further
        {8, 6, Qt::Key_PageUp, 6},                            // to the page's first row
        {6, 6, Qt::Key_PageUp, 0},
        {-1, 0, Qt::Key_Down, 0},
    };
    for (const Case& c : cases) {
        list.SetItemState(-1, 0, LVIS_SELECTED | LVIS_FOCUSED);
        if (c.start >= 0) {
            list.SetItemState(c.start, LVIS_SELECTED | LVIS_FOCUSED, LVIS_SELECTED | LVIS_FOCUSED);
        }
        list.verticalScrollBar()->setValue(c.top);
        QTest::keyClick(&list, c.key);
        EXPECT_EQ(list.GetNextItem(-1, LVNI_SELECTED), c.expected) << c.start << " " << c.key;
        EXPECT_EQ(list.GetNextItem(-1, LVNI_FOCUSED), c.expected);
        CRect rect;
        list.GetItemRect(c.expected, &rect, LVIR_BOUNDS);
        CRect client;
        list.GetClientRect(&client);
        EXPECT_TRUE(rect.top >= 0 && rect.bottom <= client.bottom) << "kept in view";
    }

    // The owner hears of the key before the list moves the selection.
    list.keys.clear();
    list.SetItemState(4, LVIS_SELECTED | LVIS_FOCUSED, LVIS_SELECTED | LVIS_FOCUSED);
    QTest::keyClick(&list, Qt::Key_Down);
    ASSERT_EQ(list.keys.size(), 1u);
    EXPECT_EQ(list.keys[0], std::make_pair(VK_DOWN, 4));

    // Plus, minus and asterisk only count on the keypad; Enter and Left reach the owner too.
    list.keys.clear();
    QTest::keyClick(&list, Qt::Key_Plus);
    QTest::keyClick(&list, Qt::Key_Plus, Qt::KeypadModifier);
    QTest::keyClick(&list, Qt::Key_Minus, Qt::KeypadModifier);
    QTest::keyClick(&list, Qt::Key_Asterisk, Qt::KeypadModifier);
    QTest::keyClick(&list, Qt::Key_Return);
    QTest::keyClick(&list, Qt::Key_Left);
    std::vector<int> vks;
    for (const auto& key : list.keys) {
        vks.push_back(key.first);
    }
    EXPECT_EQ(vks, (std::vector<int>{VK_ADD, VK_SUBTRACT, VK_MULTIPLY, VK_RETURN, VK_LEFT}));
    EXPECT_EQ(list.GetNextItem(-1, LVNI_SELECTED), 5);
}

TEST(CListCtrl, SpaceTogglesTheSelectedRowsCheckBoxOnlyWithCheckBoxes) {
    RecordingList list;
    ShowAndWait(list);
    list.AddRows(3);
    list.SetItemState(1, LVIS_SELECTED, LVIS_SELECTED);
    QTest::keyClick(&list, Qt::Key_Space);
    EXPECT_EQ(list.GetItemState(1, LVIS_STATEIMAGEMASK), 0u);
    list.SetExtendedStyle(LVS_EX_CHECKBOXES);
    QTest::keyClick(&list, Qt::Key_Space);
    EXPECT_TRUE(list.GetCheck(1));
    EXPECT_FALSE(list.GetCheck(0));
    QTest::keyClick(&list, Qt::Key_Space);
    EXPECT_FALSE(list.GetCheck(1));
    ASSERT_EQ(list.keys.size(), 3u);
    EXPECT_EQ(list.keys[2].first, VK_SPACE);
}

TEST(CListCtrl, PaintingDrawsEachVisibleRowOnceUnlessRedrawIsOff) {
    RecordingList list(200);
    ShowAndWait(list);
    list.AddRows(40);
    list.Scroll(CSize(30, 2 * list.GetRowHeight()));
    list.SetItemState(4, LVIS_SELECTED | LVIS_FOCUSED, LVIS_SELECTED | LVIS_FOCUSED);
    list.SetItemState(5, LVIS_SELECTED, LVIS_SELECTED);
    list.setFocus();
    const bool focused = list.hasFocus();

    list.drawn.clear();
    list.UpdateWindow();
    CRect client;
    list.GetClientRect(&client);
    const int h = list.GetRowHeight();
    const int visible = (client.Height() + h - 1) / h;  // the last one may be partly visible
    ASSERT_EQ(static_cast<int>(list.drawn.size()), visible);
    for (int i = 0; i < visible; ++i) {
        const RecordingList::Drawn& drawn = list.drawn[static_cast<std::size_t>(i)];
        const int row = 2 + i;
        EXPECT_EQ(drawn.itemID, static_cast<UINT>(row));
        CRect bounds;
        list.GetItemRect(row, &bounds, LVIR_BOUNDS);
        EXPECT_EQ(drawn.rcItem, bounds);
        EXPECT_EQ(drawn.rcItem.left, -30);
        EXPECT_TRUE(drawn.painterActive);
        // Row 5 took the selection from row 4, which kept the focus.
        const UINT expected = row == 5 ? ODS_SELECTED : row == 4 && focused ? ODS_FOCUS : 0;
        EXPECT_EQ(drawn.itemState, expected) << row;
    }

    // Redraw off: neither an immediate repaint nor a change paints; switching it on paints once.
    list.drawn.clear();
    list.SetRedraw(FALSE);
    list.SetItemText(3, 0, "changed");
    list.UpdateWindow();
    QApplication::processEvents();
    EXPECT_TRUE(list.drawn.empty());
    list.SetRedraw(TRUE);
    QApplication::processEvents();
    EXPECT_EQ(static_cast<int>(list.drawn.size()), visible);

    // A row's repaint draws only that row.
    list.drawn.clear();
    list.RedrawItems(6, 6);
    QApplication::processEvents();
    ASSERT_EQ(list.drawn.size(), 1u);
    EXPECT_EQ(list.drawn[0].itemID, 6u);
}

TEST(CListCtrl, GridLinesAreDrawnOnlyWhenAskedFor) {
    RecordingList list;
    ShowAndWait(list);
    list.AddRows(3);
    const QRgb line = list.palette().color(QPalette::Midlight).rgb();
    const int h = list.GetRowHeight();
    for (const bool grid : {false, true}) {
        list.SetExtendedStyle(grid ? LVS_EX_GRIDLINES : 0);
        const QImage image = list.viewport()->grab().toImage();
        EXPECT_EQ(image.pixel(99, h / 2) == line, grid) << "right edge of column 0";
        EXPECT_EQ(image.pixel(50, h - 1) == line, grid) << "bottom edge of row 0";
        EXPECT_NE(image.pixel(50, h / 2), line) << "inside a cell";
    }
}

}  // namespace
