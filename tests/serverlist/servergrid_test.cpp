// SPDX-License-Identifier: GPL-3.0-or-later
#include "serverlist/servergrid.h"

#include "tests/serverlist/servergridtesting.h"
#include "tests/support/fakenotice.h"
#include "tests/support/gridinvariants.h"
#include "tests/support/modalwatcher.h"
#include "tests/support/mousegestures.h"
#include "tests/support/rendering.h"

#include <QAbstractButton>
#include <QHelpEvent>
#include <QMessageBox>
#include <QTest>
#include <QToolTip>

#include <gtest/gtest.h>

#include <set>

namespace {

using namespace kr::test;

const std::string kGroups = "VLD TDM DM";

// Records the rows it paints, once a paint.
class PaintedRowsGrid : public PreparedGrid {
public:
    void DrawItem(DRAWITEMSTRUCT* pDrawItem) override {
        m_painted.insert(static_cast<int>(pDrawItem->itemID));
        PreparedGrid::DrawItem(pDrawItem);
    }
    std::multiset<int> m_painted;
};

class ServerGridTest : public ::testing::Test {
protected:
    CGridTreeItem* Group(const std::string& version, const std::string& type) {
        return m_grid.FindGroupNode(version, type);
    }
    void Expand(CGridTreeItem* node) { m_grid.ExpandNode(node, m_grid.RowFromNode(node)); }

