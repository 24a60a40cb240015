#include "serverlist/pingsort.h"

#include "serverlist/servergrid.h"
#include "tests/serverlist/servergridtesting.h"
#include "tests/support/gridinvariants.h"

#include <gtest/gtest.h>

#include <climits>
#include <memory>

namespace {

using kr::test::Children;
using kr::test::GridInvariantsHold;
using kr::test::MakeRecord;
using kr::test::Roots;
using kr::test::Texts;

TEST(PingTextValueTest, ReadsTheLeadingNumberAsAtoiDoes) {
    struct Case {
        QString text;
        int value;
    };
    const Case cases[] = {
        {"7", 7},
        {"9999", 9999},
        {"0012", 12},
        {"  35", 35},
        {"\t\n\v\f\r120ms", 120},
        {"+5", 5},
        {"-3", -3},
        {"1 2", 1},
        {"", 0},
        {" ", 0},
        {"abc", 0},
        {"- 5", 0},
        {"+-5", 0},
        {"x12", 0},
        {"2147483647", INT_MAX},
        {"-2147483648", INT_MIN},
        {"2147483648", INT_MAX},
        {"99999999999999999999999", INT_MAX},
        {"-99999999999999999999999", INT_MIN},
        {QString(QChar(0xA0)) + "5", 0},  // only the C blanks are skipped
        {QString(QChar(0x0663)), 0},      // only ASCII digits count
    };
    for (const Case& c : cases) {
        EXPECT_EQ(PingTextValue(c.text), c.value) << c.text.toStdString();
    }
}

class PingSortTest : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(m_grid.Create(nullptr, 256)); }

    // A node with the ping text as sub-text 0 and the name as its tree text.
    static CGridItemInfo* Info(const QString& name, const QString& ping) {
        auto info = std::make_unique<CGridItemInfo>();
        info->m_strText = name;
        info->m_arrSubTexts = {ping};
        return info.release();
    }
    CGridTreeItem* Root(const QString& name, const QString& ping) {
        return m_grid.InsertRootNode(Info(name, ping));
    }
    CGridTreeItem* Child(CGridTreeItem* parent, const QString& name, const QString& ping) {
        return m_grid.InsertChildNode(parent, Info(name, ping), FALSE);
    }
    std::vector<std::string> ChildNames(CGridTreeItem* node) {
        return Texts(m_grid, Children(m_grid, node));
    }

    CServerGrid m_grid;
};

TEST_F(PingSortTest, CompareIsNumericAndNeverOverflows) {
    CGridTreeItem* low = Root("low", "-2147483648");
    CGridTreeItem* high = Root("high", "2147483647");
    CGridTreeItem* blank = Root("blank", " ");
    CGridTreeItem* none = m_grid.InsertRootNode(nullptr);
    EXPECT_LT(ComparePingText(low, high), 0);
    EXPECT_GT(ComparePingText(high, low), 0);
    EXPECT_EQ(ComparePingText(high, high), 0);
    EXPECT_EQ(ComparePingText(blank, none), 0) << "group rows all count as 0";
    EXPECT_EQ(ComparePingText(none, nullptr), 0);
}

// The sort at the end of a refresh, after the user had expanded and selected rows.
TEST_F(PingSortTest, SortTreeOrdersServersKeepsGroupsAndShowsCollapsedRootsOnly) {
    m_grid.PrepareGrid();
    for (const char* ping : {"120", "35", "9999", "7"}) {
        AddServerRow(MakeRecord("1.20", "DM", ping, std::string("p") + ping), &m_grid);
    }
    // Equal pings in two groups, filed interleaved.
    for (const char* name : {"e1", "e2", "e3"}) {
        AddServerRow(MakeRecord("1.00", "TDM", "50", name), &m_grid);
        AddServerRow(MakeRecord("1.00", "VLD", "40", name), &m_grid);
    }
    AddServerRow(MakeRecord("1.00", "TDM", "8", "fast"), &m_grid);
    CGridTreeItem* dm = m_grid.FindGroupNode("1.20", "DM");
    CGridTreeItem* v120 = m_grid.FindGroupNode("1.20", "*");
    m_grid.ExpandNode(v120, m_grid.RowFromNode(v120));
    m_grid.ExpandNode(dm, m_grid.RowFromNode(dm));
    m_grid.SetItemState(m_grid.RowFromNode(dm) + 2, LVIS_SELECTED | LVIS_FOCUSED,
                        LVIS_SELECTED | LVIS_FOCUSED);
    ASSERT_EQ(m_grid.GetItemCount(), 12);

    m_grid.SortTree(TRUE);

    EXPECT_EQ(Texts(m_grid, Children(m_grid, dm), 0),
              (std::vector<std::string>{"7", "35", "120", "9999"}));
    EXPECT_EQ(Texts(m_grid, Children(m_grid, m_grid.FindGroupNode("1.00", "TDM")), 1),
              (std::vector<std::string>{"fast", "e1", "e2", "e3"}));
    EXPECT_EQ(Texts(m_grid, Children(m_grid, m_grid.FindGroupNode("1.00", "VLD")), 1),
              (std::vector<std::string>{"e1", "e2", "e3"}));
    const std::vector<CGridTreeItem*> roots = Roots(m_grid);
    EXPECT_EQ(Texts(m_grid, roots),
              (std::vector<std::string>{"1.00", "1.10", "1.20", "1.30", "1.40"}));
    for (CGridTreeItem* root : roots) {
        EXPECT_EQ(Texts(m_grid, Children(m_grid, root)),
                  (std::vector<std::string>{"VLD", "TDM", "DM"}));
        EXPECT_TRUE(m_grid.IsCollapsed(root));
    }
    EXPECT_TRUE(m_grid.IsCollapsed(dm)) << "expanded before, collapsed with its version";
    ASSERT_EQ(m_grid.GetItemCount(), 5);
    EXPECT_EQ(m_grid.GetSelectedRow(), -1);
    EXPECT_EQ(m_grid.GetNextItem(-1, LVNI_FOCUSED), -1);
    EXPECT_TRUE(GridInvariantsHold(m_grid));

    // Expanding again shows the servers in ping order.
    m_grid.ExpandNode(v120, m_grid.RowFromNode(v120));
    m_grid.ExpandNode(dm, m_grid.RowFromNode(dm));
    EXPECT_EQ(m_grid.GetItemText(m_grid.RowFromNode(dm) + 1, 1), "7");
    EXPECT_TRUE(GridInvariantsHold(m_grid));
}

