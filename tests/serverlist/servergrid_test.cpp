#include "serverlist/servergrid.h"

#include "net/servergroups.h"
#include "tests/serverlist/servergridtesting.h"
#include "tests/support/gridinvariants.h"

#include <QCoreApplication>
#include <QImage>
#include <QMouseEvent>
#include <QTest>

#include <gtest/gtest.h>

#include <memory>

namespace {

using kr::test::Children;
using kr::test::GridInvariantsHold;
using kr::test::MakeRecord;
using kr::test::Roots;
using kr::test::Texts;

const std::vector<std::string> kVersions = {"1.00", "1.10", "1.20", "1.30", "1.40"};
const std::vector<std::string> kTypes = {"VLD", "TDM", "DM"};

class CountingGrid : public CServerGrid {
public:
    void DrawItem(DRAWITEMSTRUCT* pDrawItem) override {
        ++m_nDrawn;
        CServerGrid::DrawItem(pDrawItem);
    }
    int m_nDrawn = 0;
};

class ServerGridTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(m_grid.Create(nullptr, 256));
        m_grid.PrepareGrid();
    }

    CGridTreeItem* Group(const std::string& version, const std::string& type) {
        return m_grid.FindGroupNode(version, type);
    }
    void Expand(CGridTreeItem* node) { m_grid.ExpandNode(node, m_grid.RowFromNode(node)); }

    CountingGrid m_grid;
};

TEST_F(ServerGridTest, PreparedTreeIsFiveCollapsedVersionsWithThreeTypesEach) {
    EXPECT_EQ(m_grid.GetExtendedStyle(), LVS_EX_GRIDLINES);
    ASSERT_EQ(m_grid.GetItemCount(), 5);
    const std::vector<CGridTreeItem*> roots = Roots(m_grid);
    EXPECT_EQ(Texts(m_grid, roots), kVersions);
    for (int v = 0; v < 5; ++v) {
        EXPECT_EQ(m_grid.GetItemText(v, 1), " ");
        EXPECT_TRUE(m_grid.IsCollapsed(roots[v]));
        EXPECT_EQ(Texts(m_grid, Children(m_grid, roots[v])), kTypes);
    }
    // The group table: each version, then its three types, naming this grid's nodes.
    const std::vector<GroupNodeEntry>& table = m_grid.GroupNodes();
    ASSERT_EQ(table.size(), 20u);
    for (std::size_t i = 0; i < 20; ++i) {
        const std::size_t v = i / 4, t = i % 4;
        CGridTreeItem* node = t == 0 ? roots[v] : Children(m_grid, roots[v]).at(t - 1);
        EXPECT_EQ(table[i].m_key, kVersions[v] + (t == 0 ? "*" : kTypes[t - 1])) << i;
        EXPECT_EQ(table[i].m_pNode, node) << i;
        EXPECT_EQ(m_grid.GetNodeImage(node), t == 0 ? kTreeImageGlobe : kTreeImageClosedFolder);
        EXPECT_EQ(m_grid.HasChildren(node) != FALSE, t == 0) << i;
    }
    Expand(roots[2]);
    EXPECT_EQ(m_grid.GetItemText(5, 0), "DM");
    EXPECT_EQ(m_grid.GetNodeImage(roots[2]), kTreeImageGlobe) << "its own image, even expanded";
    EXPECT_TRUE(GridInvariantsHold(m_grid));
}

