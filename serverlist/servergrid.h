// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "gridctrl/gridtreectrl.h"
#include "net/refreshdriver.h"
#include "serverlist/favouriteservers.h"
#include "serverlist/serverdetails.h"
#include "serverlist/serverfilter.h"
#include "serverlist/serverhistory.h"
#include "serverlist/serverrowindex.h"
#include "serverlist/serverrowtexts.h"
#include "serverlist/sortorder.h"

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

class CDC;
class IRefreshHost;
class ServerRecord;

// Images of the tree column (m_imageTree) and of the sub-item cells (m_imageCells).
constexpr int kTreeImageOpenFolder = 0;
constexpr int kTreeImageClosedFolder = 1;
constexpr int kTreeImageServer = 2;
constexpr int kTreeImageGlobe = 4;
constexpr int kTreeImageFavourite = 5;  // star: favourite server rows, "Favourites (no answer)"
constexpr int kCellImagePrivate = 5;    // padlock, shown in column 6 (cell key 5)
constexpr int kCellImageDedicated = 6;  // server box, shown in column 7 (cell key 6)

// Sub-item key of the cell that marks a private server, and of the one that marks a dedicated one.
constexpr int kPrivateCellKey = 5;
constexpr int kDedicatedCellKey = 6;

// One entry of a grid's group-node table: a group key and the group node it names (not owned).
struct GroupNodeEntry {
    std::string m_key;
    CGridTreeItem* m_pNode;
};

// The grid that shows the servers of a refresh: nine fixed columns and a fixed two-level tree of
// groups, the five versions "1.00" to "1.40", each with the game types "VLD", "TDM" and "DM".
// Servers are filed as children of the game-type group that matches their record and put in
// ping order at the end of a refresh. Every grid keeps its own group table, so a second grid
// never takes over the groups of the first.
// Favourites (servergrid_favourites.cpp): a favourite server row shows the star instead of the
// server box; a favourite that a refresh files without a group (no answer, an unresolved name,
// an unknown version or game type) is filed under the root "Favourites (no answer)", made at the
// end of the roots when first needed, with the text the user added in its "Ip:Port" column.
// Threads: the user-interface thread (the thread the grid belongs to) only.
class CServerGrid : public CGridTreeCtrl {
    Q_OBJECT
public:
    explicit CServerGrid(QWidget* parent = nullptr);

    // Sets up the columns and the group tree: extended style exactly LVS_EX_GRIDLINES, the nine
    // columns, and five collapsed version rows (globe image, " " in the Ping column) each hiding
    // the game-type groups VLD, TDM, DM (closed-folder image, no rows). The group table is
    // emptied and refilled with 20 entries: each version ("1.00*"), then its three types
    // ("1.00VLD", ...). Call once, right after the window has been created.
    void PrepareGrid();
    // Column col's described width in pixels (0 past the nine columns).
    static int DescribedColumnWidth(int col);
    // The width a column starts with: the described one, widened when the heading needs more in
    // the current language and font, so no heading is cut. O(1).
    int DefaultColumnWidth(int col) const;

    // ---- Shown columns (servergrid_columns.cpp). ----

    // Shows every column again and gives each its default width.
    void ResetColumnWidths();
    // Server and Ip:Port are always shown; every other column may be hidden.
    static bool CanHideColumn(int col);
    // Shows or hides a column that may be hidden (others: nothing). The filter's text search
    // looks in the shown columns only, and is applied again at once when it has words. O(columns)
    // plus that (SetFilter).
    void ShowColumn(int col, bool bShown);

    // Appends a group-table entry with the key first + second.
    void RegisterGroupNode(const std::string& first, const std::string& second,
                           CGridTreeItem* node);
    // The node of the first entry whose key is version + gameType (exact, case-sensitive);
    // null when none. Linear in the 20 entries.
    CGridTreeItem* FindGroupNode(const std::string& version, const std::string& gameType) const;
    const std::vector<GroupNodeEntry>& GroupNodes() const { return m_groupNodes; }

