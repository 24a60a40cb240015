// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "gridctrl/griditeminfo.h"
#include "gridctrl/gridtreeitem.h"
#include "platform/qt/gdiobjects.h"
#include "platform/qt/imagelist.h"
#include "platform/qt/listctrl.h"

#include <cstdint>
#include <functional>
#include <map>
#include <memory>
#include <unordered_map>

class CGridCellEdit;

// A report list whose first column shows a tree. The control keeps a forest of nodes; only nodes
// whose ancestors are all expanded, and that are not hidden themselves or below a hidden node,
// have a row. The rows always agree with the tree:
//  1. a node has a row exactly when none of its ancestors is collapsed and neither it nor any
//     ancestor is hidden (roots are never hidden, so they always have one);
//  2. the rows are the shown nodes in pre-order: roots in order, each followed, when expanded,
//     by its children that are not hidden, in order, each followed by its own shown subtree;
//  3. each row's item data is its node, and after every structural change each shown node's
//     m_nRow is its row;
//  4. a row shows m_strText in column 0 and sub-text k in column k + 1, and its indent is the
//     node's level;
//  5. a node with children that is not collapsed shows all its children that are not hidden
//     whenever it is shown: collapsing a node collapses every expanded descendant with children
//     too, hidden ones included, so expanding only ever shows the direct children. A hidden node
//     keeps its own collapsed state and its subtree, and shows them again as they were.
//
// Rows are text call-back rows: the list keeps no copy of a text and asks the node's row data
// when it paints or is asked (OnGetDispInfo).
//
// Cost: every shown node's m_nRow is kept valid as rows change, by renumbering only the rows at
// and below the change (the rows that moved), and RowFromNode checks a node's ancestors and its
// row, O(depth). A shown child's place comes from its previous sibling's last shown descendant,
// O(depth + hidden siblings passed). The list keeps its rows in a gap buffer: inserting or
// deleting a run of rows also costs g, the distance from the list's previous change to the run
// (none next to it: the rows of a node just expanded are at the gap when it collapses). So with
// a rows below the change: inserting a shown child is O(depth + a + g), one without a row
// O(depth) (below a shown, expanded parent, which then collapses, as collapsing it), expanding a
// node with c children O(c + a + g), collapsing one O(depth + b + a + g) (one already collapsed
// O(depth): nothing changes), b the children of the expanded nodes below it that have children
// themselves (the hidden rows go in one deletion, and a node whose children are all leaves,
// which each node counts, is not looked into), deleting a node O(depth + siblings + its subtree
// + a + g) (it is found in its parent's list, and every node below it is freed, shown or not);
// hiding one node costs as collapsing it, showing one as expanding it. Collapsing a group at the
// top of a long list thus costs the renumbering of every row below it; filing into the last
// shown group costs O(1) rows per child. Node accessors are O(1).
// GetRowsNumbered counts the m_nRow writes, the measure of that cost.
// Threads: the user-interface thread only; the control holds no lock.
class CGridTreeCtrl : public CListCtrl {
public:
    explicit CGridTreeCtrl(QWidget* parent = nullptr);
    // Frees every node with its row data.
    ~CGridTreeCtrl() override;

    // ---- Node accessors: each reads or writes one field of the node; a null node reads as
    // null, 0, -1 or FALSE and is not written. ----

    CGridItemInfo* GetInfo(const CGridTreeItem* node) const;
    // Replaces the node's row data (the node owns it: a different old one is freed; null is
    // refused). With bRefreshRow the row is repainted (RefreshRowTexts).
    void SetInfo(CGridTreeItem* node, CGridItemInfo* info, BOOL bRefreshRow);
    BOOL IsCollapsed(const CGridTreeItem* node) const;
    void SetCollapsed(CGridTreeItem* node, BOOL bCollapsed);
    int GetLevel(const CGridTreeItem* node) const;
    void SetLevel(CGridTreeItem* node, int nLevel);
    int GetRow(const CGridTreeItem* node) const;
    void SetRow(CGridTreeItem* node, int nRow);
    CGridTreeItem* GetParentNode(const CGridTreeItem* node) const;
    void SetParentNode(CGridTreeItem* node, CGridTreeItem* parent);
    BOOL HasChildren(const CGridTreeItem* node) const;
    int GetChildCount(const CGridTreeItem* node) const;
    // Children (or roots) in order: GetNext... returns the node at pos and advances pos.
    POSITION GetFirstChildPosition(const CGridTreeItem* node) const;
    CGridTreeItem* GetNextChild(const CGridTreeItem* node, POSITION& pos) const;
    POSITION GetFirstRootPosition() const;
    CGridTreeItem* GetNextRoot(POSITION& pos) const;

