// SPDX-License-Identifier: GPL-3.0-or-later
// Favourite servers in the browser: kept in the settings, toggled on the selected row, and
// queried with every full refresh against korvath-sim on loopback.

#include "app/commandids.h"
#include "app/favouritesettings.h"
#include "app/profilesettings.h"
#include "net/refreshstop.h"
#include "tests/app/browsertesting.h"
#include "tests/serverlist/servergridtesting.h"
#include "tests/support/fakenotice.h"
#include "tests/support/testmutex.h"

#include <gtest/gtest.h>
#include <QDir>
#include <QMenuBar>

namespace kr::test {
namespace {

const char kSection[] = "Favourites/Servers";

class FavouritesTest : public testing::Test {
protected:
    void SetUp() override { CProfileSettings().remove(kSection); }
    void TearDown() override {
        CProfileSettings().remove(kSection);
        g_refreshStop.Reset();
    }
    static void SetFavourites(const QStringList& entries) {
        CProfileSettings().setValue(kSection, entries);
    }
};

// A hostile settings entry list loads its good entries, the first 256, and says in the status
// bar what it dropped.
TEST_F(FavouritesTest, BrokenAndExcessEntriesAreDroppedAndCounted) {
    const QStringList hostile = {"",     "localhost", "localhost:0",  "localhost:65536", "a:b",
                                 "a:1 ", " a:1",      "bad\x01:5000", "h\u00e9te:1",     "a:-1"};
    QStringList entries = {QString(65536, 'a') + ":5000"};
    for (int i = 0; entries.size() < 10000; ++i) {
        entries << (i % 3 == 0 ? QString("127.0.0.1:%1").arg(1 + i) : hostile[i % 10]);
    }
    const int valid = static_cast<int>(entries.filter("127.0.0.1:").size());
    SetFavourites(entries);
    auto browser = StartBrowser({});
    ASSERT_NE(browser, nullptr);
    const QStringList kept = browser->MainFrame()->View().Grid().Favourites().Entries();
    EXPECT_EQ(kept, entries.filter("127.0.0.1:").mid(0, 256));
    EXPECT_EQ(browser->MainFrame()->StatusBar().GetPaneText(0),
              QString("%1 favourite entries were not valid and were dropped; only the first 256 "
                      "favourites were kept, %2 more dropped")
                  .arg(entries.size() - valid)
                  .arg(valid - 256));
}

// Ctrl+D's command on the selected row: greyed for a group row; on a server row it adds the row
// (the star shows), the next run still has it and removes it, and the run after has none.
TEST_F(FavouritesTest, ToggleOnTheSelectedRowIsKeptAcrossRuns) {
    for (const char* expected : {"Add to &Favourites", "Remove from &Favourites", ""}) {
        auto browser = StartBrowser({});
        ASSERT_NE(browser, nullptr);
        CMainFrame& frame = *browser->MainFrame();
        CServerGrid& grid = frame.View().Grid();
        if (*expected == '\0') {
            EXPECT_TRUE(grid.Favourites().IsEmpty());
            break;
        }
        AddServerRow(MakeRecord("1.20", "DM"), &grid);
        CGridTreeItem* server = Children(grid, grid.FindGroupNode("1.20", "DM")).front();
        QAction* toggle = frame.Action(ID_FAVOURITE_TOGGLE);
        QMenu* menu = frame.menuBar()->actions()[2]->menu();
        for (CGridTreeItem* node : {grid.FindGroupNode("1.20", "*"), server}) {
            const int row = grid.RevealNode(node);
            emit menu->aboutToShow();
            EXPECT_EQ(toggle->isEnabled(), node == server) << row;
            emit menu->aboutToHide();
        }
        EXPECT_EQ(toggle->text(), expected);
        const bool adding = grid.Favourites().IsEmpty();
        EXPECT_EQ(grid.GetNodeImage(server), adding ? kTreeImageServer : kTreeImageFavourite);
        ASSERT_TRUE(frame.SendCommand(ID_FAVOURITE_TOGGLE));
        EXPECT_EQ(grid.GetNodeImage(server), adding ? kTreeImageFavourite : kTreeImageServer);
        EXPECT_EQ(grid.Favourites().Entries(),
                  adding ? QStringList{"127.0.0.1:27001"} : QStringList{});
    }
}

// Two windows on one file whose list runs past the cap and holds a form the program does not
// read: each change reaches the file as that one change, and every other entry stays. A write
// that fails is told (even root cannot write a folder in the file's place).
TEST_F(FavouritesTest, EachChangeIsAppliedToTheFileAsItIsThen) {
    QStringList file = {"odd form:1"};
    for (int port = 1; port <= 257; ++port) {
        file << QString("127.0.0.1:%1").arg(port);
    }
    SetFavourites(file);
    CFavouriteServers first, second;
    CFavouriteSettings firstFile, secondFile;
    firstFile.Load(first);
    secondFile.Load(second);
    ASSERT_TRUE(first.Remove("127.0.0.1:1") && second.Remove("127.0.0.1:2"));
    EXPECT_EQ(firstFile.Save(first), "");
    EXPECT_EQ(secondFile.Save(second), "");
    ASSERT_TRUE(first.Add("127.0.0.1:1"));
    EXPECT_EQ(firstFile.Save(first), "");
    file.remove(1, 2);
    file << "127.0.0.1:1";
    EXPECT_EQ(CProfileSettings().value(kSection).toStringList(), file);
    const QString path = CProfileSettings().fileName();
    ASSERT_TRUE(QFile::rename(path, path + ".away") && QDir().mkpath(path));
    first.Remove("127.0.0.1:3");
    EXPECT_EQ(firstFile.Save(first), "The favourites could not be saved to " + path);
    ASSERT_TRUE(QDir().rmdir(path) && QFile::rename(path + ".away", path));
}

// A full refresh with favourites: one the master lists (queried once), one it lists whose game
// type is unknown, two on another simulator's servers that the master does not list (one by
// name, one by address and by name: queried once), a silent one and one whose name cannot be
// resolved. Answered ones are filed into their
// groups with the star, the others under "Favourites (no answer)", the last root. With the master
// silent the favourites are still queried and filed, and the failure is told as always.
TEST_F(FavouritesTest, FullRefreshQueriesAndFilesEveryFavouriteOnce) {
    TestUpdateMutex mutex;
    ScopedTempDir dir(true);
    SimProcess listed(Words("--servers 14 --random 3"));
    SimProcess unlisted(Words("--servers 4 --silent 25 --master-silent --random 5"));
    ASSERT_TRUE(listed.Started() && unlisted.Started());
    const std::vector<FleetEntry> fleet = listed.Fleet(), others = unlisted.Fleet();
    const auto grouped = std::find_if(fleet.begin(), fleet.end(),
                                      [](const FleetEntry& s) { return !GroupKey(s).empty(); });
    const auto ungrouped = std::find_if(fleet.begin(), fleet.end(), [](const FleetEntry& s) {
        return s.Answers() && GroupKey(s).empty();
    });
    std::vector<FleetEntry> answering, silent;
    for (const FleetEntry& server : others) {
        (server.Answers() ? answering : silent).push_back(server);
    }
    ASSERT_TRUE(grouped != fleet.end() && ungrouped != fleet.end() && answering.size() == 3 &&
                silent.size() == 1 && !GroupKey(answering[0]).empty() &&
                !GroupKey(answering[1]).empty());
    SetFavourites({QString::fromStdString(grouped->address),
                   QString::fromStdString(ungrouped->address),
                   QString("localhost:%1").arg(answering[0].port),
                   QString::fromStdString(answering[1].address),
                   QString("localhost:%1").arg(answering[1].port),  // the same server again
                   QString::fromStdString(silent[0].address), "nohost.invalid:5000"});
    std::vector<std::string> noAnswer = {ExpectedRowText(*ungrouped), ExpectedRowText(silent[0]),
                                         "nohost.invalid:5000|?|?|?/?|?|-1|-1"};
    std::sort(noAnswer.begin(), noAnswer.end());

    for (const bool masterFails : {false, true}) {
        SCOPED_TRACE(masterFails);
        g_refreshCount = 0;
        const SimProcess& master = masterFails ? unlisted : listed;
        auto browser = StartBrowser({"--master", QString::fromStdString(master.MasterAddress())});
        ASSERT_NE(browser, nullptr);
        CServerGrid& grid = browser->MainFrame()->View().Grid();
        FakeNotice recorder;
        browser->MainFrame()->SendCommand(ID_NEW_FULL_LIST);

        EXPECT_EQ(
            recorder.StatusTexts(),
            (std::vector<std::string>{"Contacting Master Server",
                                      masterFails ? "Failed to call Master Server"
                                                  : std::to_string(fleet.size()) + " server(s)"}));
        EXPECT_EQ(recorder.MessageBoxes().size(), masterFails ? 1u : 0u);
        ExpandAll(grid);
        std::vector<FleetEntry> filed = {answering[0], answering[1]};
        if (masterFails) {
            filed.push_back(*grouped);
        } else {
            filed.insert(filed.end(), fleet.begin(), fleet.end());
        }
        if (masterFails) {
            grid.SortTree(TRUE);  // not sorted after a failure; ordered here for the comparison
            ExpandAll(grid);
        }
        EXPECT_EQ(FiledServers(grid), ExpectedFiling(filed));
        CGridTreeItem* root = Roots(grid).back();
        ASSERT_EQ(grid.GetInfo(root)->m_strText, "Favourites (no answer)");
        ASSERT_EQ(grid.NoAnswerRoot(), root);
        std::vector<std::string> rows;
        for (CGridTreeItem* node : Children(grid, root)) {
            rows.push_back(RowText(*grid.GetInfo(node)));
            EXPECT_TRUE(grid.IsFavouriteRow(node));
        }
        std::sort(rows.begin(), rows.end());
        EXPECT_EQ(rows, noAnswer);
        int stars = 0;
        for (const GroupNodeEntry& group : grid.GroupNodes()) {
            for (CGridTreeItem* node : Children(grid, group.m_pNode)) {
                stars += grid.GetNodeImage(node) == kTreeImageFavourite ? 1 : 0;
            }
        }
        EXPECT_EQ(stars, 3);
    }
    EXPECT_EQ(listed.Stats().at("queries"), static_cast<long>(fleet.size()) + 2);
    EXPECT_EQ(unlisted.Stats().at("queries"), 2 * 3);
}

}  // namespace
}  // namespace kr::test
