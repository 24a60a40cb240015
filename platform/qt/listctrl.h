// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/qt/gapbuffer.h"
#include "platform/qt/imagelist.h"
#include "platform/qt/wintypes.h"

#include <QAbstractScrollArea>
#include <QBasicTimer>
#include <QElapsedTimer>
#include <QStringList>

#include <cstdint>
#include <map>
#include <vector>

class QHeaderView;
class QStandardItemModel;

// A report-mode, owner-drawn, single-selection list view: the rows, columns, selection and scroll
// position of the grid, painted row by row through the virtual DrawItem. It does exactly what the
// grid asks of a list view and nothing more.
//
// Coordinates are those of the viewport, the area below the header: row r's top is
// (r - GetTopIndex()) * GetRowHeight(), and every rectangle follows the horizontal scroll position.
// Columns are shown in index order (the header's sections cannot be moved). A column whose header
// section is hidden is laid out, painted and hit-tested as one of width 0 (GetColumnWidth reads
// 0), and assistive technology does not see it. Widgets laid over cells (in-place editors) are
// children of the viewport: they move with the rows when the list scrolls (the drag image, also a
// child, stays put), and are told before rows are inserted or deleted (rowsAboutToChange).
//
// Rows carry texts (column 0 and sub-items), item data, an indent counted in small-image widths,
// an image index and state bits (LVIS_SELECTED, LVIS_FOCUSED, LVIS_CUT, LVIS_DROPHILITED and the
// state image in LVIS_STATEIMAGEMASK: 1 = unchecked, 2 = checked). At most one row is selected and
// at most one focused. Row -1 in SetItemState stands for every row. A drop-highlighted row is
// painted like a selected one (DrawItem gets ODS_SELECTED for it).
//
// A row may leave its texts with the owner (a text call-back row, made by InsertCallbackItems):
// the list then keeps no copy and asks OnGetDispInfo whenever a text is read.
//
// Cost: access by row is O(1); an insertion or deletion costs the distance from the previous one
// (rows live in a gap buffer, so runs of changes at one place are O(1) each), a run of k rows
// inserted at once costs O(k) and a run deleted at once O(1) (O(k) while any row holds texts of
// its own), each with one scroll-bar update. The selected and the focused
// row are kept as indices, so finding them (GetNextItem with LVNI_SELECTED or LVNI_FOCUSED) and
// moving them is O(1); other state queries scan the rows, O(rows). Painting is O(visible rows).
// Assistive technology sees the rows and cells through listctrl_accessible.h; the list sends it
// the selection, focus and row changes (the latter coalesced to one event per paint).
// Threads: the user-interface thread only.
class CListCtrl : public QAbstractScrollArea {
    Q_OBJECT

public:
    explicit CListCtrl(QWidget* parent = nullptr);
    // Widgets over the cells go first, while the list is whole, so none reports to a list that
    // is being torn down; then its accessible interface with the cells it handed out, then the
    // rows' own texts.
    ~CListCtrl() override;

    // Window creation: puts the control into parent with the id, then runs OnCreate. False when
    // OnCreate returns -1. The control is not shown; the creator shows it.
    BOOL Create(QWidget* parent, UINT nID);
    UINT GetDlgCtrlID() const { return m_nID; }
    // The window styles: always LVS_REPORT | LVS_SINGLESEL | LVS_SHOWSELALWAYS |
    // LVS_SHAREIMAGELISTS | LVS_OWNERDRAWFIXED.
    UINT GetStyle() const;

    // Rows. InsertItem takes iItem, and by mask LVIF_TEXT, LVIF_PARAM, LVIF_INDENT, LVIF_IMAGE and
    // LVIF_STATE (state & stateMask); a row index past the end appends; returns the new row or -1.
    // While LVS_EX_CHECKBOXES is on a new row gets state image 1 unless the item sets one.
    int GetItemCount() const { return static_cast<int>(m_rows.size()); }
    int InsertItem(const LVITEM& item);
    int InsertItem(int nItem, const QString& text);
    // SetItem: the text of iSubItem (LVIF_TEXT) and, for iSubItem 0, image, data, indent, state.
    BOOL SetItem(const LVITEM& item);
    // GetItem fills the fields named by pItem->mask for pItem->iItem (text of iSubItem; state
    // masked by stateMask). False for a row that does not exist.
    BOOL GetItem(LVITEM* pItem) const;
    BOOL SetItemText(int nItem, int nSubItem, const QString& text);
    QString GetItemText(int nItem, int nSubItem) const;
    BOOL SetItemState(int nItem, UINT nState, UINT nMask);
    UINT GetItemState(int nItem, UINT nMask) const;
    quintptr GetItemData(int nItem) const;  // 0 for a row that does not exist
    BOOL DeleteItem(int nItem);
    // Deletes nCount rows from nFirst on (those that exist) as one change. False when none does.
    BOOL DeleteItems(int nFirst, int nCount);
    BOOL DeleteAllItems();