    // ---- Tree operations. info arguments are taken over by the node (null: a new empty one);
    // a call that returns null leaves info with the caller. ----

    // A new last root at level 1 with its row at the end. Its check box is not set.
    CGridTreeItem* InsertRootNode(CGridItemInfo* info);
    // A new last child of parent. With bShowRow (for a shown, expanded parent) it gets its row,
    // with its check box set when m_bChecked is; otherwise the parent is collapsed (a shown one
    // as CollapseNode does, its children's rows going; one that is not shown marked so with its
    // expanded descendants). When the parent cannot show it (not shown or collapsed), bShowRow is
    // treated as FALSE. With bHidden the child is hidden: it gets no row, and a shown parent is
    // left as it is.
    CGridTreeItem* InsertChildNode(CGridTreeItem* parent, CGridItemInfo* info, BOOL bShowRow,
                                   BOOL bHidden = FALSE);
    // Shows the direct children of a collapsed node that is shown at nRow; returns the last row
    // inserted, or nRow when nothing was inserted (also when the node is not at nRow).
    int ExpandNode(CGridTreeItem* node, int nRow);
    // Hides everything below the node and marks it, and its expanded descendants with children,
    // collapsed. Nothing for a null node or one without children. Cost: see the class comment.
    void CollapseNode(CGridTreeItem* node);
    // Expands the node and every node below it, in pre-order (hidden subtrees are left as they
    // are); *pLastRow receives the result of the last ExpandNode called (it is left alone when
    // none was). O(subtree + rows below).
    void ExpandSubtree(CGridTreeItem* node, int* pLastRow);
    // Deletes the rows of the node's shown descendants, whose first is at nFirstRow, and with
    // bCollapse marks the node and each expanded descendant with children collapsed, hidden ones
    // included. Step of collapsing, hiding and deleting: the node is shown, its subtree numbered
    // as it was before any row of this change went; rows are not renumbered. One deletion of
    // the run of rows, O(depth + g) (see the class comment), plus with bCollapse O(children of
    // the expanded nodes below).
    void HideDescendantRows(CGridTreeItem* node, BOOL bCollapse, int nFirstRow);
    // Deletes the node shown at nRow with its subtree, rows and row data, then selects and
    // focuses row nRow, or nRow - 1 when nRow no longer exists (nothing when nRow is 0). Nothing
    // happens when the node is not at nRow.
    void DeleteNodeAndRows(CGridTreeItem* node, int nRow);
    // Collapses the node (its rows below go; one that is not shown is marked collapsed with its
    // expanded descendants) and frees each direct child for which `which` is true, with its
    // subtree and row data; the others keep their order. Nothing for a node without children.
    // O(children + freed nodes + b), plus collapsing a shown node's rows, O(depth + a + g) (see
    // the class comment).
    void DeleteChildNodes(CGridTreeItem* node,
                          const std::function<bool(const CGridTreeItem*)>& which);
    // Frees every node below the roots for which `which` is true (asked once per node, in
    // pre-order, not below a node it chose) with its subtree and row data, and lays out the rows
    // again as SetHiddenNodes does: what is expanded stays expanded, and the selection, the
    // focus and the top row stay when their nodes stay. O(nodes + rows), drawing off meanwhile.
    void DeleteNodes(const std::function<bool(const CGridTreeItem*)>& which);
    // Frees a root (row data first, then the node with its subtree). Not a root: ignored.
    // Rows are not touched: the caller deletes them first.
    void RemoveRootNode(CGridTreeItem* node);
    // Unlinks a node that lies below a root from its parent; with bDelete frees it with its row
    // data and subtree, else it is left without a parent. TRUE when found. Rows are not touched.
    BOOL DetachNode(CGridTreeItem* node, BOOL bDelete);
    // The node's row from the tree (not from m_nRow); -1 when not shown or not in the tree.
    int RowFromNode(const CGridTreeItem* node) const;
    // The item data of the row; null for a row that does not exist.
    CGridTreeItem* NodeFromRow(int nRow) const;
    // Writes each row's index into its node's m_nRow. O(rows).
    void RenumberRows();

