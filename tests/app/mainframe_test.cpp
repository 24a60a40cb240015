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

    QStringList panes;
    for (int i = 0; i < Frame().StatusBar().GetCount(); ++i) {
        panes << Frame().StatusBar().GetPaneText(i);
    }
    EXPECT_EQ(panes, QStringList({"Ready", "CAP", "NUM", "SCRL"}));
}

TEST_F(MainFrameTest, ToolBarHasTwoButtonsWithAGapTipsAndPrompts) {
    const QList<QAction*> actions = Frame().ToolBar().actions();
    ASSERT_EQ(actions.size(), 3);
    EXPECT_EQ(actions[0], Frame().Action(ID_NEW_FULL_LIST));
    EXPECT_TRUE(actions[1]->isSeparator());
    EXPECT_EQ(actions[2], Frame().Action(ID_APP_ABOUT));
    EXPECT_EQ(actions[0]->toolTip() + "|" + actions[0]->statusTip(),
              "New Full List|Display a new full list of servers");
    EXPECT_EQ(actions[2]->toolTip() + "|" + actions[2]->statusTip(),
              "About|Display program information, version number and copyright");
    EXPECT_EQ(actions[0]->shortcut(), QKeySequence(Qt::Key_F5));
    EXPECT_FALSE(actions[0]->icon().isNull());
    EXPECT_TRUE(Frame().ToolBar().isMovable());
}

TEST_F(MainFrameTest, MenuOffersNoFullListItem) {
    QStringList menus;
    for (QAction* menu : Frame().menuBar()->actions()) {
        menus << menu->text() + ":";
        for (QAction* item : menu->menu()->actions()) {
            menus << (item->isSeparator() ? "-" : item->text());
        }
    }
    EXPECT_EQ(menus.join(' ').toStdString(),
              "&File: &Print... Print Pre&view P&rint Setup... - E&xit &View: &Toolbar "
              "&Status Bar &Help: &About ...");
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
    EXPECT_FALSE(Frame().SendCommand(ID_FILE_NEW));
}

TEST_F(MainFrameTest, GridFollowsTheViewAtMinusOneMinusOne) {
    for (const QSize size : {QSize(640, 480), QSize(300, 200), QSize(1200, 900)}) {
        Frame().resize(size);
        QCoreApplication::processEvents();
        CBrowserView& view = Frame().View();
        EXPECT_EQ(view.Grid().geometry(), QRect(-1, -1, view.width(), view.height()));
        EXPECT_TRUE(view.Grid().isVisible());
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