    PaintedRowsGrid m_grid;
};

// Five collapsed version rows, each hiding its three types; the group table names every group
// node in tree order, versions with the globe, types with the closed folder.
TEST_F(ServerGridTest, PreparedTreeIsFiveCollapsedVersionsWithThreeTypesEach) {
    EXPECT_EQ(m_grid.GetExtendedStyle(), LVS_EX_GRIDLINES);
    EXPECT_EQ(Outline(m_grid, Roots(m_grid)), "1.00[" + kGroups + "] 1.10[" + kGroups + "] 1.20[" +
                                                  kGroups + "] 1.30[" + kGroups + "] 1.40[" +
                                                  kGroups + "]");
    ASSERT_EQ(m_grid.GetItemCount(), 5);
    EXPECT_EQ(RowCells(m_grid, 1), "1.10| |||||||");
    std::string table;  // key=text/image
    for (const GroupNodeEntry& entry : m_grid.GroupNodes()) {
        table += entry.m_key + "=" + m_grid.GetInfo(entry.m_pNode)->m_strText.toStdString() + "/" +
                 std::to_string(m_grid.GetNodeImage(entry.m_pNode)) + " ";
    }
    EXPECT_EQ(table,
              "1.00*=1.00/4 1.00VLD=VLD/1 1.00TDM=TDM/1 1.00DM=DM/1 1.10*=1.10/4 1.10VLD=VLD/1 "
              "1.10TDM=TDM/1 1.10DM=DM/1 1.20*=1.20/4 1.20VLD=VLD/1 1.20TDM=TDM/1 1.20DM=DM/1 "
              "1.30*=1.30/4 1.30VLD=VLD/1 1.30TDM=TDM/1 1.30DM=DM/1 1.40*=1.40/4 1.40VLD=VLD/1 "
              "1.40TDM=TDM/1 1.40DM=DM/1 ");
    Expand(Group("1.20", "*"));
    EXPECT_EQ(m_grid.GetItemText(5, 0), "DM");
    EXPECT_EQ(m_grid.GetNodeImage(Group("1.20", "*")), kTreeImageGlobe) << "its own, expanded";
    EXPECT_TRUE(GridInvariantsHold(m_grid));
    // The tree images come from the 2x strip: six, drawn at 16 x 16 from 32 x 32 pixels.
    ASSERT_EQ(m_grid.m_imageTree.GetImageCount(), kTreeImageFavourite + 1);
    for (int i = 0; i <= kTreeImageFavourite; ++i) {
        const QPixmap image = m_grid.m_imageTree.GetImage(i);
        EXPECT_TRUE(image.devicePixelRatio() == 2.0 && image.size() == QSize(32, 32)) << i;
    }
}

// Where each kind of record ends up: under its version's game-type group (the exact key), or
// nowhere; a group that receives a server while hidden is collapsed (the invariants hold it).
TEST_F(ServerGridTest, RecordsAreFiledUnderTheGroupOfTheirKeyOnly) {
    const std::pair<const char*, const char*> cases[] = {
        {"1.20", "DM"}, {"1.00", "VLD"}, {"1.30", "TDM"}, {"1.??", "DM"},  {"1.20", "???"},
        {"", ""},       {"1.20", ""},    {"1.20", "dm"},  {"1.20 ", "DM"},
    };
    for (const auto& [version, type] : cases) {
        AddServerRow(MakeRecord(version, type, "50", version + std::string(type)), &m_grid);
    }
    EXPECT_EQ(Outline(m_grid, Roots(m_grid)),
              "1.00[VLD[1.00VLD] TDM DM] 1.10[" + kGroups +
                  "] 1.20[VLD TDM DM[1.20DM]] 1.30[VLD TDM[1.30TDM] DM] 1.40[" + kGroups + "]");
    EXPECT_EQ(m_grid.GetItemCount(), 5);
    EXPECT_TRUE(GridInvariantsHold(m_grid));
}

// A server shows at once below the servers of a shown, expanded group, with its texts (Latin-1
// name), marks and the server image; in a hidden or collapsed group it waits for the expansion.
TEST_F(ServerGridTest, FilingShowsTheRowAtOnceOnlyInAShownExpandedGroup) {
    CGridTreeItem* v120 = Group("1.20", "*");
    CGridTreeItem* dm = Group("1.20", "DM");
    AddServerRow(MakeRecord("1.20", "DM", "10", "a"), &m_grid);  // version collapsed
    EXPECT_EQ(m_grid.GetItemCount(), 5);
    EXPECT_TRUE(m_grid.IsCollapsed(dm));
    Expand(v120);
    AddServerRow(MakeRecord("1.20", "DM", "20", "b"), &m_grid);  // type collapsed
    EXPECT_EQ(m_grid.GetItemCount(), 8);

    Expand(dm);
    ServerRecord c = MakeRecord("1.20", "DM", "30", "c\xE9");
    c.m_mod = "";
    c.m_private = true;
    AddServerRow(c, &m_grid);
    ASSERT_EQ(m_grid.GetItemCount(), 11);
    EXPECT_EQ(RowCells(m_grid, 8), "|30|c\u00e9|map| 3/16||||127.0.0.1:27001");  // after a and b
    EXPECT_EQ(m_grid.GetInfo(m_grid.NodeFromRow(8))->m_mapCellImage,
              (TCellMap<int>{{kPrivateCellKey, kCellImagePrivate}}));
    EXPECT_EQ(m_grid.GetNodeImage(m_grid.NodeFromRow(8)), kTreeImageServer);
    EXPECT_TRUE(GridInvariantsHold(m_grid));

    // An empty group that is shown has never been collapsed: it shows its first server at once.
    AddServerRow(MakeRecord("1.20", "VLD", "40", "d"), &m_grid);
    EXPECT_EQ(m_grid.GetItemText(4, 2), "d");

    m_grid.CollapseNode(v120);
    AddServerRow(MakeRecord("1.20", "DM", "50", "e"), &m_grid);
    EXPECT_EQ(m_grid.GetItemCount(), 5);
    Expand(v120);
    Expand(dm);
    EXPECT_EQ(Outline(m_grid, {v120}), "1.20[VLD[d] TDM DM[a b c\u00e9 e]]");
    EXPECT_EQ(m_grid.GetItemCount(), 12);
    EXPECT_TRUE(GridInvariantsHold(m_grid));
}

// Servers that pour into a shown, expanded group: the first is painted at once, the rest within
// the frame once, and the whole view when the frame ends.
TEST_F(ServerGridTest, RowsPouringInArePaintedAtOnceThenOncePerFrame) {
    m_grid.resize(600, 400);
    m_grid.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&m_grid));
    Expand(Group("1.20", "*"));
    Expand(Group("1.20", "DM"));
    QTest::qWait(40);  // the expansion's frame is over
    m_grid.m_painted.clear();
    AddServerRow(MakeRecord("1.20", "DM", "0"), &m_grid);
    const std::size_t firstFrame = m_grid.m_painted.size();
    EXPECT_GT(firstFrame, 0u) << "the first server is on screen at once";
    for (int n = 1; n <= 40; ++n) {
        AddServerRow(MakeRecord("1.20", "DM", std::to_string(n)), &m_grid);
    }
    EXPECT_EQ(m_grid.m_painted.size(), firstFrame) << "no repaint per server within the frame";
    m_grid.m_painted.clear();
    QTest::qWait(40);
    const int top = m_grid.GetTopIndex();
    EXPECT_TRUE(m_grid.m_painted.count(top) &&
                m_grid.m_painted.count(top + m_grid.GetCountPerPage() - 1))
        << "the whole view is repainted when the frame ends";
}