TEST_F(ServerGridTest, NineColumnsAndTwoImageListsWithTransparentBackground) {
    QStringList columns;  // heading/width/format
    for (int col = 0; col < m_grid.GetColumnCount(); ++col) {
        LVCOLUMN column;
        column.mask = LVCF_FMT | LVCF_WIDTH | LVCF_TEXT;
        ASSERT_TRUE(m_grid.GetColumn(col, &column));
        columns << QString("%1/%2/%3").arg(column.pszText).arg(column.cx).arg(column.fmt);
    }
    EXPECT_EQ(columns.join(' ').toStdString(),
              QString("/77/%1 Ping/34/%2 Server/193/%1 Map/150/%1 Players/50/%1 Mod/110/%1 /18/%1 "
                      "/18/%1 Ip:Port/125/%1")
                  .arg(LVCFMT_LEFT)
                  .arg(LVCFMT_RIGHT)
                  .toStdString());

    EXPECT_EQ(m_grid.GetImageList(LVSIL_SMALL), &m_grid.m_imageTree);
    EXPECT_EQ(m_grid.m_imageTree.GetImageCount(), 5);
    EXPECT_EQ(m_grid.m_imageCells.GetImageCount(), 7);
    for (const CImageList* list : {&m_grid.m_imageTree, &m_grid.m_imageCells}) {
        for (int i = 0; i < list->GetImageCount(); ++i) {
            const QImage image = list->GetImage(i).toImage();
            EXPECT_EQ(qAlpha(image.pixel(0, 0)), 0) << i << ": the mask colour is see-through";
            int opaque = 0;
            for (int p = 0; p < 256; ++p) {
                opaque += qAlpha(image.pixel(p % 16, p / 16)) == 255 ? 1 : 0;
            }
            EXPECT_GT(opaque, 16) << i << ": the drawing itself is not";
        }
    }
}

// Where each kind of record ends up: under its version's game-type group, or nowhere.
TEST_F(ServerGridTest, RecordsAreFiledUnderTheGroupOfTheirKeyOnly) {
    struct Case {
        std::string version;
        std::string type;
        bool filed;
    };
    const Case cases[] = {
        {"1.20", "DM", true},  {"1.00", "VLD", true},  {"1.30", "TDM", true},  {"1.10", "DM", true},
        {"1.??", "DM", false}, {"1.20", "???", false}, {"", "", false},        {"1.20", "", false},
        {"", "DM", false},     {"1.20", "dm", false},  {"1.20 ", "DM", false},
    };
    std::map<CGridTreeItem*, int> expected;
    for (const Case& c : cases) {
        AddServerRow(MakeRecord(c.version, c.type), &m_grid);
        expected[m_grid.FindGroupNode(c.version, c.type)] += c.filed ? 1 : 0;
    }
    for (CGridTreeItem* root : Roots(m_grid)) {
        for (CGridTreeItem* type : Children(m_grid, root)) {
            EXPECT_EQ(m_grid.GetChildCount(type), expected[type]) << Texts(m_grid, {root})[0];
            EXPECT_EQ(m_grid.IsCollapsed(type), expected[type] > 0 ? TRUE : FALSE);
        }
    }
    EXPECT_EQ(m_grid.GetItemCount(), 5);
    EXPECT_TRUE(GridInvariantsHold(m_grid));
}

// Every version code and game type byte a reply can carry: none is filed under a version group
// itself, and the 1.40 groups never receive a server.
TEST_F(ServerGridTest, NoDecodedKeyReachesAVersionGroupOrVersion140) {
    for (int code = 0; code < 256; ++code) {
        for (int type = -128; type < 128; ++type) {
            AddServerRow(MakeRecord(VersionText(static_cast<uint8_t>(code)),
                                    GameTypeText(static_cast<int8_t>(type))),
                         &m_grid);
        }
    }
    int filed = 0;
    for (CGridTreeItem* root : Roots(m_grid)) {
        EXPECT_EQ(Texts(m_grid, Children(m_grid, root)), kTypes);
        for (CGridTreeItem* type : Children(m_grid, root)) {
            filed += m_grid.GetChildCount(type);
        }
    }
    EXPECT_GT(filed, 0);
    for (CGridTreeItem* type : Children(m_grid, m_grid.FindGroupNode("1.40", "*"))) {
        EXPECT_FALSE(m_grid.HasChildren(type));
    }
    EXPECT_EQ(m_grid.GetItemCount(), 5);
}

