// SPDX-License-Identifier: GPL-3.0-or-later
// The filter over a server grid: filing and re-filtering hide only server rows, and clearing the
// filter gives back exactly the grid an unfiltered filing gives; Quick Join's choice among the
// rows it shows.

#include "platform/posix/tickcount.h"
#include "serverlist/quickjoin.h"
#include "serverlist/servergrid.h"
#include "tests/serverlist/servergridtesting.h"
#include "tests/support/gridinvariants.h"

#include <gtest/gtest.h>

#include <QLineEdit>
#include <QTest>

namespace {

using namespace kr::test;

// The cells of every row, one text a row.
QStringList AllRows(const CServerGrid& grid) {
    QStringList rows;
    for (int row = 0; row < grid.GetItemCount(); ++row) {
        rows << RowCells(grid, row);
    }
    return rows;
}

TEST(ServerGridFilter, FilteredFilingHidesOnlyWhatDoesNotMatchAndClearingRestoresTheGrid) {
    PreparedGrid filtered, plain;
    ExpandAll(filtered);
    ExpandAll(plain);
    const std::string names[] = {"Rusty Anvil", "Dust Bowl", "rusty nail", "Iron Keep"};
    filtered.SetFilter(ServerFilter{"RUSTY"});
    int shown = 0, all = 0;
    for (int i = 0; i < 4; ++i) {
        for (PreparedGrid* grid : {&filtered, &plain}) {
            AddServerRow(MakeRecord("1.00", i % 2 ? "DM" : "VLD", std::to_string(90 - i), names[i]),
                         grid);
        }
        ASSERT_TRUE(GridInvariantsHold(filtered));
        if (i == 1) {  // re-filtering keeps the selected row while it stays shown
            filtered.SetItemState(2, LVIS_SELECTED | LVIS_FOCUSED, LVIS_SELECTED | LVIS_FOCUSED);
            filtered.SetFilter(ServerFilter{"anvil"});
            EXPECT_EQ(filtered.GetItemText(filtered.GetSelectedRow(), 2), "Rusty Anvil");
            filtered.SetFilter(ServerFilter{"rusty"});
        }
    }
    filtered.CountServerRows(shown, all);
    EXPECT_EQ(std::make_pair(shown, all), std::make_pair(2, 4));
    EXPECT_EQ(AllRows(filtered).size(), AllRows(plain).size() - 2) << "groups stay, two servers go";
    for (PreparedGrid* grid : {&filtered, &plain}) {
        grid->SortTree(TRUE);
        ExpandAll(*grid);
    }
    filtered.SetFilter(ServerFilter{});
    EXPECT_TRUE(GridInvariantsHold(filtered));
    EXPECT_EQ(AllRows(filtered), AllRows(plain));
    // The search looks in the shown columns only: every server's mod is "mod".
    filtered.SetFilter(ServerFilter{"mod"});
    for (const bool bModShown : {false, true}) {
        filtered.ShowColumn(5, bModShown);
        filtered.CountServerRows(shown, all);
        EXPECT_EQ(shown, bModShown ? 4 : 0);
    }
}

// Typed letters select the next server whose name starts with them; a second's pause starts a
// new prefix; a prefix nothing matches leaves the selection; no editor opens.
TEST(ServerGridFilter, TypedLettersSelectTheNextServerByName) {
    PreparedGrid grid;
    ExpandAll(grid);
    for (const char* name : {"Rusty Anvil", "Iron Keep", "rusty nail"}) {
        AddServerRow(MakeRecord("1.00", "VLD", "50", name), &grid);
    }
    uint32_t offset = 0;
    for (const auto& [keys, pause, selected] : {std::tuple{"RU", false, "Rusty Anvil"},
                                                {"s", false, "Rusty Anvil"},
                                                {"r", true, "rusty nail"},
                                                {"r", true, "Rusty Anvil"},
                                                {"iz", true, "Iron Keep"}}) {
        SCOPED_TRACE(keys);
        SetTickCountOffset(offset += pause ? 1001 : 0);
        QTest::keyClicks(&grid, keys);
        EXPECT_EQ(grid.GetItemText(grid.GetSelectedRow(), 2).toStdString(), selected);
    }
    SetTickCountOffset(0);
    EXPECT_TRUE(grid.viewport()->findChildren<QLineEdit*>().isEmpty());
    grid.SortTree(TRUE);  // roots only; the keypad's asterisk still expands the selected one
    grid.SetItemState(0, LVIS_SELECTED | LVIS_FOCUSED, LVIS_SELECTED | LVIS_FOCUSED);
    QTest::keyClick(&grid, Qt::Key_Asterisk, Qt::KeypadModifier);
    EXPECT_EQ(grid.GetItemCount(), 5 + 3 + 3);
}

// Rows "port ping players [p(rivate) | name]". Left out: full (1), private (2; 11 has a
// remembered password), silent (3), over the 150 ms default (4), port 0; the others rank by
// players, then ping, then favourites first (9), then address. The filter hides rows (the search
// leaves out "other") and sets the limit.
TEST(QuickJoinTest, CandidatesAreTheOpenAnsweringShownServersBestFirst) {
    PreparedGrid grid;
    grid.Favourites().Add("127.0.0.1:9");
    for (const char* row : {"1 40 16/16", "2 40 5/16 p", "3 9999 ?/?", "4 151 5/16", "5 150 2/16",
                            "6 30 5/16", "8 20 5/16", "7 20 5/16", "9 20 5/16", "10 100 9/16 other",
                            "0 20 5/16", "11 20 5/16 p"}) {
        const QStringList field = QString(row).split(' ');
        ServerRecord record = MakeRecord("1.00", "VLD", field[1].toStdString(),
                                         field.value(3) == "other" ? "other" : "server");
        record.m_playersText = field[2].toStdString();
        record.m_private = field.value(3) == "p";
        record.m_address = "127.0.0.1:" + field[0].toStdString();
        AddServerRow(record, &grid);
    }
    for (const auto& [search, maxPing, expected] : {std::tuple{"", 0, "10 9 11 7 8 6 5"},
                                                    {"server", 0, "9 11 7 8 6 5"},
                                                    {"", 160, "10 9 11 7 8 6 4 5"}}) {
        ServerFilter filter;
        filter.m_strSearch = search;
        filter.m_nMaxPing = maxPing;
        grid.SetFilter(filter);
        QStringList ports;
        for (const std::string& address :
             Texts(grid, QuickJoinCandidates(grid, {"127.0.0.1:11"}), kAddressSubText)) {
            ports << QString::fromStdString(address).section(':', 1);
        }
        EXPECT_EQ(ports.join(' '), expected) << search << maxPing;
    }
}

}  // namespace
