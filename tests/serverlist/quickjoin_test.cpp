// Quick Join's choice among the shown server rows.

#include "serverlist/quickjoin.h"
#include "tests/serverlist/servergridtesting.h"

#include <gtest/gtest.h>

namespace kr::test {
namespace {

// Rows left out: full, private, silent, over the 150 ms default, port 0; the others rank by
// players, then ping, then favourites first, then address. The filter hides rows and sets the
// limit.
TEST(QuickJoinTest, CandidatesAreTheOpenAnsweringShownServersBestFirst) {
    struct Row {
        const char *port, *ping, *players;
        bool isPrivate = false;
        const char* name = "server";
    };
    const Row rows[] = {{"1", "40", "16/16"},  {"2", "40", " 5/16", true},
                        {"3", "9999", "?/?"},  {"4", "151", " 5/16"},
                        {"5", "150", " 2/16"}, {"6", "30", " 5/16"},
                        {"8", "20", " 5/16"},  {"7", "20", " 5/16"},
                        {"9", "20", " 5/16"},  {"10", "100", " 9/16", false, "other"},
                        {"0", "20", " 5/16"}};
    PreparedGrid grid;
    grid.Favourites().Add("127.0.0.1:9");
    for (const Row& row : rows) {
        ServerRecord record = MakeRecord("1.00", "VLD", row.ping, row.name);
        record.m_playersText = row.players;
        record.m_private = row.isPrivate;
        record.m_address = std::string("127.0.0.1:") + row.port;
        AddServerRow(record, &grid);
    }
    ServerFilter search;
    search.m_strSearch = "server";
    ServerFilter limit;
    limit.m_nMaxPing = 160;
    const std::pair<ServerFilter, std::vector<std::string>> cases[] = {
        {{},
         {"127.0.0.1:10", "127.0.0.1:9", "127.0.0.1:7", "127.0.0.1:8", "127.0.0.1:6",
          "127.0.0.1:5"}},
        {search, {"127.0.0.1:9", "127.0.0.1:7", "127.0.0.1:8", "127.0.0.1:6", "127.0.0.1:5"}},
        {limit,
         {"127.0.0.1:10", "127.0.0.1:9", "127.0.0.1:7", "127.0.0.1:8", "127.0.0.1:6", "127.0.0.1:4",
          "127.0.0.1:5"}}};
    EXPECT_TRUE(HasServerRows(grid));
    for (const auto& [filter, expected] : cases) {
        grid.SetFilter(filter);
        EXPECT_EQ(Texts(grid, QuickJoinCandidates(grid), kAddressSubText), expected)
            << filter.m_strSearch.toStdString() << filter.m_nMaxPing;
    }
}

}  // namespace
}  // namespace kr::test
