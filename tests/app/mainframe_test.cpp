// The main window as a user first sees it: title, size, bars, menus, the grid's place.

#include "app/commandids.h"
#include "tests/app/browsertesting.h"

#include <gtest/gtest.h>
#include <QAction>
#include <QMenuBar>
#include <QSettings>

namespace kr::test {
namespace {

class MainFrameTest : public testing::Test {
protected:
    void SetUp() override {
        QSettings().clear();  // a first start, whatever earlier windows of the run left behind
        m_browser = StartBrowser({});
        ASSERT_NE(m_browser, nullptr);
    }
    CMainFrame& Frame() { return *m_browser->MainFrame(); }

    std::unique_ptr<CBrowserApp> m_browser;
};

TEST_F(MainFrameTest, StartsWithTitleWidthIdleStatusBarAndTheGridInPlace) {
    EXPECT_EQ(Frame().windowTitle().toStdString(), "Korvath Servers Browser");
    EXPECT_TRUE(Frame().isVisible());
    EXPECT_EQ(Frame().size(), CBrowserApp::DefaultFrameSize() + QSize(20, 0));
    QStringList panes;
    for (int i = 0; i < Frame().StatusBar().GetCount(); ++i) {
        panes << Frame().StatusBar().GetPaneText(i);
    }
    EXPECT_EQ(panes, QStringList({"Ready", "CAP", "NUM", "SCRL"}));

    // The grid fills the view from (-1, -1), at the first size and after a resize.
    for (const QSize size : {Frame().size(), QSize(300, 200)}) {
        Frame().resize(size);
        QCoreApplication::processEvents();
        CBrowserView& view = Frame().View();
        EXPECT_EQ(view.Grid().geometry(), QRect(-1, -1, view.width(), view.height()));
        EXPECT_TRUE(view.Grid().isVisible());
    }
}

// Two buttons with a gap between them, their tips and prompts; the menus (separators shown as
// "-") offer no full-list item; ids without a handler are refused.
TEST_F(MainFrameTest, ToolBarAndMenus) {
    const QList<QAction*> actions = Frame().ToolBar().actions();
    ASSERT_EQ(actions.size(), 3);
    QStringList buttons;
    for (QAction* action : actions) {
        buttons << (action->isSeparator() ? "-"
                                          : action->toolTip() + "|" + action->statusTip() + "|" +
                                                action->shortcut().toString());
    }
    EXPECT_EQ(buttons, QStringList({"New Full List|Display a new full list of servers|F5", "-",
                                    "About|Display program information, version number and "
                                    "copyright|"}));
    EXPECT_FALSE(actions[0]->icon().isNull());
    EXPECT_TRUE(Frame().ToolBar().isMovable());

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
    EXPECT_FALSE(Frame().SendCommand(ID_EDIT_COPY));
    EXPECT_FALSE(Frame().SendCommand(ID_FILE_NEW));
}

}  // namespace
}  // namespace kr::test
