// The node name prompt (through command 131) and the grid demonstration dialog.

#include "app/commandids.h"
#include "app/griddemodlg.h"
#include "app/nodenamedlg.h"
#include "tests/app/browsertesting.h"

#include <gtest/gtest.h>
#include <QLineEdit>
#include <QTest>

namespace kr::test {
namespace {

// Answers each node name prompt by typing the name, then Return (ok) or Escape; counts them.
struct PromptAnswerer {
    bool ok;
    QString name;
    int prompts = 0;
    ModalWatcher watcher{[this](QWidget* modal) {
        if (auto* prompt = qobject_cast<CNodeNameDlg*>(modal)) {
            ++prompts;
            QTest::keyClicks(prompt->focusWidget(), name);
            QTest::keyClick(prompt->focusWidget(), ok ? Qt::Key_Return : Qt::Key_Escape);
        }
    }};
};

TEST(NodeNameDlg, InsertsTheEnteredNameAfterOkOnlyAndAsksOnlyWithASelectedRow) {
    auto browser = StartBrowser({});
    ASSERT_NE(browser, nullptr);
    CServerGrid& grid = browser->MainFrame()->View().Grid();
    const std::tuple<bool, bool, int> cases[] = {// selected, ok, children afterwards
                                                 {false, true, 3},
                                                 {true, false, 3},
                                                 {true, true, 4}};
    for (const auto& [selected, ok, children] : cases) {
        grid.SetItemState(2, selected ? LVIS_SELECTED : 0, LVIS_SELECTED);
        PromptAnswerer answerer{ok, ok ? "" : "x"};
        browser->MainFrame()->SendCommand(ID_DEMO_INSERT_ITEMS);
        EXPECT_EQ(answerer.prompts, selected ? 1 : 0);
        ASSERT_EQ(grid.GetChildCount(grid.NodeFromRow(2)), children);
    }
    EXPECT_EQ(grid.GetInfo(grid.NodeFromRow(2)->m_listChildren.back())->m_strText, "");
}

TEST(GridDemoDlg, GridFillsThePlaceholderAndKeepsReturnAndEscapeForItself) {
    CGridDemoDlg dialog;
    dialog.show();
    CServerGrid& grid = dialog.m_wndGrid;
    EXPECT_EQ(grid.geometry(), dialog.m_wndFrame->geometry());
    EXPECT_TRUE(grid.isVisible() && !dialog.m_wndFrame->isVisible());
    EXPECT_EQ(dialog.focusWidget(), &grid);
    for (const Qt::Key key : {Qt::Key_Return, Qt::Key_Escape, Qt::Key_Enter}) {
        QTest::keyClick(&grid, key);
        EXPECT_TRUE(dialog.isVisible()) << key;
    }
    grid.clearFocus();
    QTest::keyClick(&dialog, Qt::Key_Return);  // the default button, OK
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    dialog.show();
    QTest::keyClick(&dialog, Qt::Key_Escape);
    EXPECT_EQ(dialog.result(), QDialog::Rejected);
    EXPECT_FALSE(dialog.isVisible());
}

}  // namespace
}  // namespace kr::test