    // The node's own image when it has one (m_nImage not -1); otherwise 2 (server) for a node
    // without children (5, the star, for a favourite row), 1 (closed folder) for a collapsed
    // node with children, 0 (open folder) for an expanded one. -1 for a null node (the row keeps
    // its image).
    int GetNodeImage(CGridTreeItem* node) override;
    // ---- Hooks (servergrid_hooks.cpp). ----

    // The server list is read-only in place: a click opens no edit box; a click on a drop-down
    // cell (cell kind 1) opens a drop-down list of its choices over it (OpenDropDown).
    void OnCellClicked(UINT nFlags, CPoint point, LVHITTESTINFO* hit) override;
    // The text "Bugs: Impossible" (exact case) is stored with " ( ya right )" appended; every
    // other text as the control stores it.
    void OnCellTextChanged(CGridTreeItem* node, LVITEM* item) override;
    // A copy of a dragged row's data: texts, each sub-text's cell kind and choices, cell colours,
    // check, image, user data, row colour, and the cell images that are not -1. Null for null.
    CGridItemInfo* CloneInfo(CGridItemInfo* pSource) override;
    // Enter: queries the server of the selected row again (its "Ip:Port" text) on this thread,
    // blocking for up to the query's 2-second time-out under the wait cursor, and rewrites the
    // row's texts and images from the reply in place (no move, no sort) and notes the reply in
    // the history; a server that does not answer leaves "?", "9999", "?/?". Nothing without a
    // selected row or a focused column, and nothing for a row whose address does not name a server
    // (group rows): nothing is sent.
    BOOL OnReturnKey() override;
    // Rows can be dragged only while m_bDragEnabled is set (FALSE after construction); then with
    // the default image of the dragged row. Group rows (versions, game types and
    // "Favourites (no answer)") are never dragged: a drop frees the dragged node, and the grid
    // must go on naming its groups.
    std::unique_ptr<CImageList> CreateDragImage(int nRow) override;
    // Drops land on group rows only: a server row or a sample row below another row would no
    // longer be a server row, so it would neither be counted, filtered nor removed by a refresh.
    BOOL OnDropping(CGridTreeItem* dragged, CGridTreeItem* target) override;

    // Puts the tree in order and rebuilds the list with the root rows only, all collapsed,
    // nothing selected. The lists below the roots take the grid's sort order
    // (SetSortOrder, sortorder.h), in which group rows compare equal; the roots ping order (the
    // number at the start of sub-text 0, see pingsort.h). With bSortChildren every level
    // below the roots is sorted first. Nodes that compare equal keep their order, so the version
    // and game-type groups stay as PrepareGrid made them. A grid without roots is left alone.
    // Cost O(n log n) per level, each node's key read once, plus collapsing the roots (see
    // CollapseNode); a text key's collation key is made once per server text, and the texts of
    // a list ranked when its rows were not ranked together before, both kept for the next sorts
    // (CollationRanks).
    void SortTree(BOOL bSortChildren);
    // Sorts the node's children as SortTree does; with bRecursive then every child's children,
    // down to the leaves (also below a node with fewer than two children). Only the tree is
    // reordered: the rows are not touched, so use it on nodes whose children are hidden, or
    // rebuild after.
    void SortChildNodes(CGridTreeItem* node, BOOL bRecursive);
    // The order of server rows from now on (Ping ascending after construction). Rows already in
    // the grid keep their place until the next sort.
    void SetSortOrder(const SortOrder& order);
    const SortOrder& GetSortOrder() const { return m_sortOrder; }
    // Sorts every level below the roots (the roots keep their order) and lays the rows out again,
    // keeping what is expanded, the selected and focused rows and the top row index (the scroll
    // position). O(n log n) plus O(nodes + rows) for the rows.
    void Resort();