    // ---- Hidden nodes: a filter's view over the tree (see the rules above). Roots cannot be
    // hidden; a call for a root or a null node does nothing. ----

    // The node's own hidden state (FALSE for null); an ancestor's is not looked at.
    BOOL IsHidden(const CGridTreeItem* node) const;
    // Hides or shows one node with its shown subtree's rows, drawing off meanwhile. Hiding costs
    // as collapsing (its rows + rows below); showing as expanding, plus finding the node among its
    // siblings from the end (O(its rows + later siblings + depth + rows below)).
    void SetNodeHidden(CGridTreeItem* node, BOOL bHidden);
    // Sets every node below the roots hidden or not as isHidden says (asked once per node, roots
    // never) and lays out all rows again as one change. The selected and focused nodes keep their
    // state when they stay shown (else nothing is selected), and the first row at or below the
    // top that stays shown comes to the top. O(nodes + rows), drawing off meanwhile.
    void SetHiddenNodes(const std::function<bool(const CGridTreeItem*)>& isHidden);
    // The number of m_nRow writes since the control was made: the rows its changes touched.
    std::uint64_t GetRowsNumbered() const { return m_nRowsNumbered; }
    // The number of times a node was freed with its subtree since the control was made: an owner
    // that keeps node pointers knows from a change that some may be gone.
    std::uint64_t GetNodesFreed() const { return m_nNodesFreed; }
    // A dimmed row is drawn in the palette's disabled text colour (an owner's "not current" mark).
    // The row is not repainted: the caller repaints what it dimmed.
    BOOL IsDimmed(const CGridTreeItem* node) const;
    void SetDimmed(CGridTreeItem* node, BOOL bDimmed);
    // Repaints the node's row after its row data changed: a call-back row keeps no copy of a
    // text, so the list and assistive technology read the new texts at once. Nothing unless the
    // node is shown at m_nRow. O(1).
    void RefreshRowTexts(CGridTreeItem* node);
    // Expands the node's ancestors top-down, selects and focuses its row and scrolls it into view
    // (a partly visible row will do); returns the row, -1 when the node is not in the tree.
    int RevealNode(CGridTreeItem* node);
    BOOL IsRootNode(const CGridTreeItem* node) const;
    int GetRootOrdinal(const CGridTreeItem* node) const;  // -1 when not a root
    // The node is in this tree: found by its address alone, never read, so a node that may have
    // been freed meanwhile can be asked about (one freed and a new one made at its address reads
    // as the new one). For a caller that held a node across a modal wait. O(nodes).
    BOOL ContainsNode(const CGridTreeItem* node) const;
    // node is top or lies below it.
    BOOL IsInSubtree(const CGridTreeItem* top, const CGridTreeItem* node) const;
    // The node that follows current in the pre-order of top's subtree (top itself excluded),
    // the first child when current is top; with bVisibleOnly children of collapsed nodes and
    // hidden nodes with their subtrees are skipped. When nothing follows (or current is not found)
    // the result is current itself when bRestart is set (a search from the start), else null.
    CGridTreeItem* FindNextNode(CGridTreeItem* top, CGridTreeItem* current, BOOL bRestart,
                                BOOL bVisibleOnly) const;
    int GetSelectedRow() const;  // -1 when none
    // Repaints the row at once (nothing for -1).
    void RedrawRow(int nRow);

    // ---- Drag and drop. ----

    // Copies source with its whole subtree as the last child of target: the copy of source gets
    // a row when target's children are shown, everything below it none (so copies with children
    // are collapsed). Each copy's row data is CloneInfo of the original's. FALSE, and nothing
    // copied, for a null target or source and for a target in source's subtree (source itself
    // included). Cost O(depth + rows) for the top copy's row, then O(1) per copied node.
    BOOL CopySubtree(CGridTreeItem* target, CGridTreeItem* source);
    // Copies the children of source, recursively, below destination, without rows. Nothing for a
    // null node or a destination in source's subtree. O(depth) plus O(1) per copied node.
    void CopyChildren(CGridTreeItem* destination, CGridTreeItem* source);