TEST_F(ServerGridTest, ServerRowShowsTheRecordAndItsPrivateAndDedicatedMarks) {
    struct Case {
        bool isPrivate;
        bool dedicated;
    };
    const Case cases[] = {{false, false}, {true, false}, {false, true}, {true, true}};
    CGridTreeItem* group = Group("1.10", "TDM");
    Expand(Roots(m_grid)[1]);
    for (const Case& c : cases) {
        ServerRecord record = MakeRecord("1.10", "TDM", "123", "Name \xE9");
        record.m_mod = "";
        record.m_private = c.isPrivate;
        record.m_dedicated = c.dedicated;
        AddServerRow(record, &m_grid);
        CGridTreeItem* server = Children(m_grid, group).back();
        std::map<int, int> images{{5, kCellImagePrivate}, {6, kCellImageDedicated}};
        images.erase(c.isPrivate ? -1 : 5);
        images.erase(c.dedicated ? -1 : 6);
        EXPECT_EQ(m_grid.GetInfo(server)->m_mapCellImage, images);
        EXPECT_EQ(m_grid.GetNodeImage(server), kTreeImageServer);

        // The group is shown and was never collapsed: the row appears at once, below it.
        const int row = m_grid.RowFromNode(server);
        QStringList texts;
        for (int col = 0; col < 9; ++col) {
            texts << m_grid.GetItemText(row, col);
        }
        EXPECT_EQ(texts.join('|'), "|123|Name \u00e9|map| 3/16||||127.0.0.1:27001");
    }
    EXPECT_TRUE(GridInvariantsHold(m_grid));
}

TEST_F(ServerGridTest, FilingShowsTheRowAtOnceOnlyInAShownExpandedGroup) {
    m_grid.resize(600, 400);
    m_grid.show();
    QCoreApplication::processEvents();
    CGridTreeItem* v120 = Group("1.20", "*");
    CGridTreeItem* dm = Group("1.20", "DM");

    // Version collapsed: the type group is hidden, gets the server without a row and collapses.
    m_grid.m_nDrawn = 0;
    AddServerRow(MakeRecord("1.20", "DM", "10", "a"), &m_grid);
    EXPECT_EQ(m_grid.GetItemCount(), 5);
    EXPECT_TRUE(m_grid.IsCollapsed(dm));
    EXPECT_EQ(m_grid.m_nDrawn, 0) << "nothing to show, nothing painted at once";

    // Version expanded, type still collapsed: still no row.
    Expand(v120);
    AddServerRow(MakeRecord("1.20", "DM", "20", "b"), &m_grid);
    EXPECT_EQ(m_grid.GetItemCount(), 8);

    // Both expanded: the new server shows below its siblings, painted before events are handled.
    Expand(dm);
    QCoreApplication::processEvents();
    m_grid.m_nDrawn = 0;
    AddServerRow(MakeRecord("1.20", "DM", "30", "c"), &m_grid);
    ASSERT_EQ(m_grid.GetItemCount(), 11);
    for (int row = 6; row < 9; ++row) {
        EXPECT_EQ(m_grid.GetItemText(row, 2), QString(QChar('a' + row - 6)));
    }
    EXPECT_EQ(m_grid.GetItemText(9, 0), "1.30");
    EXPECT_GT(m_grid.m_nDrawn, 0) << "the grid is repainted at once";

    // An empty group that is shown has never been collapsed: it shows its first server at once.
    AddServerRow(MakeRecord("1.20", "VLD", "40", "d"), &m_grid);
    EXPECT_EQ(m_grid.GetItemText(4, 2), "d");

    // Collapsing the version hides everything; the next server waits for the expansion.
    m_grid.CollapseNode(v120);
    AddServerRow(MakeRecord("1.20", "DM", "50", "e"), &m_grid);
    EXPECT_EQ(m_grid.GetItemCount(), 5);
    Expand(v120);
    Expand(dm);
    EXPECT_EQ(Texts(m_grid, Children(m_grid, dm), 1),
              (std::vector<std::string>{"a", "b", "c", "e"}));
    EXPECT_EQ(m_grid.GetItemCount(), 12);
    EXPECT_TRUE(GridInvariantsHold(m_grid));
}