    // The front end for RefreshList; not owned, null: none. Without one, RefreshList uses a
    // front end of its own that fills this grid and shows no status or progress.
    void SetRefreshHost(IRefreshHost* host) { m_pRefreshHost = host; }
    // ---- Refreshes (servergrid_refresh.cpp). ----

    // "New Full List": runs RefreshServerList with the installed front end and returns when the
    // refresh has ended. Window events are handled meanwhile. Once per program run.
    RefreshOutcome RefreshList();
    // "Refresh List": RefreshServerListAgain as RefreshList does, whether or not a refresh has
    // run before, keeping the list (BeginKeepingRows): every server row is dimmed until its
    // answer rewrites it; when the refresh completes, the rows the new list did not name are
    // removed but the favourites'; the end sort is Resort.
    RefreshOutcome RefreshListAgain();

    // ---- Favourites (servergrid_favourites.cpp). ----

    // The user's favourites; after changing them through here, emit favouritesChanged.
    CFavouriteServers& Favourites() { return m_favourites; }
    // True for a server row (no children) whose "Ip:Port" text (sub-text 7) is a favourite's text
    // or its resolved address; so also for the rows under "Favourites (no answer)" while they
    // are favourites. O(1): one hash look-up.
    bool IsFavouriteRow(const CGridTreeItem* node) const;
    // The row data's "Ip:Port" text names a favourite; O(1), and no text is copied while there
    // are no favourites.
    bool HasFavouriteAddress(const CGridItemInfo& info) const;
    // What Ctrl+D does on the selected row: add it, remove it, or nothing (no selection, a group
    // row, a text that is no favourite address, or a full list).
    enum class FavouriteToggle { None, Add, Remove };
    FavouriteToggle SelectedFavouriteToggle() const;
    // Adds the selected server row's "Ip:Port" text to the favourites or removes the favourite it
    // names, repaints the rows and emits favouritesChanged; false when it does nothing.
    bool ToggleSelectedFavourite();
    // AddServerRow's part for a record that names no group: a favourite's record (found by its
    // address text) is filed under "Favourites (no answer)" with its texts and the favourite's
    // own text in its "Ip:Port" column; any other record changes nothing. O(1) but for the row.
    void FileUngroupedFavourite(const ServerRecord& record);
    // The "Favourites (no answer)" root; null until a favourite has been filed there.
    CGridTreeItem* NoAnswerRoot() const;

    // Files a server row under the group (AddServerRow's insertion, see there), hidden when the
    // filter does not pass it, its row data's m_nUserData the round of the refresh that filed it.
    void InsertServerNode(CGridTreeItem* parent, std::unique_ptr<CGridItemInfo> info);

    // ---- Gestures on server and group rows (servergrid_gestures.cpp). ----

    // The selected row's node when it is a server row (IsServerRow), else null. O(1).
    CGridTreeItem* SelectedServerNode() const;
    // Its "Ip:Port" text; empty without one.
    QString SelectedServerAddress() const;
    // The server rows below the node, at any depth, and those of them the filter leaves shown.
    // O(subtree).
    void CountServersBelow(const CGridTreeItem* node, int& shown, int& all) const;

    // ---- Filter (servergrid_filter.cpp). ----

    // A server row: no children, no tree text, an "Ip:Port" text. Group and sample rows are not.
    bool IsServerRow(const CGridTreeItem* node) const;
    // Hides every server row the filter does not pass (ServerRowMatcher; a favourite is one
    // IsFavouriteRow names) and shows the others; group rows stay, so a group whose servers are
    // all hidden shows as an empty one. Expanded groups stay expanded, and the selected row stays
    // selected while it is shown. Rows filed later and re-queried rows are filtered as they come.
    // O(nodes + rows) plus the matching.
    void SetFilter(const ServerFilter& filter);
    const ServerFilter& GetFilter() const { return m_filter; }
    // Whether a server row with this row data passes the filter now.
    bool PassesFilter(const CGridItemInfo& info) const;
    // Server rows in the grid and those of them that the filter leaves. O(nodes).
    void CountServerRows(int& shown, int& all) const;

