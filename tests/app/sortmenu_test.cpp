// View > "Sort By": the order chosen there re-sorts the grid and is kept across runs.

#include "app/profilesettings.h"
#include "tests/app/browsertesting.h"
#include "tests/serverlist/servergridtesting.h"

#include <gtest/gtest.h>

#include <QMenu>

namespace kr::test {
namespace {

QAction* SortItem(CMainFrame& frame, const QString& text) {
    for (const QMenu* menu : frame.findChildren<QMenu*>()) {
        for (QAction* action : menu->title() == "Sort &By" ? menu->actions() : QList<QAction*>{}) {
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

}  // namespace
}  // namespace kr::test
