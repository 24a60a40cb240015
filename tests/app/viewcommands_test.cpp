// SPDX-License-Identifier: GPL-3.0-or-later
// The view's demonstration and print commands through the --demo menu, with the dialogs they open.

#include "app/commandids.h"
#include "app/griddemodlg.h"
#include "app/nodenamedlg.h"
#include "tests/app/browsertesting.h"
#include "tests/serverlist/servergridtesting.h"
#include "tests/support/fakenotice.h"
#include "tests/support/mousegestures.h"

#include <gtest/gtest.h>
#include <QAction>
#include <QMenuBar>
#include <QPrinterInfo>
#include <QTest>

namespace kr::test {
namespace {

// The demonstration dialog (its grid in the placeholder's place), the find demo, the node name
// prompt and direct printing answer their ids; one key-down, the drag toggle and one idle command
// reach the grid from the menu (each action exists only once its menu item is made). Without --demo
// there is no such menu: the whole-menu compare shows it.
TEST(ViewCommandsTest, DemoMenuCommandsReachTheGrid) {
    auto browser = StartBrowser({"--demo"});
    ASSERT_NE(browser, nullptr);
    CMainFrame& frame = *browser->MainFrame();
    CServerGrid& grid = frame.View().Grid();
    const QList<QAction*> menus = frame.menuBar()->actions();
    ASSERT_EQ(menus.size(), 5);
    EXPECT_EQ(menus[3]->text(), "&Demo");
    QMenu* demo = menus[3]->menu();
    EXPECT_TRUE(frame.Action(ID_FILE_PRINT)->isEnabled() &&
                frame.Action(ID_FILE_PRINT_PREVIEW)->isEnabled());

    int demoDialogs = 0;
    ModalWatcher demoDialog([&](QWidget* modal) {
        if (auto* dialog = qobject_cast<CGridDemoDlg*>(modal)) {
            ++demoDialogs;
            CServerGrid& inner = dialog->m_wndGrid;
            EXPECT_EQ(inner.GetItemCount(), 5);
            EXPECT_EQ(inner.geometry(), dialog->m_wndFrame->geometry());
            EXPECT_EQ(dialog->focusWidget(), &inner);
            inner.clearFocus();
            QTest::keyClick(dialog, Qt::Key_Return);  // the default button, OK
            EXPECT_EQ(dialog->result(), QDialog::Accepted);
        }
    });
    MessageBoxWatcher boxes;
    EXPECT_TRUE(frame.SendCommand(ID_DEMO_GRID_DIALOG));
    EXPECT_EQ(demoDialogs, 1);
    EXPECT_TRUE(frame.SendCommand(ID_DEMO_FIND));
    EXPECT_EQ(boxes.Texts(), std::vector<std::string>(5, "not found"));
    EXPECT_EQ(boxes.seen[0].title, "Korvath Servers Browser");
    if (QPrinterInfo::availablePrinters().isEmpty()) {  // never on paper
        QPrinter& kept = browser->Printer();  // direct printing leaves the chosen printer alone
        kept.setOutputFileName("kept.pdf");
        kept.setPageOrientation(QPageLayout::Landscape);
        EXPECT_TRUE(frame.SendCommand(ID_FILE_PRINT_DIRECT));
        ASSERT_EQ(boxes.seen.size(), 6u);
        EXPECT_EQ(boxes.seen[5].text.rfind("No printer is installed", 0), 0u);
        EXPECT_TRUE(kept.outputFormat() == QPrinter::PdfFormat &&
                    kept.outputFileName() == "kept.pdf" &&
                    kept.pageLayout().orientation() == QPageLayout::Landscape);
    }

    // The name prompt comes only with a selected row, and only OK inserts (under a collapsed row:
    // the rows shown stay as they are).
    const std::tuple<bool, bool, int> prompts[] = {// selected, ok, children afterwards
                                                   {false, true, 3},
                                                   {true, false, 3},
                                                   {true, true, 4}};
    for (const auto& [selected, ok, children] : prompts) {
        grid.SetItemState(2, selected ? LVIS_SELECTED : 0, LVIS_SELECTED);
        int asked = 0;
        ModalWatcher answer([&, ok = ok](QWidget* modal) {
            if (qobject_cast<CNodeNameDlg*>(modal) != nullptr) {
                ++asked;
                QTest::keyClick(modal->focusWidget(), ok ? Qt::Key_Return : Qt::Key_Escape);
            }
        });
        frame.Action(ID_DEMO_INSERT_ITEMS)->trigger();
        EXPECT_EQ(asked, selected ? 1 : 0);
        ASSERT_EQ(grid.GetChildCount(grid.NodeFromRow(2)), children);
    }
    EXPECT_EQ(grid.GetInfo(grid.NodeFromRow(2)->m_listChildren.back())->m_strText, "");

    grid.SetItemState(1, LVIS_SELECTED | LVIS_FOCUSED, LVIS_SELECTED | LVIS_FOCUSED);
    AddServerRow(MakeRecord("1.10", "DM"), &grid);
    frame.Action(ID_DEMO_KEY_EXPAND_ALL)->trigger();
    frame.Action(ID_DEMO_SET_IMAGE)->trigger();  // one of the idle ids: it changes nothing
    EXPECT_EQ(grid.GetItemCount(), 9);
    EXPECT_EQ(grid.GetSelectedRow(), 1);

    // The check mark follows m_bAllowDrag (1 at first), which the toggle copies to the grid.
    QAction* toggle = frame.Action(ID_DEMO_TOGGLE_DRAG);
    EXPECT_TRUE(toggle->isChecked() && !grid.m_bDragEnabled) << "the two start out different";
    frame.SendCommand(ID_DEMO_TOGGLE_DRAG);  // by id: the mark follows when the menu opens
    EXPECT_TRUE(toggle->isChecked());
    demo->popup(QPoint(0, 0));
    demo->close();
    EXPECT_FALSE(toggle->isChecked() || grid.m_bDragEnabled);
}

// Escape cancels the demonstration dialog with the focus in its grid, where it opens; a drag
// there takes the first Escape and ends.
TEST(ViewCommandsTest, EscapeInTheDemoGridEndsADragFirstThenTheDialog) {
    auto browser = StartBrowser({"--demo"});
    ASSERT_NE(browser, nullptr);
    std::vector<bool> open;  // the dialog after each Escape
    ModalWatcher watcher([&](QWidget* modal) {
        auto* dialog = qobject_cast<CGridDemoDlg*>(modal);
        if (dialog == nullptr || !open.empty()) {
            return;
        }
        CServerGrid& grid = dialog->m_wndGrid;
        grid.ExpandNode(grid.NodeFromRow(0), 0);
        grid.InsertSampleItems(grid.NodeFromRow(0), "S");  // row 4: a row that can be dragged
        grid.m_bDragEnabled = TRUE;
        BeginDrag(grid.viewport(), RowPoint(grid, 4));
        for (const bool dragging : {true, false}) {
            EXPECT_EQ(grid.HasCapture(), dragging);
            QTest::keyClick(dialog->focusWidget(), Qt::Key_Escape);
            open.push_back(dialog->isVisible());
        }
        if (dialog->isVisible()) {
            dialog->reject();
        }
    });
    browser->MainFrame()->SendCommand(ID_DEMO_GRID_DIALOG);
    EXPECT_EQ(open, (std::vector<bool>{true, false}));
}

// Servers filed while the name prompt is open move the rows: the sample lands under the node that
// was selected (TDM, row 3), not under the server that now has its row; a node gone meanwhile
// gets nothing, and the status bar says so.
TEST(ViewCommandsTest, NamePromptInsertsUnderTheSelectedNodeWhereverItsRowWent) {
    auto browser = StartBrowser({"--demo"});
    ASSERT_NE(browser, nullptr);
    CServerGrid& grid = browser->MainFrame()->View().Grid();
    CGridTreeItem* tdm = grid.FindGroupNode("1.00", "TDM");
    AddServerRow(MakeRecord("1.00", "VLD"), &grid);
    for (const char* group : {"*", "VLD"}) {
        CGridTreeItem* node = grid.FindGroupNode("1.00", group);
        grid.ExpandNode(node, grid.RowFromNode(node));
    }
    FakeNotice notice(GetUserNotice());
    for (const bool deletedMeanwhile : {false, true}) {
        CGridTreeItem* selected = deletedMeanwhile ? tdm->m_listChildren.back() : tdm;
        grid.RevealNode(selected);  // selects it
        ModalWatcher answer([&](QWidget* modal) {
            AddServerRow(MakeRecord("1.00", "VLD"), &grid);
            if (deletedMeanwhile) {
                grid.DeleteNodeAndRows(selected, grid.RowFromNode(selected));
            }
            QTest::keyClicks(modal->focusWidget(), "Zed");
            QTest::keyClick(modal->focusWidget(), Qt::Key_Return);
        });
        browser->MainFrame()->SendCommand(ID_DEMO_INSERT_ITEMS);
        EXPECT_EQ(Texts(grid, Children(grid, tdm)),
                  std::vector<std::string>(deletedMeanwhile ? 0 : 1, "Zed"));
    }
    EXPECT_EQ(notice.StatusTexts(), std::vector<std::string>{"The selected row is gone"});
    EXPECT_EQ(grid.GetChildCount(grid.FindGroupNode("1.00", "VLD")), 3);
}

}  // namespace
}  // namespace kr::test
