// SPDX-License-Identifier: GPL-3.0-or-later
// View > "Sort By" and header sorting: the order chosen re-sorts the grid and is kept across runs.

#include "app/profilesettings.h"
#include "tests/app/browsertesting.h"
#include "tests/serverlist/servergridtesting.h"

#include <gtest/gtest.h>

#include <algorithm>

#include <QHeaderView>
#include <QMenu>
#include <QTest>

namespace kr::test {
namespace {

const QString kHeaderItem = "Sort by Clicking Column Headers";

QAction* MenuItem(CMainFrame& frame, const QString& text) {
    const QList<QAction*> actions = frame.findChildren<QAction*>();
    auto item =
        std::find_if(actions.begin(), actions.end(), [&](QAction* a) { return a->text() == text; });
    return item != actions.end() ? *item : nullptr;
}

// Clicks on the headers of Server, Server, a column without a key, Players: nothing while
// header sorting is off; then the key, reversed, unchanged, Players most first. The first run
// starts from an unknown stored key and leaves Players and header sorting for the second.
TEST(SortMenuTest, MenuAndHeaderClicksSortAndAreKeptAcrossRuns) {
    CProfileSettings().setValue("Sort/Key", "players; \x01 DROP");
    const std::pair<int, SortOrder> clicks[] = {{2, {SortKey::Server, false}},
                                                {2, {SortKey::Server, true}},
                                                {6, {SortKey::Server, true}},
                                                {4, {SortKey::Players, true}}};
    for (const bool second : {false, true}) {
        auto browser = StartBrowser({});
        ASSERT_NE(browser, nullptr);
        CMainFrame& frame = *browser->MainFrame();
        CServerGrid& grid = frame.View().Grid();
        QHeaderView* header = grid.GetHeaderCtrl();
        EXPECT_EQ(grid.GetSortOrder(), (second ? SortOrder{SortKey::Players, true} : SortOrder{}));
        EXPECT_EQ(MenuItem(frame, kHeaderItem)->isChecked(), second);
        for (const auto& [column, whenOn] : clicks) {
            const SortOrder expected = second ? whenOn : grid.GetSortOrder();
            QTest::mouseClick(header->viewport(), Qt::LeftButton, {},
                              {header->sectionViewportPosition(column) + 5, 5});
            EXPECT_EQ(grid.GetSortOrder(), expected) << column;
            EXPECT_EQ(header->isSortIndicatorShown(), second);
            EXPECT_EQ(std::pair(header->sortIndicatorSection(), header->sortIndicatorOrder()),
                      std::pair(SortKeyColumn(expected.key),
                                expected.descending ? Qt::DescendingOrder : Qt::AscendingOrder));
        }
        if (!second) {
            MenuItem(frame, "Players")->trigger();
            EXPECT_TRUE(MenuItem(frame, "Descending")->isChecked());
            MenuItem(frame, kHeaderItem)->trigger();
        }
    }
    CProfileSettings().remove("Sort");  // later tests sort by ping
}

}  // namespace
}  // namespace kr::test