    // ---- Columns and the cell focus. ----

    // Scrolls horizontally so that the column (an index) is wholly visible: when it is not, its
    // left edge comes to the client area's left edge, and the control repaints at once. Nothing
    // for a negative index or a list without rows. O(columns).
    void MakeColumnVisible(int nCol);
    // The column's position in display order; -1 when there is no such column.
    int ColumnToPosition(int nCol) const;

    // ---- Shown columns (gridtreectrl_columns.cpp). The column order never changes. ----

    // Hides or shows column nCol. A hidden column keeps its place and the width it had, which it
    // gets back when shown; meanwhile it takes no room (GetColumnWidth reads 0, its header
    // section is hidden), is neither drawn nor hit, no editor opens on it, assistive technology
    // does not see it, and the cell focus passes it by: a focus on it moves to the nearest shown
    // column, to the left first. Nothing for a column that does not exist or already is as asked.
    // O(columns) plus one repaint.
    void SetColumnShown(int nCol, BOOL bShown);
    // FALSE for a hidden column and one that does not exist. O(1).
    BOOL IsColumnShown(int nCol) const;
    // The width the column has when shown: its width while shown, the kept one while hidden; 0
    // for a column that does not exist. SetShownWidth sets it (at once for a shown column, for
    // its return for a hidden one; SetColumnWidth is lost on a hidden column). O(log columns).
    int GetShownWidth(int nCol) const;
    void SetShownWidth(int nCol, int cx);

    // ---- Hooks, asked by drawing, input, editing and drag and drop. ----

    // Paints one row: tree lines, expand box, node image, check box, column-0 text, then each
    // sub-item cell that meets the clip box with its colour, image and text, the focus cell and
    // the drop-down buttons of a selected row; nothing of a hidden column. The texts of a dimmed
    // row that is not selected take the palette's disabled text colour. Nothing at all while the
    // list has no small image list. Cost O(columns + level) plus the text fitting of the visible
    // cells.
    void DrawItem(DRAWITEMSTRUCT* pDrawItem) override;
    // Copies a dragged node's row data for its copy; null gives the copy an empty one.
    virtual CGridItemInfo* CloneInfo(CGridItemInfo* pSource);
    // A notification handed back by the parent: the end of an in-place edit (LVN_ENDLABELEDIT)
    // with a text, for a row that has a node, goes to OnCellTextChanged; result 0.
    BOOL OnChildNotify(NMHDR* pNMHDR, LRESULT* pResult) override;
    // Opens an edit box over the sub-item cell (nCol >= 1) of nRow, filled with its text: the row
    // is scrolled into view, a cell left of the client area or beyond its right edge is scrolled
    // to the left edge first; the box ends at the column's right or the client area's right
    // edge, whichever comes first, is aligned as the column is, and starts m_nIconWidth further
    // right over a cell with an image. Null for a row that does not exist or a column that is
    // not a shown sub-item. The box owns itself; the pointer is good until the edit ends.
    CGridCellEdit* EditCell(int nRow, int nCol);
    // The rectangle an editor of the sub-item cell (nCol >= 1) of nRow takes, the cell brought
    // into view first: the row scrolled into view (partly visible will do), a cell left of the
    // client area or beyond its right edge scrolled to the left edge; the right edge is the
    // column's right or the client area's right edge, whichever comes first. FALSE when the row
    // cannot be made visible or the column is not a shown sub-item. O(columns).
    BOOL GetCellEditorRect(int nRow, int nCol, CRect& rect);

