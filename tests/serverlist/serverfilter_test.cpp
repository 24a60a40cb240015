// SPDX-License-Identifier: GPL-3.0-or-later
#include "serverlist/serverfilter.h"

#include "gridctrl/griditeminfo.h"

#include <gtest/gtest.h>

namespace {

// The matching rules, one row a case: ping, name, map, players, mod, address; the filter; whether
// the row is a favourite; whether it passes.
TEST(ServerFilter, RowsPassWhenEveryWordMatchesAndNoLimitHidesThem) {
    const struct {
        QStringList row;
        ServerFilter filter;
        bool favourite;
        bool passes;
    } cases[] = {
        {{"40", "[EU] Rusty Anvil", "Lantern Bay", " 3/16", "Siege"}, {}, false, true},
        {{"40", "[EU] Rusty Anvil", "Lantern Bay", " 3/16", "Siege"}, {"rusty BAY"}, false, true},
        {{"40", "[EU] Rusty Anvil", "Lantern Bay", " 3/16", "Siege"}, {"rusty dust"}, false, false},
        {{"40", "x", "y", " 3/16", "Siege", "", "", "10.0.0.7:27960"}, {"0.7:279"}, false, true},
        {{"40", "x", "y", " 3/16", "siege"}, {"  SIEGE  "}, false, true},
        {{"40", "x", "y", " 0/16", "m"}, {"", true}, false, false},
        {{"40", "x", "y", " 0/16", "m"}, {"", true}, true, true},
        {{"40", "x", "y", "16/16", "m"}, {"", false, true}, false, false},
        {{"40", "x", "y", "15/16", "m"}, {"", true, true}, false, true},
        {{"9999", "?", "?", "?/?", "?"}, {"", true, true}, false, true},
        {{"9999", "?", "?", "?/?", "?"}, {"", false, false, 10000}, false, false},
        {{"51", "x", "y", " 1/8", "m"}, {"", false, false, 50}, false, false},
        {{"50", "x", "y", " 1/8", "m"}, {"", false, false, 50}, false, true},
        {{"51", "x", "y", " 1/8", "m"}, {"", false, false, 50}, true, true},
        {{"51", "x", "y", " 1/8", "m"}, {"z", false, false, 50}, true, false},
        {{"5", "x", "y", " 1/8", "m"}, {"", false, false, 0, true}, false, false},
        {{"5", "x", "y", " 1/8", "m"}, {"", false, false, 0, true}, true, true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE((c.row.join('|') + " / " + c.filter.m_strSearch).toStdString());
        CGridItemInfo info;
        info.m_arrSubTexts = c.row;
        EXPECT_EQ(ServerRowMatcher(c.filter).Matches(info, c.favourite), c.passes);
    }
    EXPECT_FALSE(ServerFilter{}.IsActive());
    EXPECT_FALSE(ServerFilter{"   "}.IsActive());
    EXPECT_TRUE((ServerFilter{"", false, false, 1}).IsActive());
}

}  // namespace
