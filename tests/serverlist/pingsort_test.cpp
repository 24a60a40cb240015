// SPDX-License-Identifier: GPL-3.0-or-later
#include "serverlist/pingsort.h"

#include "serverlist/servergrid.h"
#include "tests/serverlist/servergridtesting.h"
#include "tests/support/gridinvariants.h"

#include <gtest/gtest.h>

#include <climits>
#include <memory>

namespace {

using namespace kr::test;

TEST(PingTextValueTest, ReadsTheLeadingNumberAsAtoiDoes) {
    // Only the C blanks are skipped and only ASCII digits count; the value saturates.
    const std::pair<const char*, int> cases[] = {{"\t\n\v\f\r120ms", 120},
                                                 {"+5", 5},
                                                 {"", 0},
                                                 {"- 5", 0},
                                                 {"+-5", 0},
                                                 {"\u00a05", 0},
                                                 {"\u0663", 0},
                                                 {"2147483648", INT_MAX},
                                                 {"-2147483648", INT_MIN},
                                                 {"-99999999999999999999999", INT_MIN}};
    for (const auto& [text, value] : cases) {
        EXPECT_EQ(PingTextValue(QString(text)), value) << text;
    }
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

    CServerGrid m_grid;
};

// The sort at the end of a refresh, after the user had expanded and selected rows: servers in
// ping order (equal pings as filed), groups kept, only the collapsed versions shown.
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
    m_grid.RevealNode(Children(m_grid, m_grid.FindGroupNode("1.20", "DM"))[1]);  // expands 1.20
    ASSERT_EQ(m_grid.GetItemCount(), 12);

    m_grid.SortTree(TRUE);

    EXPECT_EQ(Outline(m_grid, Roots(m_grid)),
              "1.00[VLD[e1 e2 e3] TDM[fast e1 e2 e3] DM] 1.10[VLD TDM DM] "
              "1.20[VLD TDM DM[p7 p35 p120 p9999]] 1.30[VLD TDM DM] 1.40[VLD TDM DM]");
    ASSERT_EQ(m_grid.GetItemCount(), 5);
    EXPECT_EQ(m_grid.GetSelectedRow(), -1);
    EXPECT_EQ(m_grid.GetNextItem(-1, LVNI_FOCUSED), -1);
    EXPECT_TRUE(GridInvariantsHold(m_grid));  // dm, hidden, was collapsed with its version
}

TEST_F(PingSortTest, SortsRootsAndEveryLevelBelow) {
    CGridTreeItem* slow = Add(nullptr, "slow", "2147483647");  // no overflow in the compare
    CGridTreeItem* fast = Add(nullptr, "fast", "10");
    Add(nullptr, "mid", "20");
    Add(nullptr, "blank", " ");  // as 0
    Add(nullptr, "min", "-2147483648");
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

    EXPECT_EQ(Outline(m_grid, Roots(m_grid)),
              "min blank fast[8[x y] 9[x y]] mid slow[only[1 2 3]]");
    EXPECT_TRUE(m_grid.IsCollapsed(only));
    ASSERT_EQ(m_grid.GetItemCount(), 5);
    EXPECT_EQ(m_grid.GetItemText(4, 1), "2147483647");
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

}  // namespace
