// SPDX-License-Identifier: GPL-3.0-or-later
// The filter bar in the browser: Ctrl+F's command, Escape in the search box, the count pane and
// the filter kept across runs.

#include "app/filterbar.h"
#include "app/commandids.h"
#include "app/profilesettings.h"
#include "tests/app/browsertesting.h"
#include "tests/serverlist/servergridtesting.h"

#include <gtest/gtest.h>

#include <QLineEdit>
#include <QTest>

namespace kr::test {
namespace {

TEST(FilterBarTest, SearchFiltersTheGridEscapeLeavesItAndTheFilterIsKeptAcrossRuns) {
    CProfileSettings().remove("Filter");
    for (int run = 0; run < 2; ++run) {
        auto browser = StartBrowser({});
        ASSERT_NE(browser, nullptr);
        CMainFrame& frame = *browser->MainFrame();
        CFilterBar& bar = frame.FilterBar();
        CServerGrid& grid = frame.View().Grid();
        auto* search = bar.findChild<QLineEdit*>();
        if (run == 1) {  // as the first run left it
            EXPECT_FALSE(bar.isHidden());
            EXPECT_EQ(grid.GetFilter(), (ServerFilter{" ", true}));
            EXPECT_EQ(frame.StatusBar().GetPaneText(CMainFrame::kShownPane),
                      "0 of 0 servers shown");
            break;
        }
        EXPECT_TRUE(bar.isHidden());
        ASSERT_TRUE(frame.SendCommand(ID_VIEW_FIND_SERVER));
        EXPECT_FALSE(bar.isHidden());
        EXPECT_EQ(frame.focusWidget(), search);
        AddServerRow(MakeRecord("1.00", "VLD", "40", "Rusty Anvil"), &grid);
        AddServerRow(MakeRecord("1.00", "VLD", "50", "Iron Keep"), &grid);
        QTest::keyClicks(search, "anvil");
        int shown = 0, all = 0;
        grid.CountServerRows(shown, all);
        EXPECT_EQ(std::make_pair(shown, all), std::make_pair(1, 2));
        QTest::keyClick(search, Qt::Key_Escape);
        EXPECT_EQ(search->text(), "");
        EXPECT_FALSE(grid.GetFilter().IsActive());
        EXPECT_EQ(frame.focusWidget(), &grid);
        bar.SetFilter(ServerFilter{"", true});
        QTest::keyClicks(search, " ");  // a blank search word: the filter is told once more
    }
}

}  // namespace
}  // namespace kr::test