    // ---- Demonstration operations (servergrid_demo.cpp, servergrid_print.cpp). ----

    // Adds a sample subtree under parent (nothing for null): a node named name with the
    // sub-texts "I am", "now", "going to insert", "some items", shown at once when parent is shown
    // and expanded (else parent is marked collapsed), and below it one child per
    // column, "Item 0" ..., each with the sub-texts "SubItem j of Item i" and a drop-down cell in
    // the last column offering "ListItem 0" to "ListItem 2". The new node stays collapsed. Then
    // the whole grid is repainted at once. Cost O(rows + columns^2).
    void InsertSampleItems(CGridTreeItem* parent, const QString& name);
    // Writes the tree as text through the device context, in its units and with its font: the
    // title "Korvath Servers" at (10, h), h being the font's height plus external leading; when
    // a row is selected, then the column headings' line, and for each root a blank line, the
    // root's line and a line for every node below it in pre-order, shown or not. A line is the
    // node's text and then each sub-text, those of hidden columns left out, each followed by a
    // tab, written at x = 10 with a tab stop at each shown column's edge: the grid's column
    // widths scaled by the device's logical DPI over the screen's. A field that would come within a
    // space of the next stop is cut with "…"; the sub-texts that would pass the device's right edge
    // continue on the next line, one column in. On a paged device a line that would pass the bottom
    // of the page begins a new page (lines start at y = h there; the title and headings are on the
    // first page only). Cost O(nodes x sub-texts x line length).
    void PrintTree(CDC* pDC);
    // The first node, roots in order each followed by its subtree in pre-order, whose text equals
    // text exactly and each of whose extra texts equals one of its sub-texts, comparing ASCII
    // letters without case and every other character exactly; null when none or when the list
    // has no rows. Cost O(nodes x sub-texts x extras).
    CGridTreeItem* SearchNodes(const QString& text, const QStringList& extras = {});
    // The node when its text equals text, else its first direct child that does, else the first
    // hit of this search in each child in turn; null when none. Cost O(subtree).
    CGridTreeItem* SearchSubtree(CGridTreeItem* node, const QString& text);
    // The find demonstration: five searches, each result told in a message box; a found "BC" node
    // and each root's first "AB" node are shown, selected and, after OK to "Do you want to delete
    // it", deleted with their subtrees. Waits for every box to be answered; rows may change while
    // a box is open (servers filed), so found nodes are held, not their rows (HeldNodeRemains).
    void RunFindDemo();
    // For a node held across a modal wait: true when it is still in the tree; else the status
    // bar says "The selected row is gone" (through the user notice) and the caller does nothing
    // with it. O(nodes).
    bool HeldNodeRemains(const CGridTreeItem* node);