    // A text call-back row: its item data, indent and state bits (LVIS_STATEIMAGEMASK; a zero
    // state image means the default one).
    struct CallbackItem {
        quintptr data = 0;
        int indent = 0;
        UINT state = 0;
    };
    // Inserts text call-back rows before nItem (past the end: appends) as one change: one
    // rowsAboutToChange, one scroll-bar update. Their texts are asked of OnGetDispInfo until
    // SetItemText gives a cell a text of the row's own (columns 0 to 31). Returns the first new
    // row, -1 for a negative nItem.
    int InsertCallbackItems(int nItem, const std::vector<CallbackItem>& items);
    // The text of column nSubItem of a call-back row, asked whenever it is read. Default: empty.
    virtual QString OnGetDispInfo(int nItem, int nSubItem) const;
    // The first row after nItem (-1: from the start) that has all the state bits of nFlags
    // (LVNI_SELECTED, LVNI_FOCUSED, LVNI_CUT, LVNI_DROPHILITED; LVNI_ALL: any row); -1 when none.
    int GetNextItem(int nItem, UINT nFlags) const;
    BOOL GetCheck(int nItem) const;  // state image 2
    BOOL SetCheck(int nItem, BOOL bCheck = TRUE);
    BOOL RedrawItems(int nFirst, int nLast);

    // Columns. A position past the last column appends; returns the new column's index.
    int InsertColumn(int nCol, const QString& heading, int nFormat, int nWidth);
    // Format, width and heading of a column; false past the last column.
    BOOL GetColumn(int nCol, LVCOLUMN* pColumn) const;
    int GetColumnWidth(int nCol) const;  // 0 past the last column
    BOOL SetColumnWidth(int nCol, int cx);
    int GetColumnCount() const;  // the header's item count
    // Column indices in display order: always 0, 1, 2, ... (iCount of them at most).
    BOOL GetColumnOrderArray(int* piArray, int iCount) const;
    QHeaderView* GetHeaderCtrl() const { return m_header; }

    // Extended styles: LVS_EX_GRIDLINES, LVS_EX_CHECKBOXES. Set replaces all and returns the old.
    // Check boxes bring the control's own state image list (unchecked, checked).
    UINT GetExtendedStyle() const { return m_dwExStyle; }
    UINT SetExtendedStyle(UINT dwExStyle);
    // LVSIL_SMALL or LVSIL_STATE; the lists are not owned. Set returns the previous list.
    CImageList* SetImageList(CImageList* pImageList, int nImageList);
    CImageList* GetImageList(int nImageList) const;

    // Geometry. The row height is the font's height plus its external leading plus 4 pixels.
    int GetRowHeight() const { return m_nRowHeight; }
    // LVIR_BOUNDS: the whole row across all columns. LVIR_ICON: cx = the small images' width
    // (0 without a small image list) wide, starting indent * cx plus the state images' width
    // from the row's left. LVIR_LABEL: from the icon's right to the right of column 0.
    BOOL GetItemRect(int nItem, CRect* pRect, UINT nCode) const;
    // Column nSubItem >= 1: the column's span in the row, whatever nArea. Column 0: LVIR_BOUNDS is
    // the whole row, LVIR_ICON and LVIR_LABEL as GetItemRect.
    BOOL GetSubItemRect(int nItem, int nSubItem, int nArea, CRect& rect) const;
    // Fills iItem, iSubItem and flags for pInfo->pt; returns the row or -1. Outside the viewport,
    // the rows or the columns: LVHT_NOWHERE. In column 0 the flags are LVHT_ONITEM (owner-drawn
    // rows: the list cannot tell where the owner drew icon and label), in other columns
    // LVHT_ONITEMLABEL.
    int SubItemHitTest(LVHITTESTINFO* pInfo) const;
    // Scrolls vertically until the row is wholly visible (partly visible rows count when
    // bPartialOK is set). False for a row that does not exist.
    BOOL EnsureVisible(int nItem, BOOL bPartialOK);
    // Scrolls by size.cx pixels horizontally and size.cy pixels, rounded to whole rows, vertically.
    BOOL Scroll(CSize size);
    int GetTopIndex() const;
    int GetCountPerPage() const;  // rows that fit wholly
    void GetClientRect(CRect* pRect) const;

    // As WM_VSCROLL sent to the list: SB_LINEUP and SB_LINEDOWN scroll one row, announced by
    // OnVScroll like a move of the bar. Other codes do nothing.
    void SendVScroll(UINT nSBCode);