    // Column-0 image of the node's row; -1 keeps the row's current image. Default 0.
    virtual int GetNodeImage(CGridTreeItem* node);
    // Fill of the focused cell of the selected row. Default RGB(192, 0, 0).
    virtual COLORREF GetFocusCellColor();
    // An in-place edit ended with item->pszText for row item->iItem, column item->iSubItem.
    // Default: stores it in the node's row data (growing the sub-texts) and repaints the row.
    virtual void OnCellTextChanged(CGridTreeItem* node, LVITEM* item);
    // A press on a row that did not expand or collapse a node, after the list processed it (the
    // button was released without a drag). Default, on a shown column: an edit box over the
    // tree column's label
    // (id 4659, neither scrolled nor aligned nor moved by an image), or EditCell for a sub-item.
    virtual void OnCellClicked(UINT nFlags, CPoint point, LVHITTESTINFO* hit);
    // The drag image of a row; null refuses the drag. Default: one image of column 0's width and
    // the row's height: the row's small image at (0, 0) and its column-0 text in the window-text
    // colour at (m_nIconWidth + 4, 0), on the window colour made transparent; null when column 0
    // has no width.
    virtual std::unique_ptr<CImageList> CreateDragImage(int nRow);
    // Veto before a drop moves the dragged node below target (TRUE: go ahead). Default TRUE.
    virtual BOOL OnDropping(CGridTreeItem* dragged, CGridTreeItem* target);
    // Veto before (TRUE: go ahead) and report after an expansion or collapse by the user.
    virtual BOOL OnExpanding(CGridTreeItem* node, int nRow);
    virtual BOOL OnExpanded(CGridTreeItem* node, int nRow);
    virtual BOOL OnCollapsing(CGridTreeItem* node);
    virtual BOOL OnCollapsed(CGridTreeItem* node);
    // Vetoes before the keypad asterisk, minus and plus act on the selected node.
    virtual BOOL OnKeyExpandAll(CGridTreeItem* node, int nRow);
    virtual BOOL OnKeyCollapse(CGridTreeItem* node, int nRow);
    virtual BOOL OnKeyExpand(CGridTreeItem* node, int nRow);
    // Enter while the control has the focus. Default: nothing, FALSE.
    virtual BOOL OnReturnKey();
    // A press or double-click has been hit-tested; FALSE stops all further handling of it.
    virtual BOOL OnCellMouseDown(LVHITTESTINFO* hit);
    // For assistive technology: a row can be expanded when its node has a child that is not
    // hidden (the expand box is drawn), and is expanded unless the node is collapsed; the focused
    // column is the one at m_nFocusColumn; the rows form a tree. O(1) (LastUnhiddenChild).
    // Expanding and collapsing a shown node (ExpandNode, CollapseNode, ExpandSubtree's top node)
    // and moving the cell focus with Left, Right or a press announce themselves.
    int RowExpandState(int nItem) const override;
    int FocusedColumn() const override;
    bool ShowsTree() const override { return true; }

    // Set by the owner when it attaches the small image list: the icon size, which is also the
    // width of one tree level.
    int m_nIconWidth = 0;
    int m_nIconHeight = 0;
    CImageList m_imageCells;  // images of sub-item cells, filled by the owner
    int m_nFocusColumn = 0;   // display position of the column holding the cell focus

protected:
    friend class CExpandBox;  // draws with the box pen and brush

    int OnCreate() override;
    // A palette change takes the tree's colours anew (TakePaletteColours) and repaints.
    void changeEvent(QEvent* event) override;

    // Drawing parts of DrawItem (see there). DrawTreeLines: the connectors of the node's row n
    // with the bounds rcRow, and the expand box of a node with children. DrawFocusCell: the focus
    // fill and rectangle of column nCol when it holds the cell focus, nOffset pixels right of the
    // cell's left edge. DrawDropDownButton: the arrow button at the right of a drop-down cell.
    void DrawTreeLines(CDC* pDC, CGridTreeItem* node, int nRow, const CRect& rcRow);
    void DrawFocusCell(CDC* pDC, int nRow, int nCol, int nOffset);
    void DrawDropDownButton(CDC* pDC, CGridTreeItem* node, int nRow, int nCol);

    // Input. A press takes the focus, is hit-tested and offered to OnCellMouseDown, then to the
    // check box and the expand box (HandleBoxClick); when no node opened or closed it moves the
    // cell focus to the pressed column and lets the list select the row and watch for a drag.
    // When the button is released without a drag, OnCellClicked follows with the press's hit
    // record and the row is repainted; a drag gesture calls no OnCellClicked. A press below the
    // last row changes nothing.
    void OnLButtonDown(UINT nFlags, CPoint point) override;
    void OnPressReleased(UINT nFlags, CPoint point) override;
    // A double-click takes the focus and is offered to OnCellMouseDown before the list sees it
    // (a refusal leaves the selection alone); then the list selects and OnDblClk follows: the
    // boxes as for a press, else the selected node opens or closes.
    void OnLButtonDblClk(UINT nFlags, CPoint point) override;
    void OnDblClk(CPoint ptAction) override;

