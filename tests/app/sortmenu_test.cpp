// View > "Sort By": the order chosen there re-sorts the grid and is kept across runs.

#include "app/profilesettings.h"
#include "tests/app/browsertesting.h"
#include "tests/serverlist/servergridtesting.h"

#include <gtest/gtest.h>

#include <QHeaderView>
#include <QMenu>
#include <QTest>

namespace kr::test {
namespace {

// The item of the "Sort By" menu or, for its own item, of the View menu.
QAction* SortItem(CMainFrame& frame, const QString& text) {
    for (const QMenu* menu : frame.findChildren<QMenu*>()) {
        for (QAction* action : menu->actions()) {
            if (action->text() == text) {
                return action;
            }
        }
    }
    return nullptr;
}

TEST(SortMenuTest, ChosenOrderReSortsAndIsKeptAcrossRunsAndAnUnknownKeyReadsAsPing) {
    CProfileSettings().setValue("Sort/Key", "players; \x01 DROP");
    const SortOrder runs[] = {{SortKey::Ping, false}, {SortKey::Players, true}};
    for (const SortOrder& stored : runs) {
        auto browser = StartBrowser({});
        ASSERT_NE(browser, nullptr);
        CMainFrame& frame = *browser->MainFrame();
        CServerGrid& grid = frame.View().Grid();
        EXPECT_EQ(grid.GetSortOrder(), stored);
        EXPECT_EQ(SortItem(frame, "Descending")->isChecked(), stored.descending);
        AddServerRow(MakeRecord("1.00", "VLD", "40", "few"), &grid);
        ServerRecord many = MakeRecord("1.00", "VLD", "50", "many");
        many.m_playersText = "9/16";
        AddServerRow(many, &grid);
        SortItem(frame, "Players")->trigger();
        EXPECT_EQ(Outline(grid, Roots(grid)).substr(0, 18), "1.00[VLD[many few]");
        EXPECT_TRUE(SortItem(frame, "Descending")->isChecked());
    }
    CProfileSettings().remove("Sort");  // later tests sort by ping
}

// Clicks on the headers of Server, Server, a column without a key, Players: nothing while
// header sorting is off; then the key, reversed, unchanged, Players most first.
TEST(SortMenuTest, HeaderClicksSortOnlyWhenTurnedOn) {
    CProfileSettings().remove("Sort");
    const struct {
        int column;
        SortOrder whenOn;
    } clicks[] = {{2, {SortKey::Server, false}},
                  {2, {SortKey::Server, true}},
                  {6, {SortKey::Server, true}},
                  {4, {SortKey::Players, true}}};
    for (const bool on : {false, true}) {
        auto browser = StartBrowser({});
        ASSERT_NE(browser, nullptr);
        CMainFrame& frame = *browser->MainFrame();
        CServerGrid& grid = frame.View().Grid();
        QHeaderView* header = grid.GetHeaderCtrl();
        EXPECT_EQ(SortItem(frame, "Sort by Clicking Column Headers")->isChecked(), on);
        for (const auto& click : clicks) {
            QTest::mouseClick(header->viewport(), Qt::LeftButton, {},
                              {header->sectionViewportPosition(click.column) + 5, 5});
            const SortOrder expected = on ? click.whenOn : SortOrder{};
            EXPECT_EQ(grid.GetSortOrder(), expected) << click.column;
            EXPECT_EQ(header->isSortIndicatorShown(), on);
            EXPECT_EQ(header->sortIndicatorSection(), SortKeyColumn(expected.key));
            EXPECT_EQ(header->sortIndicatorOrder() == Qt::DescendingOrder, expected.descending);
        }
        SortItem(frame, "Sort by Clicking Column Headers")->trigger();  // kept for the next run
    }
    CProfileSettings().remove("Sort");
}

}  // namespace
}  // namespace kr::test
