#include "gridctrl/gridtreectrl.h"

#include "tests/gridctrl/testgrid.h"
#include "tests/support/gridinvariants.h"

#include <gtest/gtest.h>

#include <QApplication>

#include <random>
#include <string>
#include <vector>

namespace {

using kr::test::GridInvariantsHold;

CGridItemInfo* Info(const QString& text, bool checked = false) {
    auto* info = new CGridItemInfo;
    info->m_strText = text;
    info->m_arrSubTexts = QStringList{"c"};
    info->m_bChecked = checked ? TRUE : FALSE;
    return info;
}

// R1: A (A1, A2 (A2x)), B   R2: C   R3; all collapsed, so only the roots have rows.
struct Forest : kr::test::TestGrid {
    Forest() { AddTree("R1 A:R1 A1:A A2:A A2x:A2 B:R1 R2 C:R2 R3"); }
    bool RedrawOn() const { return viewport()->updatesEnabled(); }
};

class GridTree : public ::testing::Test {
protected:
    Forest g;
};

TEST_F(GridTree, ChildRowsAppearInOrderOnExpandOrBelowTheParentsLastShownDescendant) {
    EXPECT_EQ(g.Rows(), "R1 R2 R3");
    g.Add("C2", "R2");
    g.Add("C3", "R2");
    EXPECT_TRUE(g.IsCollapsed(g.N("R2")) && g.GetItemCount() == 3);
    EXPECT_EQ(g.ExpandNode(g.N("R2"), 1), 1 + 3);
    EXPECT_FALSE(g.IsCollapsed(g.N("R2")));
    // Expanding again, a leaf, a null node or at a row that is not the node's changes nothing.
    EXPECT_EQ(g.ExpandNode(g.N("R2"), 1) + g.ExpandNode(g.N("C"), 2), 1 + 2);
    EXPECT_EQ(g.ExpandNode(g.N("R1"), 3) + g.ExpandNode(nullptr, 0), 3);
    EXPECT_EQ(g.Rows(), "R1 R2 C C2 C3 R3");
    g.Expand("R1");
    g.Expand("A");
    g.Add("New", "R1", TRUE);
    g.Add("A3", "A", TRUE);
    EXPECT_EQ(g.GetItemText(4, 2), "A3");
    // A parent that cannot show the child keeps it hidden, whatever the caller asked for.
    g.Add("A2y", "A2", TRUE);    // A2 is collapsed
    g.Add("A2xx", "A2x", TRUE);  // A2x is hidden
    EXPECT_EQ(g.Rows(), "R1 A A1 A2 A3 B New R2 C C2 C3 R3");
    EXPECT_TRUE(GridInvariantsHold(g));
    EXPECT_EQ(g.InsertChildNode(nullptr, nullptr, TRUE), nullptr);
}

TEST_F(GridTree, CollapseHidesNestedRowsAndCollapsesExpandedDescendants) {
    for (const char* name : {"R1", "A", "A2"}) {
        g.Expand(name);
    }
    EXPECT_EQ(g.Rows(), "R1 A A1 A2 A2x B R2 R3");
    g.CollapseNode(g.N("R1"));
    EXPECT_EQ(g.Rows(), "R1 R2 R3");
    EXPECT_TRUE(g.RedrawOn());
    EXPECT_TRUE(g.IsCollapsed(g.N("R1")) && g.IsCollapsed(g.N("A")) && g.IsCollapsed(g.N("A2")));
    EXPECT_TRUE(GridInvariantsHold(g));
    g.Expand("R1");
    // A leaf, a null node and a hidden node are left alone.
    g.CollapseNode(g.N("B"));
    g.CollapseNode(nullptr);
    g.CollapseNode(g.N("A2"));
    EXPECT_EQ(g.Rows(), "R1 A B R2 R3");
    EXPECT_TRUE(GridInvariantsHold(g));
}

TEST_F(GridTree, RowFromNodeCountsOnlyShownRows) {
    auto rows = [this] {
        std::vector<int> found;
        for (const char* name : {"R1", "A", "A1", "A2", "A2x", "B", "R2", "C", "R3"}) {
            found.push_back(g.Row(name));
        }
        return found;
    };
    g.Expand("R2");  // the second root is row 1 whatever R1 holds
    EXPECT_EQ(rows(), (std::vector<int>{0, -1, -1, -1, -1, -1, 1, 2, 3}));
    g.Expand("R1");
    g.Expand("A");
    EXPECT_EQ(rows(), (std::vector<int>{0, 1, 2, 3, -1, 4, 5, 6, 7}));
    CGridTreeItem stranger;
    EXPECT_EQ(g.RowFromNode(nullptr) + g.RowFromNode(&stranger), -2);
}

TEST(GridTreeDelete, DeletingANodeSelectsTheRowThatTookItsPlace) {
    const struct {
        const char *node, *rowsAfter, *selected;
    } cases[] = {
        {"R3", "R1 A A1 A2 B R2 C", "C"},  // the last row: the row above
        {"R1", "R2 C R3", "none"},         // row 0: nothing
        {"A", "R1 B R2 C R3", "B"},        // with its shown subtree
        {"A1", "R1 A A2 B R2 C R3", "A2"},
        {"C", "R1 A A1 A2 B R2 R3", "R3"},
        {"", "R1 A A1 A2 B R2 C R3", "none"},  // a row that is not the node's: nothing happens
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.node);
        Forest f;
        for (const char* name : {"R1", "A", "R2"}) {
            f.Expand(name);
        }
        if (*c.node) {
            const int row = f.Row(c.node);
            f.SetItemState(row, LVIS_SELECTED | LVIS_FOCUSED, LVIS_SELECTED | LVIS_FOCUSED);
            f.DeleteNodeAndRows(f.N(c.node), row);
        } else {
            f.DeleteNodeAndRows(f.N("R1"), 1);
            f.DeleteNodeAndRows(f.N("A2x"), -1);
        }
        EXPECT_EQ(f.Rows(), c.rowsAfter);
        EXPECT_EQ(f.Selected(), c.selected);
        EXPECT_TRUE(f.RedrawOn());
        EXPECT_TRUE(GridInvariantsHold(f));
    }
}