// Under an expanded row the new node shows at once below its last row, its nine items below it
// once expanded.
TEST_F(ServerGridTest, SampleItemsUnderAnExpandedRowAreShownAtOnce) {
    Expand(Group("1.10", "*"));
    m_grid.InsertSampleItems(m_grid.NodeFromRow(1), "Zed");
    ASSERT_EQ(RowCells(m_grid, 5), "Zed|I am|now|going to insert|some items||||");
    CGridTreeItem* node = m_grid.NodeFromRow(5);
    EXPECT_EQ(m_grid.GetNodeImage(node), kTreeImageClosedFolder);
    Expand(node);
    EXPECT_EQ(m_grid.GetNodeImage(node), kTreeImageOpenFolder);
    EXPECT_EQ(m_grid.GetItemCount(), 18);
    EXPECT_EQ(m_grid.GetItemText(14, 1), "SubItem 0 of Item 8");
    EXPECT_TRUE(GridInvariantsHold(m_grid));
}

// Rows: 1.00, VLD, a server, the sample "Zed", TDM, DM, ... A drag starts only while dragging is
// on, and never from a group row: a drop frees the dragged node, and the group table must go on
// naming it, so servers filed afterwards still land in their group. Drops land on group rows
// only, and only a version or game-type row's tool tip counts servers.
TEST_F(ServerGridTest, OnlyServerAndSampleRowsAreDraggedOntoGroupRowsOnly) {
    m_grid.resize(500, 300);
    m_grid.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&m_grid));
    CGridTreeItem* vld = Group("1.00", "VLD");
    AddServerRow(MakeRecord("1.00", "VLD"), &m_grid);
    m_grid.InsertSampleItems(vld, "Zed");
    Expand(Group("1.00", "*"));
    Expand(vld);
    const auto at = [this](int row) { return RowPoint(m_grid, row); };
    const auto drag = [&](int row, int onto) {  // real mouse events on the viewport
        BeginDrag(m_grid.viewport(), at(row));
        MoveMouse(m_grid.viewport(), at(onto));
        const bool dragging = m_grid.HasCapture();
        QTest::mouseRelease(m_grid.viewport(), Qt::LeftButton, {}, at(onto));
        return dragging;
    };
    for (const auto& [row, tip] : {std::pair{3, ""}, {1, "1 server(s)"}}) {
        QHelpEvent help(QEvent::ToolTip, at(row), m_grid.viewport()->mapToGlobal(at(row)));
        QApplication::sendEvent(m_grid.viewport(), &help);
        EXPECT_EQ(QToolTip::text(), tip) << row;
    }
    const std::pair<int, bool> rows[] = {{0, false}, {1, false}, {2, true}, {3, true}};
    for (const BOOL enabled : {FALSE, TRUE}) {
        m_grid.m_bDragEnabled = enabled;
        for (const auto& [row, draggable] : rows) {
            EXPECT_EQ(drag(row, row), enabled && draggable) << row;  // onto itself: no drop
        }
    }
    const std::string tree = Outline(m_grid, Roots(m_grid));
    EXPECT_FALSE(drag(1, 4));               // VLD onto TDM
    EXPECT_TRUE(drag(2, 3) && drag(3, 2));  // the server onto the sample row, and back
    EXPECT_EQ(Outline(m_grid, Roots(m_grid)), tree);
    EXPECT_TRUE(drag(2, 5));  // the server onto DM: moved
    AddServerRow(MakeRecord("1.00", "VLD", "50", "late"), &m_grid);
    EXPECT_EQ(Group("1.00", "VLD"), vld);
    EXPECT_EQ(Texts(m_grid, Children(m_grid, vld)), std::vector<std::string>({"Zed", ""}));
    EXPECT_EQ(m_grid.GetChildCount(Group("1.00", "DM")), 1);
    EXPECT_TRUE(GridInvariantsHold(m_grid));
}