TEST_F(PingSortTest, SortsRootsAndEveryLevelBelow) {
    CGridTreeItem* slow = Root("slow", "300");
    CGridTreeItem* fast = Root("fast", "10");
    CGridTreeItem* mid = Root("mid", "20");
    CGridTreeItem* only = Child(slow, "only", "5");  // a single child: its children still sort
    for (const char* ping : {"3", "1", "2"}) {
        Child(only, ping, ping);
    }
    for (const char* ping : {"9", "8"}) {
        CGridTreeItem* child = Child(fast, ping, ping);
        Child(child, "y", "2");
        Child(child, "x", "1");
    }
    m_grid.ExpandSubtree(slow, nullptr);
    ASSERT_TRUE(GridInvariantsHold(m_grid));

    m_grid.SortTree(TRUE);

    EXPECT_EQ(Roots(m_grid), (std::vector<CGridTreeItem*>{fast, mid, slow}));
    EXPECT_EQ(ChildNames(only), (std::vector<std::string>{"1", "2", "3"}));
    EXPECT_EQ(ChildNames(fast), (std::vector<std::string>{"8", "9"}));
    for (CGridTreeItem* child : Children(m_grid, fast)) {
        EXPECT_EQ(ChildNames(child), (std::vector<std::string>{"x", "y"}));
    }
    EXPECT_TRUE(m_grid.IsCollapsed(only));
    ASSERT_EQ(m_grid.GetItemCount(), 3);
    EXPECT_EQ(m_grid.GetItemText(0, 0), "fast");
    EXPECT_EQ(m_grid.GetItemText(2, 1), "300");
    EXPECT_TRUE(GridInvariantsHold(m_grid));
}

// Enough equal keys that an unstable sort would mix them up.
TEST_F(PingSortTest, EqualPingsKeepTheirOrderInLargeGroups) {
    CGridTreeItem* group = Root("group", "");
    for (int i = 0; i < 60; ++i) {
        Child(group, QString::number(i), QString::number((i * 7) % 3 * 10));
    }
    m_grid.SortTree(TRUE);
    int previousPing = -1;
    int previousIndex = -1;
    for (CGridTreeItem* child : Children(m_grid, group)) {
        const CGridItemInfo* info = m_grid.GetInfo(child);
        const int ping = info->GetSubText(0).toInt();
        const int index = info->m_strText.toInt();
        ASSERT_GE(ping, previousPing);
        if (ping == previousPing) {
            EXPECT_GT(index, previousIndex) << "ping " << ping;
        }
        previousPing = ping;
        previousIndex = index;
    }
}

TEST_F(PingSortTest, WithoutChildrenOnlyTheRootsAreSorted) {
    CGridTreeItem* b = Root("b", "2");
    Root("a", "1");
    Child(b, "z", "9");
    Child(b, "y", "1");
    m_grid.SortTree(FALSE);
    EXPECT_EQ(Texts(m_grid, Roots(m_grid)), (std::vector<std::string>{"a", "b"}));
    EXPECT_EQ(ChildNames(b), (std::vector<std::string>{"z", "y"}));
    EXPECT_TRUE(GridInvariantsHold(m_grid));

    // SortChildNodes without recursion stops at the node's own children.
    CGridTreeItem* y = Children(m_grid, b)[1];
    Child(y, "n", "2");
    Child(y, "m", "1");
    m_grid.SortChildNodes(b, FALSE);
    EXPECT_EQ(ChildNames(b), (std::vector<std::string>{"y", "z"}));
    EXPECT_EQ(ChildNames(y), (std::vector<std::string>{"n", "m"}));
    m_grid.SortChildNodes(b, TRUE);
    EXPECT_EQ(ChildNames(y), (std::vector<std::string>{"m", "n"}));
}

TEST_F(PingSortTest, GridWithoutRootsIsLeftAlone) {
    m_grid.InsertItem(0, "not a node");
    m_grid.SetItemState(0, LVIS_SELECTED, LVIS_SELECTED);
    m_grid.SortTree(TRUE);
    ASSERT_EQ(m_grid.GetItemCount(), 1);
    EXPECT_EQ(m_grid.GetItemText(0, 0), "not a node");
    EXPECT_EQ(m_grid.GetSelectedRow(), 0);
}

}  // namespace