TEST_F(GridTree, FindNextNodeWalksThePreOrderBelowTop) {
    g.Expand("R1");  // A and A2 stay collapsed
    const struct {
        const char *top, *current;
        BOOL restart, visibleOnly;
        const char* expected;  // nullptr: null
    } cases[] = {
        {"R1", "R1", 1, 0, "A"},   {"R1", "A", 1, 0, "A1"},    {"R1", "A1", 1, 0, "A2"},
        {"R1", "A2", 1, 0, "A2x"}, {"R1", "A2x", 1, 0, "B"},   {"R1", "B", 1, 0, "B"},    // the end
        {"R1", "A", 1, 1, "B"},    {"R1", "B", 1, 1, "B"},     {"R1", "A1", 1, 1, "A1"},  // hidden
        {"A", "A2", 1, 0, "A2x"},  {"A", "A2x", 1, 0, "A2x"},  {"A", "A", 1, 1, "A"},  // collapsed
        {"R1", "C", 1, 0, "C"},    {"R1", "B", 0, 0, nullptr}, {"R1", "A", 0, 0, "A1"},
        {"R3", "R3", 1, 0, "R3"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(g.FindNextNode(g.N(c.top), g.N(c.current), c.restart, c.visibleOnly),
                  c.expected ? g.N(c.expected) : nullptr)
            << c.top << " " << c.current << " " << c.restart << c.visibleOnly;
    }
}

TEST_F(GridTree, CheckBoxesAreSetByChildInsertionAndExpansionButNotForRoots) {
    g.SetExtendedStyle(LVS_EX_CHECKBOXES);
    CGridTreeItem* root = g.InsertRootNode(Info("checked root", true));
    g.InsertChildNode(root, Info("hidden checked", true), FALSE);
    g.InsertChildNode(root, Info("hidden clear"), FALSE);
    const int rootRow = g.RowFromNode(root);
    EXPECT_EQ(g.GetItemState(rootRow, LVIS_STATEIMAGEMASK), INDEXTOSTATEIMAGEMASK(1));
    g.ExpandNode(root, rootRow);
    EXPECT_TRUE(g.GetCheck(rootRow + 1) && !g.GetCheck(rootRow + 2));
    CGridTreeItem* shown = g.InsertChildNode(root, Info("shown checked", true), TRUE);
    EXPECT_TRUE(g.GetCheck(g.RowFromNode(shown)));
    EXPECT_TRUE(GridInvariantsHold(g));
}

TEST_F(GridTree, ExpandSubtreeShowsEveryLevelAndReportsTheLastExpansion) {
    g.Expand("R2");
    int last = -7;
    g.ExpandSubtree(g.N("R1"), &last);
    EXPECT_EQ(g.Rows(), "R1 A A1 A2 A2x B R2 C R3");
    EXPECT_EQ(last, 4);  // A2's expansion, the last one, put A2x at row 4
    last = -7;
    g.ExpandSubtree(g.N("R3"), &last);  // nothing to expand: left alone
    EXPECT_EQ(last, -7);
    g.ExpandSubtree(g.N("R2"), &last);  // already expanded: its own row
    EXPECT_EQ(last, 6);
    EXPECT_TRUE(GridInvariantsHold(g));
}

TEST_F(GridTree, RevealNodeExpandsTheAncestorsSelectsAndScrollsToTheNode) {
    for (int i = 0; i < 40; ++i) {
        g.Add("filler" + std::to_string(i), "R3");
    }
    g.Add("deep", "filler39");
    g.Add("deeper", "deep");
    const int row = g.RevealNode(g.N("deeper"));
    EXPECT_EQ(row, 3 + 40 + 1);  // R1 R2 R3 filler0..39 deep deeper
    EXPECT_TRUE(g.GetSelectedRow() == row && g.GetNextItem(-1, LVNI_FOCUSED) == row);
    CRect client;
    g.GetClientRect(&client);
    EXPECT_TRUE(g.Bounds(row).top >= 0 && g.Bounds(row).top < client.bottom);
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);
    EXPECT_TRUE(g.RedrawOn());
    EXPECT_TRUE(GridInvariantsHold(g));
    g.Scroll(CSize(0, -1000));
    EXPECT_EQ(g.RevealNode(g.N("R2")), 1);
    CGridTreeItem stranger;  // not in the tree: no row, the selection stays
    EXPECT_EQ(g.RevealNode(&stranger), -1);
    EXPECT_EQ(g.GetSelectedRow(), 1);
}

