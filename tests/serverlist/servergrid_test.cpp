#include "serverlist/servergrid.h"

#include "net/servergroups.h"
#include "tests/serverlist/servergridtesting.h"
#include "tests/support/gridinvariants.h"

#include <QCoreApplication>
#include <QImage>

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

// Counts the rows it is asked to paint.
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
    const std::vector<GroupNodeEntry>& table = m_grid.GroupNodes();
    ASSERT_EQ(table.size(), 20u);
    for (int v = 0; v < 5; ++v) {
        SCOPED_TRACE(v);
        EXPECT_EQ(m_grid.GetItemText(v, 1), " ");
        EXPECT_EQ(m_grid.GetNodeImage(roots[v]), kTreeImageGlobe);
        EXPECT_TRUE(m_grid.IsCollapsed(roots[v]));
        const std::vector<CGridTreeItem*> types = Children(m_grid, roots[v]);
        EXPECT_EQ(Texts(m_grid, types), kTypes);
        // The group table: each version, then its three types, naming this grid's nodes.
        EXPECT_EQ(table[v * 4].m_key, kVersions[v] + "*");
        EXPECT_EQ(table[v * 4].m_pNode, roots[v]);
        for (int t = 0; t < 3; ++t) {
            EXPECT_EQ(m_grid.GetNodeImage(types[t]), kTreeImageClosedFolder);
            EXPECT_FALSE(m_grid.HasChildren(types[t]));
            EXPECT_EQ(table[v * 4 + 1 + t].m_key, kVersions[v] + kTypes[t]);
            EXPECT_EQ(table[v * 4 + 1 + t].m_pNode, types[t]);
        }
    }
    EXPECT_TRUE(GridInvariantsHold(m_grid));

    // Expanding a version shows its types, in order, below it.
    Expand(roots[2]);
    ASSERT_EQ(m_grid.GetItemCount(), 8);
    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ(m_grid.GetItemText(3 + i, 0).toStdString(), kTypes[i]);
        EXPECT_EQ(m_grid.GetItemText(3 + i, 1), "");
    }
    EXPECT_EQ(m_grid.GetNodeImage(roots[2]), kTreeImageGlobe) << "its own image, even expanded";
    EXPECT_TRUE(GridInvariantsHold(m_grid));
}