    // Drag and drop (a row is dragged with the left button onto another row and arrives there,
    // with its subtree, as the last child). The list's drag detection begins it: CreateDragImage
    // gives the image (null: no drag), which then follows the cursor; the mouse is captured.
    // Moves highlight the row under the cursor as the drop target; resting 300 ms in the top or
    // bottom zone (m_nIconHeight + 1 pixel rows) scrolls a line per tick, resting on a collapsed
    // node with children expands it. Releasing the left button drops: unless the target is the
    // dragged node, its parent or below it, the dragged node is a root, or OnDropping refuses
    // the target, the subtree is copied under the target (CopySubtree), the original deleted with
    // its rows, and the target selected, all with drawing off and one repaint. Escape (seen at
    // the next move), a right or middle button, a lost capture, or rows changed by anything else
    // meanwhile cancel the drag: tree, rows and selection stay as they were, the image goes and
    // the capture is released.
    // m_nDragRow stays set after a cancel; only a drop resets it. Escape pressed while the
    // control has the keyboard focus cancels at once and goes no further (it closes no dialog);
    // without a drag, Escape goes on to the parent.
    void OnBeginDrag(int nItem, CPoint ptAction) override;
    void keyPressEvent(QKeyEvent* event) override;
    void OnMouseMove(UINT nFlags, CPoint point) override;
    void OnLButtonUp(UINT nFlags, CPoint point) override;
    void OnRButtonDown(UINT nFlags, CPoint point) override;
    void OnMButtonDown(UINT nFlags, CPoint point) override;
    void OnTimer(UINT nIDEvent) override;
    // Enter is offered to OnReturnKey first; Left and Right move the cell focus to the next shown
    // column that way (none: it stays) and are consumed.
    void OnKeyDown(int nVKey) override;
    // Space (check boxes), keypad plus, minus and asterisk on the selected row.
    void OnListKeyDown(int nVKey) override;
    // A scroll bar moved by the user takes the keyboard focus first (an open editor ends).
    void OnHScroll() override;
    void OnVScroll() override;
    // The check box and expand box under (x, y), hit-testing into *hit: toggles the check box
    // when pressed, opens or closes the node when its box is pressed (asking OnExpanding or
    // OnCollapsing; a hidden column 0 has no box). FALSE exactly when a node was expanded or
    // collapsed.
    BOOL HandleBoxClick(int x, int y, LVHITTESTINFO* hit);
    // Inserts the node's row at nRow the one way rows are inserted: a text call-back row with the
    // node as item data and the indent, checked when bApplyCheck and m_bChecked are set.
    void InsertNodeRow(CGridTreeItem* node, int nRow, int nIndent, BOOL bApplyCheck);
    // Column 0 is the node's m_strText, column k + 1 its sub-text k.
    QString OnGetDispInfo(int nItem, int nSubItem) const override;
    // Writes m_nRow of the nodes of rows nFirstRow to the last. O(rows from nFirstRow).
    void RenumberRowsFrom(int nFirstRow);

