// SPDX-License-Identifier: GPL-3.0-or-later
// What the details pane and a server row's tool tip tell of a filed row.

#include "net/refreshdriver.h"
#include "net/serveraddress.h"
#include "tests/serverlist/servergridtesting.h"

#include <gtest/gtest.h>

namespace kr::test {
namespace {

// Each case files the record of 127.0.0.1:27001 under 1.20 DM once (or 12 times), with ping n at
// filing n and the traits named: the master lists it, the user has it as a favourite, private,
// dedicated, no mod, silent (no answer). The lines are among the pane's; the tip, when given, is
// the row's whole tool tip.
TEST(ServerDetailsTest, PaneLinesAndToolTipTellEverythingKnownOfTheRow) {
    struct Case {
        QString traits;
        QStringList lines;
        QString tip = {};
    };
    const Case cases[] = {
        {"listed private dedicated no-mod",
         {"Name: server", "Address: 127.0.0.1:27001", "Version: 1.20, game type: DM", "Map: map",
          "Mod: none", "Players: 3 of 16, 13 free", "Ping: 1 ms",
          "Server: dedicated, needs a password", "Listed by the master: yes", "Favourite: no"},
         "server (127.0.0.1:27001)\n1.20 DM, map map, mod none\n"
         "players 3 of 16, 13 free, ping 1 ms, dedicated, needs a password"},
        {"favourite",
         {"Mod: mod", "Server: listen server", "Listed by the master: no", "Favourite: yes"}},
        {"listed silent",
         {"Players: unknown", "Ping: no answer", "Last answer: none this run",
          "Pings this run (newest first): none"}},
        {"filed 12 times",
         {"Ping: 12 ms", "Pings this run (newest first): 12, 11, 10, 9, 8, 7, 6, 5, 4, 3 ms"}},
    };
    for (const Case& c : cases) {
        g_serverAddresses = {};
        if (c.traits.contains("listed")) {
            g_serverAddresses.push_back({"127.0.0.1", 27001});
        }
        PreparedGrid grid;
        if (c.traits.contains("favourite")) {
            grid.Favourites().Add("127.0.0.1:27001");
        }
        for (int n = 1; n <= (c.traits.contains("12") ? 12 : 1); ++n) {
            ServerRecord record = MakeRecord("1.20", "DM", std::to_string(n));
            record.m_ping = n;
            record.m_private = c.traits.contains("private");
            record.m_dedicated = c.traits.contains("dedicated");
            if (c.traits.contains("no-mod")) {
                record.m_mod.clear();
            }
            if (c.traits.contains("silent")) {
                record.Reset();
            }
            AddServerRow(record, &grid);
        }
        const CGridTreeItem* row = Children(grid, grid.FindGroupNode("1.20", "DM")).back();
        const QStringList lines = grid.DetailsText(row).split('\n');
        for (const QString& line : c.lines) {
            EXPECT_TRUE(lines.contains(line)) << line.toStdString() << " in\n"
                                              << lines.join('\n').toStdString();
        }
        if (!c.tip.isEmpty()) {
            EXPECT_EQ(ServerToolTip(*grid.DetailsOf(row)), c.tip);
        }
    }
    g_serverAddresses = {};

    // A group row tells its servers, shown of all; any other row, or none, tells no server.
    PreparedGrid grid;
    for (const char* name : {"a", "b", "c"}) {
        AddServerRow(MakeRecord("1.20", "DM", "50", name), &grid);
    }
    ServerFilter filter;
    filter.m_strSearch = "b";
    grid.SetFilter(filter);
    grid.InsertSampleItems(grid.FindGroupNode("1.20", "VLD"), "Zed");
    const std::pair<const CGridTreeItem*, QString> groups[] = {
        {grid.FindGroupNode("1.20", "DM"), "1.20 DM: 1 of 3 server(s) shown"},
        {grid.FindGroupNode("1.20", "*"), "1.20: 1 of 3 server(s) shown"},
        {Children(grid, grid.FindGroupNode("1.20", "VLD")).front(), "No server selected"},
        {nullptr, "No server selected"}};
    for (const auto& [node, text] : groups) {
        EXPECT_EQ(grid.DetailsText(node), text);
    }
}

}  // namespace
}  // namespace kr::test