TEST_F(GridTree, DetachAndRemoveFindOnlyNodesOfThisTree) {
    EXPECT_FALSE(g.DetachNode(g.N("R1"), TRUE) || g.DetachNode(nullptr, TRUE));  // a root, null
    ASSERT_TRUE(g.DetachNode(g.N("A"), FALSE));
    EXPECT_FALSE(g.DetachNode(g.N("A1"), TRUE));  // its subtree left the tree with it
    EXPECT_TRUE(g.GetParentNode(g.N("A")) == nullptr && g.GetChildCount(g.N("R1")) == 1);
    delete g.N("A")->m_pInfo;
    delete g.N("A");             // frees A1, A2 and A2x with their row data
    g.RemoveRootNode(g.N("B"));  // not a root: ignored
    g.DeleteItem(g.Row("R2"));
    g.RemoveRootNode(g.N("R2"));
    g.RenumberRows();
    EXPECT_TRUE(g.GetRootOrdinal(g.N("R3")) == 1 && !g.IsRootNode(g.N("B")));
    EXPECT_EQ(g.Rows(), "R1 R3");
    EXPECT_TRUE(GridInvariantsHold(g));
}

TEST_F(GridTree, TextsGoIntoTheRowDataAndOnlyIntoTheNodesOwnRow) {
    g.Expand("R1");
    auto* info = Info("R1 new");
    g.SetInfo(g.N("R1"), info, TRUE);  // the old row data is freed
    EXPECT_EQ(g.GetInfo(g.N("R1")), info);
    EXPECT_TRUE(g.GetItemText(0, 0) == "R1 new" && g.GetItemText(0, 1) == "c");
    EXPECT_TRUE(g.RedrawOn());
    LVITEM edit;  // an edit of column 3 of B's row grows its sub-texts
    edit.iItem = g.Row("B");
    g.GetInfo(g.N("B"))->m_arrSubTexts = QStringList{"1"};
    g.SetItemText(edit.iItem, 2, "");
    edit.iSubItem = 3;
    edit.pszText = "third";
    g.OnCellTextChanged(g.N("B"), &edit);
    EXPECT_EQ(g.GetInfo(g.N("B"))->m_arrSubTexts, (QStringList{"1", "", "third"}));
    EXPECT_EQ(g.GetItemText(edit.iItem, 3), "third");
    // A hidden node still remembers its old row, which R2 shows now: that row is left alone.
    g.CollapseNode(g.N("R1"));
    ASSERT_EQ(g.GetRow(g.N("A")), 1);
    g.GetInfo(g.N("A"))->m_strText = "A changed";
    g.RefreshRowTexts(g.N("A"));
    g.SetInfo(g.N("A"), nullptr, TRUE);  // refused
    EXPECT_EQ(g.Rows(), "R1 new R2 R3");
    EXPECT_NE(g.GetInfo(g.N("A")), nullptr);
    EXPECT_TRUE(GridInvariantsHold(g));
}