TEST_F(ServerGridTest, NodeImageFollowsOwnImageThenChildrenAndCollapse) {
    CServerGrid grid;
    ASSERT_TRUE(grid.Create(nullptr, 256));
    auto withImage = std::make_unique<CGridItemInfo>();
    withImage->m_nImage = 3;
    CGridTreeItem* own = grid.InsertRootNode(withImage.release());
    grid.InsertChildNode(own, nullptr, FALSE);
    CGridTreeItem* parent = grid.InsertRootNode(nullptr);
    CGridTreeItem* leaf = grid.InsertChildNode(parent, nullptr, FALSE);

    EXPECT_EQ(grid.GetNodeImage(own), 3) << "own image, whatever the children";
    EXPECT_EQ(grid.GetNodeImage(parent), kTreeImageClosedFolder);
    EXPECT_EQ(grid.GetNodeImage(leaf), kTreeImageServer);
    grid.ExpandNode(parent, grid.RowFromNode(parent));
    EXPECT_EQ(grid.GetNodeImage(parent), kTreeImageOpenFolder);
    EXPECT_EQ(grid.GetNodeImage(own), 3);
    EXPECT_EQ(grid.GetNodeImage(nullptr), -1);
}

// Each grid files into its own groups, also after another grid has been prepared and destroyed.
TEST_F(ServerGridTest, SecondGridLeavesTheFirstGridsFilingIntact) {
    CGridTreeItem* firstDm = Group("1.20", "DM");
    {
        CServerGrid second;
        ASSERT_TRUE(second.Create(nullptr, 4097));
        second.PrepareGrid();
        EXPECT_EQ(Group("1.20", "DM"), firstDm);
        EXPECT_NE(second.FindGroupNode("1.20", "DM"), firstDm);

        AddServerRow(MakeRecord("1.20", "DM"), &m_grid);
        AddServerRow(MakeRecord("1.20", "DM"), &second);
        AddServerRow(MakeRecord("1.20", "DM"), &second);
        EXPECT_EQ(m_grid.GetChildCount(firstDm), 1);
        EXPECT_EQ(second.GetChildCount(second.FindGroupNode("1.20", "DM")), 2);
        EXPECT_TRUE(GridInvariantsHold(second));
    }
    AddServerRow(MakeRecord("1.20", "DM"), &m_grid);
    EXPECT_EQ(m_grid.GetChildCount(firstDm), 2);
    EXPECT_EQ(m_grid.GroupNodes().size(), 20u);
    EXPECT_TRUE(GridInvariantsHold(m_grid));
}

TEST_F(ServerGridTest, RowsCanBeDraggedOnlyWhileDraggingIsSwitchedOn) {
    m_grid.resize(500, 300);
    m_grid.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&m_grid));
    for (const BOOL enabled : {FALSE, TRUE}) {
        m_grid.m_bDragEnabled = enabled;
        for (int row = 0; row < m_grid.GetItemCount(); ++row) {
            CRect bounds;
            m_grid.GetItemRect(row, &bounds, LVIR_BOUNDS);
            const QPoint at(150, bounds.top + 4), to = at + QPoint(30, 0);
            QTest::mousePress(m_grid.viewport(), Qt::LeftButton, {}, at);
            QMouseEvent move(QEvent::MouseMove, to, m_grid.viewport()->mapToGlobal(to),
                             Qt::NoButton, Qt::LeftButton, Qt::NoModifier);
            QCoreApplication::sendEvent(m_grid.viewport(), &move);
            EXPECT_EQ(m_grid.HasCapture(), enabled) << row;  // a drag holds the mouse
            QTest::mouseRelease(m_grid.viewport(), Qt::LeftButton, {}, to);  // onto itself
        }
    }
    EXPECT_EQ(m_grid.GetItemCount(), 5);
}

}  // namespace