    BOOL m_bDragEnabled = FALSE;  // rows may be dragged
    CImageList m_imageTree;       // the tree column's images, the list's small image list

signals:
    // The favourites were added to or removed from through the grid (Ctrl+D); the program saves
    // them, and views that show only favourites apply that again.
    void favouritesChanged();
    // Server rows were filed, rewritten or filtered: the counts of CountServerRows may differ.
    void serverRowsChanged();
    // A double-click on a server row (its node is the selected one): the program joins it.
    void joinRequested();
    // A context menu is asked for at the global position: by the right button on a row, which is
    // selected first, or by the Menu key or Shift+F10 on the selected row (below its label).
    void contextMenuRequested(const QPoint& globalPos);

protected:
    // Loads the two image lists from the program's resources; -1 when either cannot be loaded.
    int OnCreate() override;
    // Type-ahead (servergrid_typeahead.cpp): a printable key without Ctrl, Alt, Meta or the keypad
    // adds to the typed prefix (started afresh after a second without typing; a blank only
    // continues one), and the next shown server row whose name starts with it, ignoring case, is
    // selected and scrolled into view; a longer prefix may stay on the selected row. Other keys go
    // to the control. O(rows) a key.
    void keyPressEvent(QKeyEvent* event) override;
    // Gestures (servergrid_gestures.cpp). A double-click does what the tree does, then asks to
    // join a server row. A right-button context menu event selects the row under it and asks for
    // the menu; one from the keyboard is taken and left to the keys above (some platforms send
    // both). A tool tip over a version or game-type row tells its servers; over a server row,
    // the server in three lines (ServerToolTip).
    void OnDblClk(CPoint ptAction) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
    bool viewportEvent(QEvent* event) override;

private:
    // Lays a CGridCellCombo with the choices over the cell, the cell scrolled into view first,
    // with room for ten entries below it, the widest entry's extent, dropped down, the cell's
    // text selected. Nothing when the row cannot be made visible.
    void OpenDropDown(int nRow, int nCol, const QStringList& choices);
    // A version or game-type row (one of the group table); O(20).
    bool IsVersionOrTypeRow(const CGridTreeItem* node) const;
    // A group row: a version or game-type row, or "Favourites (no answer)".
    bool IsGroupRow(const CGridTreeItem* node) const;
    // Every node, roots in order each followed by its subtree in pre-order. O(nodes).
    std::vector<CGridTreeItem*> PreOrderNodes() const;
    // Tells a found node and offers to delete it: shows it, selects it, asks, deletes on OK.
    void OfferToDelete(CGridTreeItem* node);

    std::vector<GroupNodeEntry> m_groupNodes;
    IRefreshHost* m_pRefreshHost = nullptr;
    CFavouriteServers m_favourites;
    CGridTreeItem* m_pNoAnswerRoot = nullptr;  // checked against the roots before every use
    void SelectTypedServer();
    // The sub-texts the filter's search looks in: the searchable ones whose columns are shown.
    std::vector<int> SearchedSubTexts() const;
    // Applies the filter again when its search has words, after the shown columns changed.
    void SearchShownColumns();
    // The Menu key or Shift+F10: asks for the selected row's context menu (below its label) and
    // is taken; false for any other key (servergrid_gestures.cpp).
    bool RequestContextMenuByKey(const QKeyEvent& event);

    QString m_strTyped;       // the type-ahead prefix
    uint32_t m_nTypedAt = 0;  // GetTickCount of its last key
    ServerFilter m_filter;
    SortOrder m_sortOrder;
    CollationRanks m_collationRanks;  // for the sorts by a text key, kept across them
    bool m_bFilterActive = false;     // m_filter.IsActive(), asked once per filed row
    ServerRowMatcher m_matcher{m_filter};

public:
    // ---- Server details (servergrid_details.cpp). ----

    // This run's pings and answers of the servers filed (AddServerRow) or queried again (Enter).
    CServerHistory& History() { return m_history; }
    // What is known of a server row (IsServerRow): its texts and marks, its group's version and
    // game type, whether it is a favourite, and its history; nullopt for any other node.
    // O(1) but for the look-ups in the history and the favourites.
    std::optional<ServerDetails> DetailsOf(const CGridTreeItem* node) const;
    // The details pane's text for the node: a server row's lines, a version or game-type row's
    // counts (O(subtree)), "No server selected" for null or any other row. Read afresh for every
    // call: nothing of the node is kept.
    QString DetailsText(const CGridTreeItem* node) const;

private:
    CServerHistory m_history;