TEST_F(ServerGridTest, NineColumnsAndTwoImageListsWithTransparentBackground) {
    struct Column {
        const char* heading;
        int width;
        int format;
    };
    const Column expected[] = {
        {"", 77, LVCFMT_LEFT},     {"Ping", 34, LVCFMT_RIGHT},   {"Server", 193, LVCFMT_LEFT},
        {"Map", 150, LVCFMT_LEFT}, {"Players", 50, LVCFMT_LEFT}, {"Mod", 110, LVCFMT_LEFT},
        {"", 18, LVCFMT_LEFT},     {"", 18, LVCFMT_LEFT},        {"Ip:Port", 125, LVCFMT_LEFT}};
    ASSERT_EQ(m_grid.GetColumnCount(), 9);
    for (int col = 0; col < 9; ++col) {
        SCOPED_TRACE(col);
        LVCOLUMN column;
        column.mask = LVCF_FMT | LVCF_WIDTH | LVCF_TEXT;
        ASSERT_TRUE(m_grid.GetColumn(col, &column));
        EXPECT_EQ(column.pszText, expected[col].heading);
        EXPECT_EQ(column.cx, expected[col].width);
        EXPECT_EQ(column.fmt, expected[col].format);
    }

    EXPECT_EQ(m_grid.GetImageList(LVSIL_SMALL), &m_grid.m_imageTree);
    EXPECT_EQ(m_grid.m_nIconWidth, 16);
    EXPECT_EQ(m_grid.m_nIconHeight, 16);
    EXPECT_EQ(m_grid.m_imageTree.GetImageCount(), 5);
    EXPECT_EQ(m_grid.m_imageCells.GetImageCount(), 7);
    EXPECT_EQ(m_grid.m_imageCells.GetIconSize(), CSize(16, 16));
    for (const CImageList* list : {&m_grid.m_imageTree, &m_grid.m_imageCells}) {
        for (int i = 0; i < list->GetImageCount(); ++i) {
            SCOPED_TRACE(i);
            const QImage image = list->GetImage(i).toImage();
            EXPECT_EQ(qAlpha(image.pixel(0, 0)), 0) << "the mask colour is see-through";
            int opaque = 0;
            for (int y = 0; y < 16; ++y) {
                for (int x = 0; x < 16; ++x) {
                    opaque += qAlpha(image.pixel(x, y)) == 255 ? 1 : 0;
                }
            }
            EXPECT_GT(opaque, 16) << "the drawing itself is not";
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
    for (const Case& c : cases) {
        SCOPED_TRACE(c.version + "|" + c.type);
        CServerGrid grid;
        ASSERT_TRUE(grid.Create(nullptr, 256));
        grid.PrepareGrid();
        AddServerRow(MakeRecord(c.version, c.type), &grid);
        for (CGridTreeItem* root : Roots(grid)) {
            EXPECT_EQ(grid.GetChildCount(root), 3);
            for (CGridTreeItem* type : Children(grid, root)) {
                const bool target = c.filed && grid.FindGroupNode(c.version, c.type) == type;
                EXPECT_EQ(grid.GetChildCount(type), target ? 1 : 0);
                EXPECT_EQ(grid.IsCollapsed(type), target ? TRUE : FALSE);
            }
        }
        EXPECT_EQ(grid.GetItemCount(), 5);
        EXPECT_TRUE(GridInvariantsHold(grid));
    }
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
        std::map<int, int> images;
        if (c.isPrivate) {
            images[5] = kCellImagePrivate;
        }
        if (c.dedicated) {
            images[6] = kCellImageDedicated;
        }
        EXPECT_EQ(m_grid.GetInfo(server)->m_mapCellImage, images);
        EXPECT_EQ(m_grid.GetNodeImage(server), kTreeImageServer);

        // The group is shown and was never collapsed: the row appears at once, below it.
        const int row = m_grid.RowFromNode(server);
        ASSERT_NE(row, -1);
        const QStringList expected = {"",    "123",   QString("Name ") + QChar(0xE9),
                                      "map", " 3/16", "",
                                      "",    "",      "127.0.0.1:27001"};
        for (int col = 0; col < 9; ++col) {
            EXPECT_EQ(m_grid.GetItemText(row, col), expected[col]) << col;
        }
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
    EXPECT_TRUE(GridInvariantsHold(m_grid));

    // Version expanded, type still collapsed: still no row.
    Expand(v120);
    AddServerRow(MakeRecord("1.20", "DM", "20", "b"), &m_grid);
    EXPECT_EQ(m_grid.GetItemCount(), 8);
    EXPECT_TRUE(GridInvariantsHold(m_grid));

    // Both expanded: the new server shows below its siblings, painted before events are handled.
    Expand(dm);
    QCoreApplication::processEvents();
    m_grid.m_nDrawn = 0;
    AddServerRow(MakeRecord("1.20", "DM", "30", "c"), &m_grid);
    ASSERT_EQ(m_grid.GetItemCount(), 11);
    EXPECT_EQ(m_grid.GetItemText(6, 2), "a");
    EXPECT_EQ(m_grid.GetItemText(7, 2), "b");
    EXPECT_EQ(m_grid.GetItemText(8, 2), "c");
    EXPECT_EQ(m_grid.GetItemText(9, 0), "1.30");
    EXPECT_GT(m_grid.m_nDrawn, 0) << "the grid is repainted at once";
    EXPECT_TRUE(GridInvariantsHold(m_grid));

    // An empty group that is shown has never been collapsed: it shows its first server at once.
    AddServerRow(MakeRecord("1.20", "VLD", "40", "d"), &m_grid);
    EXPECT_EQ(m_grid.GetItemText(4, 2), "d");
    EXPECT_TRUE(GridInvariantsHold(m_grid));

    // Collapsing the version hides everything; the next server waits for the expansion.
    m_grid.CollapseNode(v120);
    AddServerRow(MakeRecord("1.20", "DM", "50", "e"), &m_grid);
    EXPECT_EQ(m_grid.GetItemCount(), 5);
    EXPECT_TRUE(GridInvariantsHold(m_grid));
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

}  // namespace
