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
using Strings = std::vector<std::string>;

TEST(PingTextValueTest, ReadsTheLeadingNumberAsAtoiDoes) {
    // Only the C blanks are skipped and only ASCII digits count; the value saturates.
    const std::pair<const char*, int> cases[] = {
        {"7", 7}, {"0012", 12}, {"\t\n\v\f\r120ms", 120}, {"+5", 5}, {"-3", -3}, {"1 2", 1},
        {"", 0}, {" ", 0}, {"abc", 0}, {"- 5", 0}, {"+-5", 0}, {"x12", 0},
        {"2147483647", INT_MAX}, {"-2147483648", INT_MIN}, {"2147483648", INT_MAX},
        {"99999999999999999999999", INT_MAX}, {"-99999999999999999999999", INT_MIN},
    };
    for (const auto& [text, value] : cases) {
        EXPECT_EQ(PingTextValue(text), value) << text;
    }
    EXPECT_EQ(PingTextValue(QString(QChar(0xA0)) + "5"), 0);
    EXPECT_EQ(PingTextValue(QString(QChar(0x0663))), 0);
}

class PingSortTest : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(m_grid.Create(nullptr, 256)); }

    // A node named `name` with the ping text as sub-text 0, under `parent` or as a root.
    CGridTreeItem* Add(CGridTreeItem* parent, const QString& name, const QString& ping) {
        auto info = std::make_unique<CGridItemInfo>();
        info->m_strText = name;
        info->m_arrSubTexts = {ping};
        return parent ? m_grid.InsertChildNode(parent, info.release(), FALSE)
                      : m_grid.InsertRootNode(info.release());
    }
    Strings ChildNames(CGridTreeItem* node) { return Texts(m_grid, Children(m_grid, node)); }

    CServerGrid m_grid;
};

TEST_F(PingSortTest, CompareIsNumericAndNeverOverflows) {
    CGridTreeItem* low = Add(nullptr, "low", "-2147483648");
    CGridTreeItem* high = Add(nullptr, "high", "2147483647");
    CGridTreeItem* blank = Add(nullptr, "blank", " ");
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
    for (const char* name : {"e1", "e2", "e3"}) {  // equal pings in two groups, interleaved
        AddServerRow(MakeRecord("1.00", "TDM", "50", name), &m_grid);
        AddServerRow(MakeRecord("1.00", "VLD", "40", name), &m_grid);
    }
    AddServerRow(MakeRecord("1.00", "TDM", "8", "fast"), &m_grid);
    CGridTreeItem* dm = m_grid.FindGroupNode("1.20", "DM");
    CGridTreeItem* v120 = m_grid.FindGroupNode("1.20", "*");
    const auto expandDm = [&] {
        m_grid.ExpandNode(v120, m_grid.RowFromNode(v120));
        m_grid.ExpandNode(dm, m_grid.RowFromNode(dm));
    };
    expandDm();
    m_grid.SetItemState(m_grid.RowFromNode(dm) + 2, LVIS_SELECTED | LVIS_FOCUSED,
                        LVIS_SELECTED | LVIS_FOCUSED);
    ASSERT_EQ(m_grid.GetItemCount(), 12);

    m_grid.SortTree(TRUE);

    EXPECT_EQ(Texts(m_grid, Children(m_grid, dm), 0), (Strings{"7", "35", "120", "9999"}));
    EXPECT_EQ(Texts(m_grid, Children(m_grid, m_grid.FindGroupNode("1.00", "TDM")), 1),
              (Strings{"fast", "e1", "e2", "e3"}));
    EXPECT_EQ(Texts(m_grid, Children(m_grid, m_grid.FindGroupNode("1.00", "VLD")), 1),
              (Strings{"e1", "e2", "e3"}));
    EXPECT_EQ(Texts(m_grid, Roots(m_grid)), (Strings{"1.00", "1.10", "1.20", "1.30", "1.40"}));
    for (CGridTreeItem* root : Roots(m_grid)) {
        EXPECT_EQ(ChildNames(root), (Strings{"VLD", "TDM", "DM"}));
        EXPECT_TRUE(m_grid.IsCollapsed(root));
    }
    EXPECT_TRUE(m_grid.IsCollapsed(dm)) << "expanded before, collapsed with its version";
    ASSERT_EQ(m_grid.GetItemCount(), 5);
    EXPECT_EQ(m_grid.GetSelectedRow(), -1);
    EXPECT_EQ(m_grid.GetNextItem(-1, LVNI_FOCUSED), -1);
    EXPECT_TRUE(GridInvariantsHold(m_grid));

    expandDm();
    EXPECT_EQ(m_grid.GetItemText(m_grid.RowFromNode(dm) + 1, 1), "7");
    EXPECT_TRUE(GridInvariantsHold(m_grid));
}

