#include "serverlist/sortorder.h"

#include "serverlist/servergrid.h"
#include "tests/serverlist/servergridtesting.h"
#include "tests/support/gridinvariants.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

namespace {

using namespace kr::test;

struct Row {
    const char* ping;
    const char* name;
    const char* players;
    const char* address;
};

struct OrderCase {
    SortOrder order;
    std::vector<Row> rows;
    std::string expected;  // the rows' indices in sorted order
};

TEST(SortOrderTest, OrdersServerRowsByKeyThenPingThenAddress) {
    const Row pings[] = {{"50", "a", "1/8", "127.0.0.2:1"},
                         {"9999", "b", "?/?", "127.0.0.1:1"},
                         {"7", "c", "1/8", "127.0.0.1:1"},
                         {"50", "d", "1/8", "127.0.0.1:9"}};
    const std::vector<Row> ping(std::begin(pings), std::end(pings));
    const std::vector<Row> names = {{"5", "Server 10", "", "127.0.0.1:1"},
                                    {"5", "server 9", "", "127.0.0.1:1"},
                                    {"9", "alpha", "", "127.0.0.1:1"},
                                    {"4", "Alpha", "", "127.0.0.1:1"}};
    const std::vector<Row> players = {{"5", "", "3/16", "127.0.0.1:1"},
                                      {"5", "", "?/?", "127.0.0.1:1"},
                                      {"5", "", "12/16", "127.0.0.1:1"},
                                      {"2", "", "3/8", "127.0.0.1:1"}};
    const std::vector<Row> addresses = {{"5", "", "", "127.0.0.10:5"},
                                        {"5", "", "", "host:1"},
                                        {"5", "", "", "127.0.0.2:100"},
                                        {"5", "", "", "127.0.0.2:1"}};
    const OrderCase cases[] = {
        {{SortKey::Ping, false}, ping, "2 3 0 1"},  // equal pings by address, 9999 last
        {{SortKey::Ping, true}, ping, "3 0 2 1"},   // 9999 still last
        {{SortKey::Server, false}, names, "3 2 1 0"},
        {{SortKey::Server, true}, names, "0 1 3 2"},  // ties stay by ping
        {{SortKey::Players, true}, players, "2 3 0 1"},
        {{SortKey::Players, false}, players, "3 0 2 1"},
        {{SortKey::Address, false}, addresses, "3 2 0 1"},
    };
    for (const OrderCase& c : cases) {
        std::vector<std::unique_ptr<CGridTreeItem>> owned;
        GridNodeList nodes;
        for (const Row& row : c.rows) {
            owned.push_back(std::make_unique<CGridTreeItem>());
            owned.back()->m_pInfo = new CGridItemInfo;
            owned.back()->m_pInfo->m_arrSubTexts = {row.ping, row.name, "", row.players,
                                                    "",       "",       "", row.address};
            owned.back()->m_pInfo->m_nUserData = static_cast<std::uint32_t>(nodes.size());
            nodes.push_back(owned.back().get());
        }
        SortServerNodes(nodes, c.order);
        std::string order;
        for (CGridTreeItem* node : nodes) {
            order += (order.empty() ? "" : " ") + std::to_string(node->m_pInfo->m_nUserData);
            delete node->m_pInfo;
        }
        EXPECT_EQ(order, c.expected)
            << SortKeyName(c.order.key).toStdString() << c.order.descending;
    }
}

// A re-sort chosen from the menu keeps the view; the sort at the end of a refresh applies the
// chosen key and leaves "Favourites (no answer)" last.
TEST(SortOrderTest, ResortKeepsTheViewAndTheRefreshSortAppliesTheKey) {
    PreparedGrid grid;
    grid.resize(400, 200);
    grid.Favourites().Add("127.0.0.1:1");
    ServerRecord silent = MakeRecord("9.99", "DM");
    silent.m_address = "127.0.0.1:1";
    grid.FileUngroupedFavourite(silent);
    for (int i = 0; i < 30; ++i) {
        AddServerRow(MakeRecord("1.00", "VLD", std::to_string(99 - i), "s" + std::to_string(i)),
                     &grid);
    }
    CGridTreeItem* vld = grid.FindGroupNode("1.00", "VLD");
    CGridTreeItem* picked = Children(grid, vld)[20];
    grid.RevealNode(picked);
    grid.Scroll(CSize(0, 5 * grid.GetRowHeight()));
    const int top = grid.GetTopIndex();
    grid.SetSortOrder({SortKey::Server, true});

    grid.Resort();

    EXPECT_EQ(Texts(grid, Children(grid, vld), kNameSubText)[0], "s29");
    EXPECT_EQ(grid.GetTopIndex(), top);
    EXPECT_EQ(grid.NodeFromRow(grid.GetSelectedRow()), picked);
    EXPECT_EQ(grid.GetItemCount(), 5 + 3 + 30 + 2);  // the favourite shown under its root
    EXPECT_TRUE(GridInvariantsHold(grid));

    grid.SortTree(TRUE);
    EXPECT_EQ(Texts(grid, Children(grid, vld), kNameSubText)[1], "s28");
    EXPECT_EQ(Roots(grid).back(), grid.NoAnswerRoot());
}

}  // namespace