// A found node is held across the message boxes, not its row: servers filed meanwhile above it
// move it, and OK still deletes that node; one that went meanwhile is left alone, and the status
// bar says so.
TEST_F(ServerGridTest, FindDemoDeletesTheFoundNodeWhereverItsRowHasGone) {
    for (const bool deletedMeanwhile : {false, true}) {
        SCOPED_TRACE(deletedMeanwhile);
        PreparedGrid grid;
        CGridTreeItem* vld = grid.FindGroupNode("1.00", "VLD");
        CGridTreeItem* tdm = grid.FindGroupNode("1.00", "TDM");
        AddServerRow(MakeRecord("1.00", "VLD"), &grid);
        grid.InsertSampleItems(tdm, "BC");
        for (CGridTreeItem* node : {grid.FindGroupNode("1.00", "*"), vld, tdm}) {
            grid.ExpandNode(node, grid.RowFromNode(node));
        }
        FakeNotice notice;
        ModalWatcher answer([&](QWidget* modal) {
            auto* box = qobject_cast<QMessageBox*>(modal);
            if (box != nullptr && box->text() == "Do you want to delete it") {
                for (int i = 0; i < 3; ++i) {  // a refresh files servers above the found row
                    AddServerRow(MakeRecord("1.00", "VLD"), &grid);
                }
                if (deletedMeanwhile) {
                    CGridTreeItem* bc = grid.SearchNodes("BC");
                    grid.DeleteNodeAndRows(bc, grid.RowFromNode(bc));
                }
            }
            if (box != nullptr) {
                box->button(QMessageBox::Ok)->click();
            }
        });
        grid.RunFindDemo();
        EXPECT_EQ(grid.SearchNodes("BC"), nullptr);
        EXPECT_EQ(Outline(grid, Children(grid, grid.FindGroupNode("1.00", "*"))),
                  "VLD[server server server server] TDM DM");
        EXPECT_EQ(notice.StatusTexts(),
                  std::vector<std::string>(deletedMeanwhile ? 1 : 0, "The selected row is gone"));
        EXPECT_TRUE(GridInvariantsHold(grid));
    }
}

// Which cells of a row carry ink (pixels darker than mid-grey) when the viewport is painted
// into an image of the given pixel ratio, as a screen of that ratio shows it.
std::vector<bool> InkedCells(CServerGrid& grid, int row, qreal ratio) {
    QImage image(grid.viewport()->size() * ratio, QImage::Format_RGB32);
    image.setDevicePixelRatio(ratio);
    image.fill(Qt::white);
    grid.viewport()->render(&image);
    std::vector<bool> inked;
    for (int col = 1; col < grid.GetColumnCount(); ++col) {
        CRect cell;
        grid.GetSubItemRect(row, col, LVIR_BOUNDS, cell);
        cell.DeflateRect(1, 1);  // not the grid lines
        const QRectF device(cell.left * ratio, cell.top * ratio, cell.Width() * ratio,
                            cell.Height() * ratio);
        inked.push_back(!Ink(image.copy(device.toRect())).isNull());
    }
    return inked;
}

// Every cell of a server row paints at any pixel ratio, none left out because the paint took the
// device's pixels for its own.
TEST_F(ServerGridTest, EveryCellPaintsAtAnyPixelRatio) {
    ServerRecord record = MakeRecord("1.20", "DM", "50", "[EU] Rusty Anvil");
    record.m_private = record.m_dedicated = true;
    AddServerRow(record, &m_grid);
    Expand(Group("1.20", "*"));
    Expand(Group("1.20", "DM"));
    m_grid.resize(900, 300);
    m_grid.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&m_grid));
    ASSERT_EQ(RowCells(m_grid, 6), "|50|[EU] Rusty Anvil|map| 3/16|mod|||127.0.0.1:27001");
    for (const qreal ratio : {1.0, 1.5, 2.0}) {
        EXPECT_EQ(InkedCells(m_grid, 6, ratio), std::vector<bool>(8, true)) << ratio;
    }
}

}  // namespace
