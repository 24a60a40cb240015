// SPDX-License-Identifier: GPL-3.0-or-later
#include "gridctrl/gridcellcombo.h"
#include "serverlist/servergrid.h"
#include "tests/serverlist/servergridtesting.h"
#include "tests/support/gridinvariants.h"
#include "tests/support/simprocess.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QTest>

#include <gtest/gtest.h>

namespace {

using namespace kr::test;

class ServerGridHooksTest : public ::testing::Test {
protected:
    void SetUp() override {
        m_grid.resize(900, 400);
        m_window.resize(900, 400);
        m_window.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&m_window));
        m_dm = m_grid.FindGroupNode("1.20", "DM");
        m_grid.RevealNode(m_dm);
        m_grid.ExpandNode(m_dm, m_grid.RowFromNode(m_dm));
    }

    // Files a row for the address under 1.20 DM, with texts and marks no reply would give.
    CGridTreeItem* AddStaleRow(const std::string& address) {
        ServerRecord stale = MakeRecord("1.20", "DM", "1", "stale");
        stale.m_address = address;
        stale.m_private = stale.m_dedicated = true;
        AddServerRow(stale, &m_grid);
        const std::vector<CGridTreeItem*> rows = Children(m_grid, m_dm);
        return rows.empty() ? nullptr : rows.back();
    }
    void PressEnterOn(CGridTreeItem* node) {
        m_grid.RevealNode(node);
        QTest::keyClick(&m_grid, Qt::Key_Return);
    }
    void Click(int row, int col) {
        CRect cell;
        m_grid.GetSubItemRect(row, col, col == 0 ? LVIR_LABEL : LVIR_BOUNDS, cell);
        QTest::mouseClick(m_grid.viewport(), Qt::LeftButton, {}, cell.ToQRect().center());
    }

    QWidget m_window;
    PreparedGrid m_grid{&m_window};  // the end of an edit comes back through its parent
    CGridTreeItem* m_dm = nullptr;
};

// Enter queries the selected server again and rewrites its row in place from the reply, whatever
// the reply: a normal one, none, a malformed one, one of 4096 bytes without a terminator, random
// bytes from one to 4096. The row stays under 1.20 DM although the replies name other groups.
TEST_F(ServerGridHooksTest, EnterRewritesTheServersRowInPlaceFromAFreshReply) {
    for (const char* options :
         {"--servers 5 --silent 20 --malformed 20 --random 4", "--servers 3 --reply unterminated",
          "--servers 4 --reply garbage --random 9"}) {
        SCOPED_TRACE(options);
        SimProcess sim(Words(options));
        ASSERT_TRUE(sim.Started());
        const std::vector<FleetEntry> fleet = sim.Fleet();
        std::vector<CGridTreeItem*> rows;
        for (const FleetEntry& server : fleet) {
            rows.push_back(AddStaleRow(server.address));
            ASSERT_NE(rows.back(), nullptr);
        }
        const int rowCount = m_grid.GetItemCount();
        for (size_t n = 0; n < fleet.size(); ++n) {
            const int row = m_grid.RowFromNode(rows[n]);
            PressEnterOn(rows[n]);
            const CGridItemInfo& info = *m_grid.GetInfo(rows[n]);
            EXPECT_EQ(RowText(info), ExpectedRowText(fleet[n]));
            EXPECT_EQ(info.GetSubText(0) == "9999", !fleet[n].Answers());
            EXPECT_EQ(m_grid.GetItemText(row, 2), info.GetSubText(1)) << "the cells show it";
            EXPECT_TRUE(m_grid.RowFromNode(rows[n]) == row &&
                        m_grid.GetParentNode(rows[n]) == m_dm);
        }
        EXPECT_EQ(m_grid.GetItemCount(), rowCount);
        EXPECT_TRUE(GridInvariantsHold(m_grid));

        // Enter on a version or a game-type row, or with no row selected, keeps every text and
        // mark of the row as it is and sends nothing.
        for (CGridTreeItem* group : {m_grid.FindGroupNode("1.20", "*"), m_dm}) {
            const auto shown = [&] {
                return RowText(*m_grid.GetInfo(group)).c_str() +
                       ("|" + RowCells(m_grid, m_grid.RowFromNode(group)));
            };
            const QString before = shown();
            PressEnterOn(group);
            EXPECT_EQ(shown(), before);
            EXPECT_TRUE(before.contains(m_grid.GetInfo(group)->m_strText + "|"));
        }
        m_grid.SetItemState(-1, 0, LVIS_SELECTED);
        QTest::keyClick(&m_grid, Qt::Key_Return);
        EXPECT_EQ(sim.Stats()["queries"], static_cast<long>(fleet.size()));
    }
}

// A click opens no edit box on any cell; on a drop-down cell it opens the drop-down list, and the
// chosen entry is stored, "Bugs: Impossible" (exact case) with its remark.
TEST_F(ServerGridHooksTest, OnlyDropDownCellsOpenAnEditorAndTheImpossibleGetsARemark) {
    CGridTreeItem* node = AddStaleRow("127.0.0.1:27001");
    ASSERT_NE(node, nullptr);
    const int row = m_grid.RowFromNode(node);
    for (int col = 0; col < m_grid.GetColumnCount(); ++col) {
        Click(row, col);
    }
    QApplication::processEvents();
    EXPECT_TRUE(m_grid.viewport()->findChildren<QWidget*>().isEmpty());

    const std::pair<int, const char*> cases[] = {// presses of Down, text stored
                                                 {1, "Bugs: Impossible ( ya right )"},
                                                 {2, "bugs: impossible"}};
    for (const auto& [downs, stored] : cases) {
        CGridItemInfo* info = m_grid.GetInfo(node);
        info->m_mapCellKind[2] = kCellKindDropDown;
        info->m_mapCellChoices[2] = {"de_a", "Bugs: Impossible", "bugs: impossible"};
        info->m_arrSubTexts.set(2, "de_a");
        m_grid.RefreshRowTexts(node);
        Click(row, 3);
        auto* combo = m_grid.viewport()->findChild<CGridCellCombo*>();
        ASSERT_NE(combo, nullptr);
        EXPECT_EQ(combo->currentText(), "de_a");
        ASSERT_TRUE(combo->view()->isVisible());
        for (int n = 0; n < downs; ++n) {
            QTest::keyClick(combo->view(), Qt::Key_Down);
        }
        QTest::keyClick(combo->view(), Qt::Key_Return);
        QApplication::processEvents();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        EXPECT_EQ(m_grid.GetInfo(node)->GetSubText(2), stored);
        EXPECT_EQ(m_grid.GetItemText(row, 3), stored);
        EXPECT_TRUE(m_grid.viewport()->findChildren<CGridCellCombo*>().isEmpty());
    }
}

}  // namespace
