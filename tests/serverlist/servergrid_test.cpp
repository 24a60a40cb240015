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
using kr::test::Outline;
using kr::test::Roots;
using kr::test::Texts;

const std::string kGroups = "VLD TDM DM";
const std::string kPrepared = "1.00[" + kGroups + "] 1.10[" + kGroups + "] 1.20[" + kGroups +
                              "] 1.30[" + kGroups + "] 1.40[" + kGroups + "]";

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
    QString RowTexts(int row) {
        QStringList texts;
        for (int col = 0; col < m_grid.GetColumnCount(); ++col) {
            texts << m_grid.GetItemText(row, col);
        }
        return texts.join('|');
    }

    CountingGrid m_grid;
};

// Five collapsed version rows, each hiding its three types; the group table names every group
// node in tree order, versions with the globe, types with the closed folder.
TEST_F(ServerGridTest, PreparedTreeIsFiveCollapsedVersionsWithThreeTypesEach) {
    EXPECT_EQ(m_grid.GetExtendedStyle(), LVS_EX_GRIDLINES);
    EXPECT_EQ(Outline(m_grid), kPrepared);
    ASSERT_EQ(m_grid.GetItemCount(), 5);
    EXPECT_EQ(RowTexts(1), "1.10| |||||||");
    std::vector<CGridTreeItem*> preorder, table;
    std::string keys;
    for (CGridTreeItem* root : Roots(m_grid)) {
        const std::vector<CGridTreeItem*> types = Children(m_grid, root);
        preorder.push_back(root);
        preorder.insert(preorder.end(), types.begin(), types.end());
    }
    for (const GroupNodeEntry& entry : m_grid.GroupNodes()) {
        table.push_back(entry.m_pNode);
        keys += entry.m_key + " ";
        const bool version = entry.m_key.back() == '*';
        EXPECT_EQ(m_grid.GetNodeImage(entry.m_pNode),
                  version ? kTreeImageGlobe : kTreeImageClosedFolder);
    }
    EXPECT_EQ(table, preorder);
    EXPECT_EQ(keys,
              "1.00* 1.00VLD 1.00TDM 1.00DM 1.10* 1.10VLD 1.10TDM 1.10DM 1.20* 1.20VLD 1.20TDM "
              "1.20DM 1.30* 1.30VLD 1.30TDM 1.30DM 1.40* 1.40VLD 1.40TDM 1.40DM ");
    Expand(preorder[8]);
    EXPECT_EQ(m_grid.GetItemText(5, 0), "DM");
    EXPECT_EQ(m_grid.GetNodeImage(preorder[8]), kTreeImageGlobe) << "its own image, even expanded";
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

// Where each kind of record ends up: under its version's game-type group, or nowhere; a group
// that receives a server while hidden is collapsed (the invariants hold it).
TEST_F(ServerGridTest, RecordsAreFiledUnderTheGroupOfTheirKeyOnly) {
    const std::pair<const char*, const char*> cases[] = {
        {"1.20", "DM"},  {"1.00", "VLD"}, {"1.30", "TDM"}, {"1.10", "DM"},   {"1.??", "DM"},
        {"1.20", "???"}, {"", ""},        {"1.20", ""},    {"", "DM"},       {"1.20", "dm"},
        {"1.20 ", "DM"}, {"1.30", "dm"},  {"1.40 ", ""},   {"1.00*", "VLD"},
    };
    for (const auto& [version, type] : cases) {
        AddServerRow(MakeRecord(version, type, "50", version + std::string(type)), &m_grid);
    }
    EXPECT_EQ(Outline(m_grid),
              "1.00[VLD[1.00VLD] TDM DM] 1.10[VLD TDM DM[1.10DM]] 1.20[VLD TDM DM[1.20DM]] "
              "1.30[VLD TDM[1.30TDM] DM] 1.40[" +
                  kGroups + "]");
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
    for (CGridTreeItem* root : Roots(m_grid)) {
        EXPECT_EQ(Texts(m_grid, Children(m_grid, root)),
                  (std::vector<std::string>{"VLD", "TDM", "DM"}));
    }
    EXPECT_GT(m_grid.GetChildCount(Group("1.20", "DM")), 0);
    EXPECT_EQ(Outline(m_grid, {Group("1.40", "*")}), "1.40[" + kGroups + "]");
    EXPECT_EQ(m_grid.GetItemCount(), 5);
}

// Shown at once below its expanded group, with the padlock and server-box marks as flagged.
TEST_F(ServerGridTest, ServerRowShowsTheRecordAndItsPrivateAndDedicatedMarks) {
    const struct {
        bool isPrivate, dedicated;
        std::map<int, int> images;
    } cases[] = {{false, false, {}},
                 {true, false, {{5, kCellImagePrivate}}},
                 {false, true, {{6, kCellImageDedicated}}},
                 {true, true, {{5, kCellImagePrivate}, {6, kCellImageDedicated}}}};
    Expand(Roots(m_grid)[1]);
    for (const auto& c : cases) {
        ServerRecord record = MakeRecord("1.10", "TDM", "123", "Name \xE9");
        record.m_mod = "";
        record.m_private = c.isPrivate;
        record.m_dedicated = c.dedicated;
        AddServerRow(record, &m_grid);
        CGridTreeItem* server = kr::test::LastChild(m_grid, Group("1.10", "TDM"));
        ASSERT_NE(server, nullptr);
        EXPECT_EQ(m_grid.GetInfo(server)->m_mapCellImage, c.images);
        EXPECT_EQ(m_grid.GetNodeImage(server), kTreeImageServer);
        EXPECT_EQ(RowTexts(m_grid.RowFromNode(server)),
                  "|123|Name \u00e9|map| 3/16||||127.0.0.1:27001");
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
    EXPECT_EQ(m_grid.GetItemText(8, 2) + m_grid.GetItemText(9, 0), "c1.30");  // after a and b
    EXPECT_TRUE(GridInvariantsHold(m_grid));
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
    EXPECT_EQ(Outline(m_grid, {v120}), "1.20[VLD[d] TDM DM[a b c e]]");
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
    const auto images = [&] {
        return std::vector<int>{grid.GetNodeImage(own), grid.GetNodeImage(parent),
                                grid.GetNodeImage(leaf), grid.GetNodeImage(nullptr)};
    };
    EXPECT_EQ(images(), (std::vector<int>{3, kTreeImageClosedFolder, kTreeImageServer, -1}));
    grid.ExpandNode(parent, grid.RowFromNode(parent));
    EXPECT_EQ(images(), (std::vector<int>{3, kTreeImageOpenFolder, kTreeImageServer, -1}));
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