TEST_F(PingSortTest, SortsRootsAndEveryLevelBelow) {
    CGridTreeItem* slow = Add(nullptr, "slow", "300");
    CGridTreeItem* fast = Add(nullptr, "fast", "10");
    CGridTreeItem* mid = Add(nullptr, "mid", "20");
    CGridTreeItem* only = Add(slow, "only", "5");  // a single child: its children still sort
    for (const char* ping : {"3", "1", "2"}) {
        Add(only, ping, ping);
    }
    for (const char* ping : {"9", "8"}) {
        CGridTreeItem* child = Add(fast, ping, ping);
        Add(child, "y", "2");
        Add(child, "x", "1");
    }
    m_grid.ExpandSubtree(slow, nullptr);

    m_grid.SortTree(TRUE);

    EXPECT_EQ(Roots(m_grid), (std::vector<CGridTreeItem*>{fast, mid, slow}));
    EXPECT_EQ(ChildNames(only), (Strings{"1", "2", "3"}));
    EXPECT_EQ(ChildNames(fast), (Strings{"8", "9"}));
    for (CGridTreeItem* child : Children(m_grid, fast)) {
        EXPECT_EQ(ChildNames(child), (Strings{"x", "y"}));
    }
    EXPECT_TRUE(m_grid.IsCollapsed(only));
    ASSERT_EQ(m_grid.GetItemCount(), 3);
    EXPECT_EQ(m_grid.GetItemText(2, 1), "300");
    EXPECT_TRUE(GridInvariantsHold(m_grid));
}

// Enough equal keys that an unstable sort would mix them up.
TEST_F(PingSortTest, EqualPingsKeepTheirOrderInLargeGroups) {
    CGridTreeItem* group = Add(nullptr, "group", "");
    for (int i = 0; i < 60; ++i) {
        Add(group, QString::number(i), QString::number((i * 7) % 3 * 10));
    }
    m_grid.SortTree(TRUE);
    std::pair<int, int> previous{-1, -1};  // ping, then filing index
    for (CGridTreeItem* child : Children(m_grid, group)) {
        const CGridItemInfo* info = m_grid.GetInfo(child);
        const std::pair<int, int> current{info->GetSubText(0).toInt(), info->m_strText.toInt()};
        EXPECT_LT(previous, current);
        previous = current;
    }
}

TEST_F(PingSortTest, WithoutRecursionOnlyTheFirstLevelIsSorted) {
    CGridTreeItem* b = Add(nullptr, "b", "2");
    Add(nullptr, "a", "1");
    Add(b, "z", "9");
    CGridTreeItem* y = Add(b, "y", "1");
    Add(y, "n", "2");
    Add(y, "m", "1");
    m_grid.SortTree(FALSE);
    EXPECT_EQ(Texts(m_grid, Roots(m_grid)), (Strings{"a", "b"}));
    EXPECT_EQ(ChildNames(b), (Strings{"z", "y"}));
    EXPECT_TRUE(GridInvariantsHold(m_grid));
    m_grid.SortChildNodes(b, FALSE);
    EXPECT_EQ(ChildNames(b), (Strings{"y", "z"}));
    EXPECT_EQ(ChildNames(y), (Strings{"n", "m"}));
    m_grid.SortChildNodes(b, TRUE);
    EXPECT_EQ(ChildNames(y), (Strings{"m", "n"}));
}

TEST_F(PingSortTest, GridWithoutRootsIsLeftAlone) {
    m_grid.InsertItem(0, "not a node");
    m_grid.SetItemState(0, LVIS_SELECTED, LVIS_SELECTED);
    m_grid.SortTree(TRUE);
    ASSERT_EQ(m_grid.GetItemCount(), 1);
    EXPECT_EQ(m_grid.GetSelectedRow(), 0);
}

}  // namespace