// Random operations of every kind; after each one the rows must still describe the tree.
TEST(GridTreeRandom, InvariantsHoldAfterEveryOperation) {
    for (unsigned start = 1; start <= 6; ++start) {
        std::mt19937 random(start);
        CGridTreeCtrl grid;
        grid.resize(200, 150);
        grid.InsertColumn(0, QString(), LVCFMT_LEFT, 80);
        std::vector<CGridTreeItem*> all;  // nodes still in the tree
        for (int step = 0; step < 250; ++step) {
            const unsigned op = all.empty() ? 0 : random() % 9;
            CGridTreeItem* node = all.empty() ? nullptr : all[random() % all.size()];
            const int row = grid.RowFromNode(node);
            const bool open = row != -1 && !grid.IsCollapsed(node);
            int last = -1;
            if (op == 0) {
                all.push_back(grid.InsertRootNode(Info(QString::number(step))));
            } else if (op <= 3) {  // shown exactly when the parent is shown and expanded
                all.push_back(grid.InsertChildNode(node, Info(QString::number(step)), open));
            } else if (op == 4) {
                grid.ExpandNode(node, row);
            } else if (op == 5) {
                grid.CollapseNode(node);
            } else if (op == 6) {
                grid.ExpandSubtree(node, &last);
            } else if (op == 7 && (row != -1 || grid.GetParentNode(node) != nullptr)) {
                std::erase_if(all, [&](CGridTreeItem* n) { return grid.IsInSubtree(node, n); });
                if (row != -1) {
                    grid.DeleteNodeAndRows(node, row);
                } else {
                    ASSERT_TRUE(grid.DetachNode(node, TRUE));
                }
            } else if (op == 8) {
                last = grid.RevealNode(node);
                EXPECT_TRUE(last == grid.RowFromNode(node) && last == grid.GetSelectedRow());
            }
            ASSERT_TRUE(GridInvariantsHold(grid))
                << "start " << start << " step " << step << " operation " << op;
        }
    }
}

}  // namespace