    // ---- Refreshes that keep the list (servergrid_keeprows.cpp, servergrid_refresh.cpp). ----
public:
    // "Query Shown Servers": queries again, without the master (QueryServers), every server row
    // the filter passes, in collapsed groups too, whose "Ip:Port" is a dotted IPv4 address and a
    // port, keeping the list as "Refresh List" does; nothing is removed. Returns when it has
    // ended, handling window events meanwhile.
    RefreshOutcome QueryShownServers();
    // The sort at the end of a refresh: SortTree with the children, or Resort in a refresh that
    // keeps the list.
    void SortAfterRefresh();
    // AddServerRow's part in a refresh that keeps the list: the record's row that waits for it
    // (its address, or the favourite's text it was filed under) is rewritten in place
    // (RewriteServerRow, keeping its "Ip:Port" text), or, when the answer names another group,
    // moved there as a row filed anew. False when no row waits for the record. O(1) but for the
    // row's change.
    bool RewriteWaitingRow(const ServerRecord& record, CGridTreeItem* group);
    // Writes the record's texts and marks over the server row in place, undimmed (texts past the
    // server's own stay; with bKeepAddress so does the "Ip:Port" text), and hides or shows it as
    // the filter says. O(1) when its filter state stays.
    void RewriteServerRow(CGridTreeItem* node, const ServerRecord& record, bool bKeepAddress);

private:
    // Starts a refresh that keeps the list: a new round, and each server row (with bShownOnly
    // those that QueryShownServers asks) dimmed and waiting for its answer; returns the addresses
    // of the rows that QueryShownServers asks (none without bShownOnly). O(nodes).
    std::vector<ServerAddress> BeginKeepingRows(bool bShownOnly);
    // Ends it; with bRemoveUnanswered the server rows not filed in this round go, but the
    // favourites'; expansion, selection and the top row stay. O(nodes + rows).
    void EndKeepingRows(bool bRemoveUnanswered);
    // Makes the index of waiting rows anew when nodes were freed behind its back. O(nodes) then.
    void UpdateWaitingIndex();

    ServerRowIndex m_waitingRows;
    std::uint32_t m_nRound = 0;  // the refresh; a server row's m_nUserData is the one that filed it
    bool m_bKeepingRows = false;

    // ---- Enter's query (servergrid_hooks.cpp). ----
public:
    // Enter's query on the server row, selected or not: blocks for up to the query's 2-second
    // time-out, then rewrites the row. False, and nothing sent, for a row whose address names no
    // server.
    bool QueryRowAgain(CGridTreeItem* node);

    // ---- Re-queries off the user-interface thread (serverrequery.cpp). ----
public:
    // The first server row, pre-order, whose "Ip:Port" text is address; null when none. O(nodes).
    CGridTreeItem* FindServerRow(const QString& address) const;
    // The end of Enter's re-query of the server row: the record noted in the history, the row
    // rewritten from it (RewriteServerRow, not keeping the address text).
    void TakeQueriedAgain(CGridTreeItem* node, const ServerRecord& record);
};

// The row data of a server: empty tree text; sub-texts ping, name, map, players, mod, "", "",
// address (bytes taken as Latin-1, one character per byte); the padlock under key 5 for a
// private server and the server box under key 6 for a dedicated one.
std::unique_ptr<CGridItemInfo> MakeServerRowInfo(const ServerRecord& record);

// Files a queried server as the last child of the group that matches its version and game
// type; a record whose key names no group changes nothing, unless it is a favourite's
// (CServerGrid::FileUngroupedFavourite). In a refresh that keeps the list, a row that waits for
// the record is rewritten instead (CServerGrid::RewriteWaitingRow). The server gets its row at once
// when the group is shown and expanded (the grid is then repainted at once, or at the end of the
// frame when it was repainted so within the current one: RedrawWithinFrame), else the group is
// marked collapsed and shows it when expanded. Every record is first noted in the grid's
// history (CServerHistory::RecordFiled), filed or not. Grid's thread only. Cost O(depth + rows
// below the new row) with a row (CGridTreeCtrl::InsertChildNode), else O(1), plus the history's.
void AddServerRow(const ServerRecord& record, CServerGrid* grid);