    GridNodeList m_listRoots;  // in insertion order; owned
    int m_nDragRow = -1;       // row being dragged
    int m_nDropRow = -1;       // row under the cursor during a drag
    BOOL m_bDragging = FALSE;
    // The tree's pens and brush, from the palette (TakePaletteColours).
    CPen m_penTreeLine;
    CPen m_penBoxFrame;
    CPen m_penBoxSign;
    CBrush m_brushBoxFill;
    CImageList* m_hSmallImages = nullptr;  // the list's small images, fetched when drawing

private:
    void FreeNode(CGridTreeItem* node);  // counted in m_nNodesFreed
    // Frees each child of the node for which `which` is true, with its subtree and row data; the
    // others keep their order. Rows are not touched. O(children + freed nodes).
    void FreeChildren(CGridTreeItem* node, const std::function<bool(const CGridTreeItem*)>& which);
    // The node at pos in the list, advancing pos (null after the last); null for a null pos.
    static CGridTreeItem* NextInList(const GridNodeList& list, POSITION& pos);
    static bool IsShownInTree(const CGridTreeItem* node);
    // The row a node that is to be shown takes: after its previous unhidden sibling's shown
    // subtree, else after its parent (which is shown). The node is in its parent's list.
    int RowForShownNode(const CGridTreeItem* node) const;
    // The last node of a shown node's shown subtree in pre-order (itself when nothing below it is
    // shown). O(depth), and the hidden children passed once per row change.
    const CGridTreeItem* LastShownDescendant(const CGridTreeItem* node) const;
    // The node's last child that is not hidden, null when none: O(1) when the last child is not
    // hidden, else found once and kept until rows or children change (m_lastUnhiddenChild), so
    // painting a row costs O(depth) however many siblings are hidden.
    const CGridTreeItem* LastUnhiddenChild(const CGridTreeItem* node) const;
    void ForgetUnhiddenChildren() const;  // rows or children changed; O(1) when nothing is kept
    // The call-back rows of shown nodes, their check boxes applied, in the nodes' order.
    static std::vector<CallbackItem> RowItems(const std::vector<CGridTreeItem*>& nodes);
    static CallbackItem RowItem(CGridTreeItem* node, int nIndent, BOOL bApplyCheck);
    // Gives a collapsed node shown at nRow rows for its children, at once, and marks it expanded;
    // returns the last row inserted, nRow when none was. Rows are not renumbered.
    int InsertChildRows(CGridTreeItem* node, int nRow);
    int ExpandShownSubtree(CGridTreeItem* node, int nRow, int* pLastRow);
    void SetNodeRow(CGridTreeItem* node, int nRow);
    int PositionToColumn(int nPosition) const;  // -1 when there is no such position
    // The first display position from nPosition on, stepping by nStep (1 or -1), whose column is
    // shown; -1 when none. O(columns).
    int ShownPositionFrom(int nPosition, int nStep) const;
    void TakeFocus();
    // Tree lines and expand boxes from the palette's window and window-text colours: the box
    // filled with the one, its sign drawn in the other, lines and frame blends of the two (on
    // white and black the light greys 192 and 198).
    void TakePaletteColours();
    // Expands a collapsed node shown at nRow or collapses an expanded one, each when its hook
    // allows, with drawing off meanwhile; then redraws the row and keeps the last row shown (or
    // the node's row) in view. True when the node was expanded or collapsed.
    bool ToggleNode(CGridTreeItem* node, int nRow);
    // The first steps of a press and of a double-click: take the focus, hit-test the point into
    // *hit and ask OnCellMouseDown. False when it refuses.
    bool AllowClick(CPoint point, LVHITTESTINFO* hit);
    CGridCellEdit* OpenEditBox(int nRow, int nCol, const CRect& rect, UINT dwStyle, UINT nID);
    // Drag steps. StopDragging ends the drag image, the timer, the capture and the highlight, and
    // has the whole view repainted; CancelDrag does so at once unless rows are about to change.
    // TrackDropRow makes the row under the point m_nDropRow and moves the highlight there; TRUE
    // when there is a row. DragScrollZone: -1 in the top zone, 1 in the bottom zone, else 0.
    void StopDragging();
    void CancelDrag(bool bRepaintNow);
    bool TrackDropRow(CPoint point);
    int DragScrollZone(int y) const;
    void ExpandDropRow();
    // CopyChildren once the destination is known to lie outside the source's subtree.
    void CopyChildrenBelow(CGridTreeItem* destination, const CGridTreeItem* source);
    static CGridTreeItem* FindNextBelow(CGridTreeItem* top, const CGridTreeItem* current,
                                        bool& bFound, BOOL bVisibleOnly);

    LVHITTESTINFO m_pressHit;           // the hit record of the press the list is watching
    bool m_bDragMovesRows = false;      // the drag itself is changing rows (hover expansion)
    std::uint64_t m_nRowsNumbered = 0;  // m_nRow writes, see GetRowsNumbered
    std::uint64_t m_nNodesFreed = 0;    // see GetNodesFreed
    mutable std::unordered_map<const CGridTreeItem*, const CGridTreeItem*> m_lastUnhiddenChild;
    std::map<int, int> m_keptWidths;  // the widths hidden columns come back with, by column
};
