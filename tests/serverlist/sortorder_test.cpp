// SPDX-License-Identifier: GPL-3.0-or-later
#include "serverlist/sortorder.h"

#include "serverlist/servergrid.h"
#include "tests/serverlist/servergridtesting.h"
#include "tests/support/gridinvariants.h"

#include <gtest/gtest.h>

#include <string>

namespace {

using namespace kr::test;

// Rows as "ping|name|players|address"; the expected order as the rows' indices.
TEST(SortOrderTest, OrdersServerRowsByKeyThenPingThenAddress) {
    const char* const rows[] = {"50|Server 10|3/16|127.0.0.2:1", "9999|server 9|?/?|127.0.0.1:1",
                                "7|alpha|12/16|127.0.0.10:5", "50|Alpha|3/8|127.0.0.1:9",
                                "50|server 9|3/16|host:1"};
    const std::pair<SortOrder, std::string> cases[] = {
        {{SortKey::Ping, false}, "2 3 0 4 1"},    {{SortKey::Ping, true}, "3 0 4 2 1"},
        {{SortKey::Server, false}, "2 3 4 1 0"},  {{SortKey::Server, true}, "0 4 1 2 3"},
        {{SortKey::Players, true}, "2 3 0 4 1"},  {{SortKey::Players, false}, "3 0 4 2 1"},
        {{SortKey::Address, false}, "1 3 0 2 4"},
    };
    CollationRanks ranks;  // shared by the cases, as a grid's is by its sorts
    for (const auto& [order, expected] : cases) {
        CGridTreeItem list;             // frees its children and their row data
        for (const char* row : rows) {  // the row's index as its mod
            const QStringList f = QString(row).split('|');
            auto* info = new CGridItemInfo;
            const QString index = QString::number(list.m_listChildren.size());
            info->m_arrSubTexts = {f[0], f[1], "", f[2], index, "", "", f[3]};
            list.m_listChildren.push_back(new CGridTreeItem);
            list.m_listChildren.back()->m_pInfo = info;
        }
        SortServerNodes(list.m_listChildren, order, ranks);
        QStringList sorted;
        for (const CGridTreeItem* node : list.m_listChildren) {
            sorted << node->m_pInfo->GetSubText(kModSubText);
        }
        EXPECT_EQ(sorted.join(' ').toStdString(), expected)
            << SortKeyName(order.key).toStdString() << order.descending;
    }
}

// A re-sort chosen from the menu keeps the view; the sort at the end of a refresh applies the
// chosen key and leaves "Favourites (no answer)" last.
TEST(SortOrderTest, ResortKeepsTheViewAndTheRefreshSortAppliesTheKey) {
    PreparedGrid grid;
    grid.resize(400, 200);
    grid.Favourites().Add("127.0.0.1:27001");               // MakeRecord's address
    grid.FileUngroupedFavourite(MakeRecord("9.99", "DM"));  // no such group
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

// Collation keys kept from one sort are not reused under another locale: "ä" sorts with "a" in
// English and after "z" in Swedish.
TEST(SortOrderTest, KeptCollationKeysFollowTheLocale) {
    PreparedGrid grid;
    for (const char* name : {"zeta", "\xe4pple"}) {  // names are Latin-1 on the wire
        AddServerRow(MakeRecord("1.00", "VLD", "50", name), &grid);
    }
    grid.SetSortOrder({SortKey::Server, false});
    CGridTreeItem* vld = grid.FindGroupNode("1.00", "VLD");
    const QLocale before;
    for (const auto& [locale, first] : {std::pair{"en_GB", "\xc3\xa4pple"}, {"sv_SE", "zeta"}}) {
        QLocale::setDefault(QLocale(QString::fromLatin1(locale)));
        grid.Resort();
        EXPECT_EQ(Texts(grid, Children(grid, vld), kNameSubText)[0], first) << locale;
    }
    QLocale::setDefault(before);
}

}  // namespace
