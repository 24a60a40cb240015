// The view's demonstration and print commands, sent by id and through the --demo menu.

#include "app/commandids.h"
#include "app/griddemodlg.h"
#include "tests/app/browsertesting.h"
#include "tests/serverlist/servergridtesting.h"

#include <gtest/gtest.h>
#include <QAction>
#include <QMenuBar>
#include <QPageSetupDialog>
#include <QPrintDialog>
#include <QPrinterInfo>
#include <QRadioButton>

namespace kr::test {
namespace {

const int kDemoIds[] = {ID_DEMO_GRID_DIALOG,    ID_DEMO_INSERT_ITEMS, ID_DEMO_FIND,
                        ID_DEMO_KEY_DELETE,     ID_DEMO_KEY_EXPAND,   ID_DEMO_KEY_COLLAPSE,
                        ID_DEMO_KEY_EXPAND_ALL, ID_DEMO_TOGGLE_DRAG,  ID_DEMO_IDLE_32780,
                        ID_DEMO_IDLE_32783,     ID_DEMO_IDLE_32784,   ID_DEMO_SET_IMAGE,
                        ID_FILE_PRINT_DIRECT};

QMenu* DemoMenu(CMainFrame& frame) {
    const QList<QAction*> menus = frame.menuBar()->actions();
    return menus.size() == 4 && menus[2]->text() == "&Demo" ? menus[2]->menu() : nullptr;
}

TEST(ViewCommandsTest, KeyDownsDragToggleAndIdleIdsThroughTheMenu) {
    auto browser = StartBrowser({"--demo"});
    ASSERT_NE(browser, nullptr);
    CMainFrame& frame = *browser->MainFrame();
    CServerGrid& grid = frame.View().Grid();
    ASSERT_NE(DemoMenu(frame), nullptr);
    for (const int id : kDemoIds) {
        EXPECT_TRUE(DemoMenu(frame)->actions().contains(frame.Action(id))) << id;
    }
    grid.SetItemState(1, LVIS_SELECTED | LVIS_FOCUSED, LVIS_SELECTED | LVIS_FOCUSED);
    AddServerRow(MakeRecord("1.10", "DM"), &grid);
    const std::pair<int, int> steps[] = {// id, rows afterwards
                                         {ID_DEMO_KEY_EXPAND, 8},   {ID_DEMO_KEY_DELETE, 8},
                                         {ID_DEMO_KEY_COLLAPSE, 5}, {ID_DEMO_KEY_EXPAND_ALL, 9},
                                         {ID_DEMO_IDLE_32780, 9},   {ID_DEMO_IDLE_32783, 9},
                                         {ID_DEMO_IDLE_32784, 9},   {ID_DEMO_SET_IMAGE, 9}};
    for (const auto& [id, rows] : steps) {
        frame.Action(id)->trigger();
        EXPECT_EQ(grid.GetItemCount(), rows) << id;
        EXPECT_EQ(grid.GetSelectedRow(), 1) << id;
    }

    // The check mark follows m_bAllowDrag (1 at first), which the toggle copies to the grid.
    QAction* toggle = frame.Action(ID_DEMO_TOGGLE_DRAG);
    EXPECT_TRUE(toggle->isChecked() && !grid.m_bDragEnabled) << "the two start out different";
    for (const bool expected : {false, true}) {
        toggle->trigger();
        EXPECT_EQ(toggle->isChecked(), expected);
        EXPECT_EQ(grid.m_bDragEnabled, expected ? TRUE : FALSE);
    }
    frame.SendCommand(ID_DEMO_TOGGLE_DRAG);  // by id: the mark follows when the menu opens
    EXPECT_TRUE(toggle->isChecked());
    DemoMenu(frame)->popup(QPoint(0, 0));
    DemoMenu(frame)->close();
    EXPECT_FALSE(toggle->isChecked() || grid.m_bDragEnabled);
}

TEST(ViewCommandsTest, DialogsFindDemoAndDirectPrintAnswerTheirIds) {
    auto browser = StartBrowser({});
    ASSERT_NE(browser, nullptr);
    CMainFrame& frame = *browser->MainFrame();
    EXPECT_EQ(DemoMenu(frame), nullptr) << "only with --demo";
    for (const int id : kDemoIds) {
        EXPECT_EQ(frame.Action(id), nullptr) << id;
    }
    EXPECT_TRUE(frame.Action(ID_FILE_PRINT)->isEnabled() &&
                frame.Action(ID_FILE_PRINT_PREVIEW)->isEnabled());
    int demoDialogs = 0;
    ModalWatcher closeDemo([&](QWidget* modal) {
        if (auto* dialog = qobject_cast<CGridDemoDlg*>(modal)) {
            demoDialogs += dialog->m_wndGrid.GetItemCount() == 5 ? 1 : 0;
            dialog->reject();
        }
    });
    MessageBoxWatcher boxes;
    EXPECT_TRUE(frame.SendCommand(ID_DEMO_GRID_DIALOG));
    EXPECT_EQ(demoDialogs, 1);
    EXPECT_TRUE(frame.SendCommand(ID_DEMO_FIND));
    EXPECT_EQ(boxes.Texts(), std::vector<std::string>(5, "not found"));
    EXPECT_EQ(boxes.seen[0].title, "Korvath Servers Browser");
    if (QPrinterInfo::availablePrinters().isEmpty()) {
        EXPECT_TRUE(frame.SendCommand(ID_FILE_PRINT_DIRECT));
        ASSERT_EQ(boxes.seen.size(), 6u);
        EXPECT_EQ(boxes.seen[5].text.rfind("No printer is installed", 0), 0u);
    }
}

// Print Setup and Print work on the application's one printer: a choice made in one holds.
TEST(ViewCommandsTest, PrintSetupChoicesHoldForPrint) {
    auto browser = StartBrowser({});
    ASSERT_NE(browser, nullptr);
    std::vector<QPrinter*> used;
    ModalWatcher answer([&](QWidget* modal) {
        if (auto* setup = qobject_cast<QPageSetupDialog*>(modal)) {
            used.push_back(setup->printer());
            setup->findChild<QRadioButton*>("landscape")->click();
            setup->accept();
        } else if (auto* print = qobject_cast<QPrintDialog*>(modal)) {
            used.push_back(print->printer());
            print->reject();
        }
    });
    browser->MainFrame()->SendCommand(ID_FILE_PRINT_SETUP);
    browser->MainFrame()->SendCommand(ID_FILE_PRINT);
    EXPECT_EQ(used, (std::vector<QPrinter*>{&browser->Printer(), &browser->Printer()}));
    EXPECT_EQ(browser->Printer().pageLayout().orientation(), QPageLayout::Landscape);
}

}  // namespace
}  // namespace kr::test
