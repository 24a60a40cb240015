// The main window as a user first sees it: title, size, bars, commands, the grid's place.

#include "app/commandids.h"
#include "tests/app/browsertesting.h"

#include <gtest/gtest.h>
#include <QAction>
#include <QMenuBar>
#include <QToolButton>

namespace kr::test {
namespace {

class MainFrameTest : public testing::Test {
protected:
    void SetUp() override {
        m_browser = StartBrowser({});
        ASSERT_NE(m_browser, nullptr);
    }
    CMainFrame& Frame() { return *m_browser->MainFrame(); }

    std::unique_ptr<CBrowserApp> m_browser;
};

TEST_F(MainFrameTest, StartsWithTitleWidthAndIdleStatusBar) {
    EXPECT_EQ(Frame().windowTitle().toStdString(), "Korvath Servers Browser");
    EXPECT_TRUE(Frame().isVisible());
    EXPECT_EQ(Frame().width(), CBrowserApp::DefaultFrameSize().width() + 20);
    EXPECT_EQ(Frame().height(), CBrowserApp::DefaultFrameSize().height());

    CStatusBar& statusBar = Frame().StatusBar();
    ASSERT_EQ(statusBar.GetCount(), 4);
    EXPECT_EQ(statusBar.GetPaneText(0).toStdString(), "Ready");
    EXPECT_EQ(statusBar.GetPaneText(1).toStdString(), "CAP");
    EXPECT_EQ(statusBar.GetPaneText(2).toStdString(), "NUM");
    EXPECT_EQ(statusBar.GetPaneText(3).toStdString(), "SCRL");
}

TEST_F(MainFrameTest, ToolBarHasTwoButtonsWithAGapTipsAndPrompts) {
    const QList<QAction*> actions = Frame().ToolBar().actions();
    ASSERT_EQ(actions.size(), 3);
    EXPECT_EQ(actions[0], Frame().Action(ID_NEW_FULL_LIST));
    EXPECT_TRUE(actions[1]->isSeparator());
    EXPECT_EQ(actions[2], Frame().Action(ID_APP_ABOUT));
    EXPECT_EQ(actions[0]->toolTip().toStdString(), "New Full List");
    EXPECT_EQ(actions[2]->toolTip().toStdString(), "About");
    EXPECT_EQ(actions[0]->statusTip().toStdString(), "Display a new full list of servers");
    EXPECT_EQ(actions[2]->statusTip().toStdString(),
              "Display program information, version number and copyright");
    EXPECT_EQ(actions[0]->shortcut(), QKeySequence(Qt::Key_F5));
    EXPECT_FALSE(actions[0]->icon().isNull());
    EXPECT_TRUE(Frame().ToolBar().isMovable());
}

TEST_F(MainFrameTest, MenuOffersNoFullListItem) {
    std::vector<std::string> menus;
    std::vector<std::string> items;
    for (QAction* menu : Frame().menuBar()->actions()) {
        menus.push_back(menu->text().toStdString());
        for (QAction* item : menu->menu()->actions()) {
            if (!item->isSeparator()) {
                items.push_back(item->text().toStdString());
            }
        }
    }
    EXPECT_EQ(menus, (std::vector<std::string>{"&File", "&View", "&Help"}));
    EXPECT_EQ(items, (std::vector<std::string>{"&Print...", "Print Pre&view", "P&rint Setup...",
                                               "E&xit", "&Toolbar", "&Status Bar", "&About ..."}));
}

TEST_F(MainFrameTest, BarTogglesAndUnknownCommands) {
    EXPECT_TRUE(Frame().SendCommand(ID_VIEW_STATUS_BAR));
    EXPECT_FALSE(Frame().StatusBar().isVisible());
    EXPECT_FALSE(Frame().Action(ID_VIEW_STATUS_BAR)->isChecked());
    EXPECT_TRUE(Frame().SendCommand(ID_VIEW_STATUS_BAR));
    EXPECT_TRUE(Frame().StatusBar().isVisible());
    EXPECT_TRUE(Frame().SendCommand(ID_VIEW_TOOLBAR));
    EXPECT_FALSE(Frame().ToolBar().isVisible());
    // Ids the program has no handler for.
    EXPECT_FALSE(Frame().SendCommand(ID_EDIT_COPY));
    EXPECT_FALSE(Frame().SendCommand(ID_FILE_PRINT));
}

TEST_F(MainFrameTest, GridFollowsTheViewAtMinusOneMinusOne) {
    const QSize sizes[] = {{640, 480}, {300, 200}, {1200, 900}, {150, 120}};
    for (const QSize& size : sizes) {
        Frame().resize(size);
        QCoreApplication::processEvents();
        const CBrowserView& view = Frame().View();
        const QRect grid = const_cast<CBrowserView&>(view).Grid().geometry();
        EXPECT_EQ(grid, QRect(-1, -1, view.width(), view.height())) << size.width();
        EXPECT_TRUE(const_cast<CBrowserView&>(view).Grid().isVisible());
    }
}

TEST(BrowserCommandLineTest, RejectsBadOptionsAndAnswersVersion) {
    struct Case {
        QStringList arguments;
        int exitCode;
    };
    const Case cases[] = {
        {{"--version"}, 0},         {{"--master", ""}, 2}, {{"--master", "host:0"}, 2},
        {{"--master", "a:b:c"}, 2}, {{"--bogus"}, 2},      {{"extra"}, 2},
    };
    for (const Case& c : cases) {
        CBrowserApp browser;
        EXPECT_FALSE(browser.InitInstance(QStringList{"korvath-browser"} + c.arguments))
            << c.arguments.join(' ').toStdString();
        EXPECT_EQ(browser.ExitCode(), c.exitCode) << c.arguments.join(' ').toStdString();
        EXPECT_EQ(browser.MainFrame(), nullptr);
    }
}

}  // namespace
}  // namespace kr::test