    // Window timers: SetTimer starts (or restarts) the timer nIDEvent, which calls
    // OnTimer(nIDEvent) every nElapse milliseconds until KillTimer stops it.
    void SetTimer(UINT nIDEvent, UINT nElapse);
    void KillTimer(UINT nIDEvent);

    // Mouse capture: while the list holds it, every mouse event goes to the list. It is lost when
    // released or when another widget takes the mouse.
    void SetCapture();
    void ReleaseCapture();  // only the list's own capture
    BOOL HasCapture() const;

    // Painting. SetRedraw(FALSE) stops all repainting; SetRedraw(TRUE) schedules one.
    void SetRedraw(BOOL bRedraw = TRUE);
    void Invalidate(BOOL bErase = TRUE);
    void InvalidateRect(const CRect* pRect, BOOL bErase = TRUE);  // null: everything
    void UpdateWindow();                                          // repaints at once
    // Switches drawing on and repaints at once, but at most once per displayed frame: within a
    // frame of the previous such repaint, drawing stays off until that frame ends and the view
    // is then repainted whole. Rows that pour in are painted once per frame, not once per row,
    // and end in the pixels an immediate repaint gives.
    void RedrawWithinFrame();

    // Paints one row. Called for each row in the area being painted, top to bottom, with one
    // CDC over the viewport, clipped to that area. The list paints nothing of a row itself.
    virtual void DrawItem(DRAWITEMSTRUCT* pDrawItem);

    // A notification that this list raised itself or that a widget over its cells raised in its
    // name, handed back by the parent's default handling (SendNotify). TRUE when handled, with
    // *pResult as the notification's result. Default: not handled.
    virtual BOOL OnChildNotify(NMHDR* pNMHDR, LRESULT* pResult);

    // ---- What assistive technology is told (listctrl_accessible.h presents the list). ----
    // Row insertions and deletions so far: an accessible cell checks its row against it.
    std::uint64_t GetRowChanges() const { return m_rowChanges.count; }
    // Row nItem in a tree: -1 nothing to show below it, 0 collapsed, 1 expanded; asked per query,
    // so an override should be O(1). Default -1.
    virtual int RowExpandState(int nItem) const;
    // The column of the focused row's cell that holds the keyboard focus. Default 0.
    virtual int FocusedColumn() const;
    // The rows form a tree whose levels are their indents: presented as a tree, else as a table.
    // Default false.
    virtual bool ShowsTree() const;

signals:
    // Rows are about to be inserted or deleted: a widget over a cell must end before its row
    // number goes stale. Emitted at the start of InsertItem, DeleteItem and DeleteAllItems.
    void rowsAboutToChange();
    // Another row, or none, is selected through SetItemState (a click, a key, a call); not when
    // the selected row goes with its deletion (rowsAboutToChange tells that).
    void selectionChanged();

protected:
    // Window creation step; 0 or -1. The list view itself always succeeds.
    virtual int OnCreate();

    // Input, in the window messages' terms; derived controls override them and call these
    // defaults where the list view processes the message itself.
    // Press: selects and focuses the row under the point (nothing below the rows) and arms drag
    // detection, which ends the press one of two ways: a move with the left button held beyond
    // the start-drag distance raises OnBeginDrag once; a release before that raises
    // OnPressReleased. Rows inserted or deleted meanwhile disarm it: neither follows.
    virtual void OnLButtonDown(UINT nFlags, CPoint point);
    virtual void OnLButtonUp(UINT nFlags, CPoint point);
    virtual void OnMouseMove(UINT nFlags, CPoint point);
    // Double-click: selects as a press does (no drag), then OnDblClk.
    virtual void OnLButtonDblClk(UINT nFlags, CPoint point);
    // Presses of the right and the middle button. Nothing by default.
    virtual void OnRButtonDown(UINT nFlags, CPoint point);
    virtual void OnMButtonDown(UINT nFlags, CPoint point);
    // A timer of SetTimer expired. Nothing by default.
    virtual void OnTimer(UINT nIDEvent);
    // Key press with its virtual-key code: OnListKeyDown first, then Up, Down, Home, End,
    // Page Up and Page Down move the selection and focus and keep the row in view; Space toggles
    // the selected row's check box when check boxes are on.
    virtual void OnKeyDown(int nVKey);
    // The user moves a scroll bar with the mouse; called just before the list scrolls. The
    // wheel scrolls without these (it leaves the keyboard focus alone). Nothing by default.
    virtual void OnHScroll();
    virtual void OnVScroll();

    // Notifications to the owner.
    virtual void OnBeginDrag(int nItem, CPoint ptAction);
    // An armed press ended by the release of the button before any drag; the press's key flags
    // and point.
    virtual void OnPressReleased(UINT nFlags, CPoint point);
    virtual void OnDblClk(CPoint ptAction);
    virtual void OnListKeyDown(int nVKey);

    // Tell assistive technology, when it listens: row nItem was expanded or collapsed; the
    // keyboard focus is on the focused row's cell in FocusedColumn (sent only while the list
    // has the keyboard focus). O(1).
    void NotifyExpandStateChanged(int nItem);
    void NotifyFocusedCell();

    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void scrollContentsBy(int dx, int dy) override;
    void changeEvent(QEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void timerEvent(QTimerEvent* event) override;

private:
    // A row owns nothing the row store must release, so a run of rows goes with one move of the
    // store; the texts a row holds itself, rare in a list of call-back rows, are apart.
    struct Row {
        quintptr data = 0;
        // (*texts)[k] is column k, missing trailing cells are empty; null: no texts. Owned by the
        // list (FreeRowTexts), counted in m_nRowsWithTexts.
        QStringList* texts = nullptr;
        int indent = 0;
        int image = 0;
        UINT state = 0;
        quint32 ownTexts = 0;   // a call-back row: bit k set, (*texts)[k] was set on the row ...
        bool callback = false;  // ... else the owner keeps the texts (OnGetDispInfo)
    };

    bool IsRow(int nItem) const { return nItem >= 0 && nItem < GetItemCount(); }
    // The row's own texts, made empty when it has none.
    QStringList& RowTexts(Row& row);
    // Frees the own texts of nCount rows from nFirst on; O(1) while no row has any.
    void FreeRowTexts(std::size_t nFirst, std::size_t nCount);
    // The item's data, indent and image, each where its mask bit asks for it.
    static void TakeItemFields(const LVITEM& item, Row& row);
    int MeasureRowHeight() const;
    int TotalColumnWidth() const;
    int ColumnLeft(int nCol) const;  // from the left of the row
    void UpdateGeometries();
    void UpdateScrollBars();
    void UpdateRow(int nItem);
    void UpdateFromRow(int nItem);  // the row and all below it
    void ApplyState(int nItem, UINT nState, UINT nMask);
    // Keeps the selected and focused indices on their rows when rows are inserted or deleted.
    void ShiftTrackedRows(int nFirst, int nDelta);
    // Before rows from nFirst on are inserted (bInsert) or deleted; counts the change.
    void RowsAboutToChange(int nFirst, bool bInsert);
    // The selected or the focused row moved: tells assistive technology, when it listens.
    void AnnounceSelectionAndFocus(int nOldSelected, int nOldFocused);
    // Tells assistive technology, when it listens, of the rows changed since the last paint, as
    // one table change; called as the list paints, so at most once per painted frame.
    void AnnounceRowChanges();
    void SelectAndFocus(int nItem);
    int SelectFromHit(CPoint point);
    int NavigationTarget(int nVKey) const;
    void MakeCheckBoxImages();
    void DrawGridLines(QPainter& painter) const;
    void PaintFrame();  // the repaint of RedrawWithinFrame

    QHeaderView* m_header;
    QStandardItemModel* m_headerModel;
    std::vector<int> m_formats;  // LVCFMT_ of each column
    TGapBuffer<Row> m_rows;
    std::size_t m_nRowsWithTexts = 0;  // rows whose texts are not null
    int m_nSelectedItem = -1;          // the one row with LVIS_SELECTED, -1: none
    int m_nFocusedItem = -1;           // the one row with LVIS_FOCUSED, -1: none
    UINT m_nID = 0;
    UINT m_dwExStyle = 0;
    CImageList* m_pSmallImages = nullptr;
    CImageList* m_pStateImages = nullptr;
    CImageList m_checkBoxImages;
    int m_nRowHeight = 0;
    int m_nPressItem = -1;  // row of an armed press, which may still become a drag
    CPoint m_ptPress;
    UINT m_nPressFlags = 0;
    bool m_bWheelScrolling = false;  // a wheel event is being handled by a scroll bar
    std::map<UINT, int> m_timers;    // SetTimer's ids and the Qt timers behind them
    QElapsedTimer m_lastFrame;       // since the last repaint of RedrawWithinFrame
    QBasicTimer m_frameTimer;        // runs while that repaint waits for the frame's end
    // Row changes: all so far, and those since the last announcement (first -1: none) with the
    // rows there were before them and whether rows were inserted, deleted.
    struct RowChanges {
        std::uint64_t count = 0;
        int first = -1;
        int rowsBefore = 0;
        bool inserted = false;
        bool removed = false;
    };
    RowChanges m_rowChanges;
};
