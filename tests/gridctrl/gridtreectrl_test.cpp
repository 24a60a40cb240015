#include "gridctrl/gridtreectrl.h"

#include "tests/support/gridinvariants.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QTest>

#include <map>
#include <random>
#include <string>
#include <vector>

namespace {

using kr::test::GridInvariantsHold;

CGridItemInfo* Info(const QString& text, const QStringList& subTexts = {}, bool checked = false) {
    auto* info = new CGridItemInfo;
    info->m_strText = text;
    info->m_arrSubTexts = subTexts;
    info->m_bChecked = checked ? TRUE : FALSE;
    return info;
}

// A grid with three columns holding this tree, every node with children collapsed, so only the
// roots have rows:
//   R1: A (A1, A2 (A2x)), B      R2: C      R3
class Forest {
public:
    Forest() {
        grid.resize(300, 200);
        for (int col = 0; col < 3; ++col) {
            grid.InsertColumn(col, QString(), LVCFMT_LEFT, 80);
        }
        Root("R1");
        Child("A", "R1");
        Child("A1", "A");
        Child("A2", "A");
        Child("A2x", "A2");
        Child("B", "R1");
        Root("R2");
        Child("C", "R2");
        Root("R3");
    }

    CGridTreeItem* Root(const std::string& name) {
        return nodes[name] = grid.InsertRootNode(Info(QString::fromStdString(name), {"s0", "s1"}));
    }
    CGridTreeItem* Child(const std::string& name, const std::string& parent, BOOL show = FALSE) {
        return nodes[name] = grid.InsertChildNode(
                   nodes.at(parent), Info(QString::fromStdString(name), {name.c_str()}), show);
    }
    CGridTreeItem* N(const std::string& name) { return nodes.at(name); }
    int Expand(const std::string& name) {
        return grid.ExpandNode(N(name), grid.RowFromNode(N(name)));
    }

    // The column-0 texts of all rows, joined with blanks.
    std::string Rows() const {
        std::string rows;
        for (int row = 0; row < grid.GetItemCount(); ++row) {
            rows += (row ? " " : "") + grid.GetItemText(row, 0).toStdString();
        }
        return rows;
    }
    std::string Selected() const {
        const int row = grid.GetSelectedRow();
        return row == -1 ? "none" : grid.GetItemText(row, 0).toStdString();
    }
    bool RedrawOn() const { return grid.viewport()->updatesEnabled(); }

    CGridTreeCtrl grid;
    std::map<std::string, CGridTreeItem*> nodes;
};

class GridTree : public ::testing::Test, public Forest {};

TEST_F(GridTree, ChildrenInsertedWithoutRowsAppearInOrderOnExpand) {
    EXPECT_EQ(Rows(), "R1 R2 R3");
    EXPECT_TRUE(grid.IsCollapsed(N("R2")));
    EXPECT_TRUE(GridInvariantsHold(grid));
    Child("C2", "R2");
    Child("C3", "R2");
    EXPECT_EQ(grid.GetItemCount(), 3);
    EXPECT_EQ(grid.ExpandNode(N("R2"), 1), 1 + 3);
    EXPECT_EQ(Rows(), "R1 R2 C C2 C3 R3");
    EXPECT_FALSE(grid.IsCollapsed(N("R2")));
    EXPECT_TRUE(GridInvariantsHold(grid));

    // Expanding again, a leaf, or at a row that is not the node's changes nothing.
    EXPECT_EQ(grid.ExpandNode(N("R2"), 1), 1);
    EXPECT_EQ(grid.ExpandNode(N("C"), 2), 2);
    EXPECT_EQ(grid.ExpandNode(N("R1"), 3), 3);
    EXPECT_EQ(grid.ExpandNode(nullptr, 0), 0);
    EXPECT_EQ(Rows(), "R1 R2 C C2 C3 R3");
    EXPECT_TRUE(GridInvariantsHold(grid));
}

TEST_F(GridTree, ShownChildRowsGoBelowTheParentsLastShownDescendant) {
    Expand("R1");
    Expand("A");
    Child("New", "R1", TRUE);
    EXPECT_EQ(Rows(), "R1 A A1 A2 B New R2 R3");
    Child("A3", "A", TRUE);
    EXPECT_EQ(Rows(), "R1 A A1 A2 A3 B New R2 R3");
    EXPECT_EQ(grid.GetItemText(4, 1), "A3");
    EXPECT_TRUE(GridInvariantsHold(grid));

    // A parent that cannot show the child keeps it hidden, whatever the caller asked for.
    Child("A2y", "A2", TRUE);    // A2 is collapsed
    Child("A2xx", "A2x", TRUE);  // A2x is hidden
    Child("Leaf", "C", TRUE);    // C is hidden
    EXPECT_EQ(Rows(), "R1 A A1 A2 A3 B New R2 R3");
    EXPECT_TRUE(grid.IsCollapsed(N("C")));
    EXPECT_TRUE(GridInvariantsHold(grid));
    EXPECT_EQ(grid.InsertChildNode(nullptr, nullptr, TRUE), nullptr);
}

TEST_F(GridTree, CollapseHidesNestedRowsAndCollapsesExpandedDescendants) {
    Expand("R1");
    Expand("A");
    Expand("A2");
    EXPECT_EQ(Rows(), "R1 A A1 A2 A2x B R2 R3");
    grid.CollapseNode(N("R1"));
    EXPECT_EQ(Rows(), "R1 R2 R3");
    EXPECT_TRUE(RedrawOn());
    for (const char* name : {"R1", "A", "A2"}) {
        EXPECT_TRUE(grid.IsCollapsed(N(name))) << name;
    }
    EXPECT_TRUE(GridInvariantsHold(grid));
    Expand("R1");
    EXPECT_EQ(Rows(), "R1 A B R2 R3");
    EXPECT_TRUE(GridInvariantsHold(grid));

    // A leaf, a null node and a hidden node are left alone.
    grid.CollapseNode(N("B"));
    grid.CollapseNode(nullptr);
    grid.CollapseNode(N("A2"));
    EXPECT_EQ(Rows(), "R1 A B R2 R3");
    EXPECT_TRUE(GridInvariantsHold(grid));
}

TEST_F(GridTree, RowFromNodeCountsOnlyShownRows) {
    auto rows = [this] {
        std::vector<int> found;
        for (const char* name : {"R1", "A", "A1", "A2", "A2x", "B", "R2", "C", "R3"}) {
            found.push_back(grid.RowFromNode(N(name)));
        }
        return found;
    };
    Expand("R2");  // the second root is row 1 whatever R1 holds
    EXPECT_EQ(rows(), (std::vector<int>{0, -1, -1, -1, -1, -1, 1, 2, 3}));
    Expand("R1");
    Expand("A");
    EXPECT_EQ(rows(), (std::vector<int>{0, 1, 2, 3, -1, 4, 5, 6, 7}));
    CGridTreeItem stranger;
    EXPECT_EQ(grid.RowFromNode(nullptr) + grid.RowFromNode(&stranger), -2);
}

TEST_F(GridTree, DeletingANodeSelectsTheRowThatTookItsPlace) {
    const struct {
        const char* node;
        const char* rowsAfter;
        const char* selected;
    } cases[] = {
        {"R3", "R1 A A1 A2 B R2 C", "C"},  // the last row: the row above
        {"R1", "R2 C R3", "none"},         // row 0: nothing
        {"A", "R1 B R2 C R3", "B"},        // with its shown subtree
        {"A1", "R1 A A2 B R2 C R3", "A2"}, {"C", "R1 A A1 A2 B R2 R3", "R3"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.node);
        Forest f;
        f.Expand("R1");
        f.Expand("A");
        f.Expand("R2");
        const int row = f.grid.RowFromNode(f.N(c.node));
        f.grid.SetItemState(row, LVIS_SELECTED | LVIS_FOCUSED, LVIS_SELECTED | LVIS_FOCUSED);
        f.grid.DeleteNodeAndRows(f.N(c.node), row);
        EXPECT_EQ(f.Rows(), c.rowsAfter);
        EXPECT_EQ(f.Selected(), c.selected);
        EXPECT_TRUE(f.RedrawOn());
        EXPECT_TRUE(GridInvariantsHold(f.grid));
    }
    Expand("R1");
    Expand("A");
    // A row that is not the node's: nothing happens.
    grid.DeleteNodeAndRows(N("R1"), 1);
    grid.DeleteNodeAndRows(N("A2x"), -1);
    EXPECT_EQ(Rows(), "R1 A A1 A2 B R2 R3");
    EXPECT_TRUE(GridInvariantsHold(grid));
}

TEST_F(GridTree, FindNextNodeWalksThePreOrderBelowTop) {
    Expand("R1");  // A and A2 stay collapsed
    const struct {
        const char* top;
        const char* current;
        BOOL restart;
        BOOL visibleOnly;
        const char* expected;  // nullptr: null
    } cases[] = {
        {"R1", "R1", TRUE, FALSE, "A"},  {"R1", "A", TRUE, FALSE, "A1"},
        {"R1", "A1", TRUE, FALSE, "A2"}, {"R1", "A2", TRUE, FALSE, "A2x"},
        {"R1", "A2x", TRUE, FALSE, "B"}, {"R1", "B", TRUE, FALSE, "B"},  // the end: itself
        {"R1", "A", TRUE, TRUE, "B"},    {"R1", "B", TRUE, TRUE, "B"},
        {"R1", "A1", TRUE, TRUE, "A1"},  // hidden: never reached
        {"A", "A2", TRUE, FALSE, "A2x"}, {"A", "A2x", TRUE, FALSE, "A2x"},
        {"A", "A", TRUE, TRUE, "A"},  // a collapsed top shows nothing below it
        {"R1", "C", TRUE, FALSE, "C"},   {"R1", "B", FALSE, FALSE, nullptr},
        {"R1", "A", FALSE, FALSE, "A1"}, {"R3", "R3", TRUE, FALSE, "R3"},
    };
    for (const auto& c : cases) {
        CGridTreeItem* found = grid.FindNextNode(N(c.top), N(c.current), c.restart, c.visibleOnly);
        EXPECT_EQ(found, c.expected ? N(c.expected) : nullptr)
            << c.top << " " << c.current << " " << c.restart << c.visibleOnly;
    }

    // The whole subtree, as a printout walks it.
    std::string walk;
    CGridTreeItem* node = N("R1");
    while (true) {
        CGridTreeItem* next = grid.FindNextNode(N("R1"), node, TRUE, FALSE);
        if (next == node || !grid.IsInSubtree(N("R1"), next)) {
            break;
        }
        walk += grid.GetInfo(next)->m_strText.toStdString() + " ";
        node = next;
    }
    EXPECT_EQ(walk, "A A1 A2 A2x B ");
}

TEST_F(GridTree, CheckBoxesAreSetByChildInsertionAndExpansionButNotForRoots) {
    grid.SetExtendedStyle(LVS_EX_CHECKBOXES);
    CGridTreeItem* root = grid.InsertRootNode(Info("checked root", {}, true));
    grid.InsertChildNode(root, Info("hidden checked", {}, true), FALSE);
    grid.InsertChildNode(root, Info("hidden clear"), FALSE);
    const int rootRow = grid.RowFromNode(root);
    EXPECT_EQ(grid.GetItemState(rootRow, LVIS_STATEIMAGEMASK), INDEXTOSTATEIMAGEMASK(1));
    grid.ExpandNode(root, rootRow);
    EXPECT_TRUE(grid.GetCheck(rootRow + 1) && !grid.GetCheck(rootRow + 2));
    CGridTreeItem* shown = grid.InsertChildNode(root, Info("shown checked", {}, true), TRUE);
    EXPECT_TRUE(grid.GetCheck(grid.RowFromNode(shown)));
    EXPECT_TRUE(GridInvariantsHold(grid));
}

TEST_F(GridTree, ExpandSubtreeShowsEveryLevelAndReportsTheLastExpansion) {
    Expand("R2");
    int last = -7;
    grid.ExpandSubtree(N("R1"), &last);
    EXPECT_EQ(Rows(), "R1 A A1 A2 A2x B R2 C R3");
    // The last ExpandNode called was A2's, which inserted A2x at row 4 (B follows at 5).
    EXPECT_EQ(last, 4);
    EXPECT_TRUE(GridInvariantsHold(grid));
    grid.CollapseNode(N("R1"));
    grid.ExpandSubtree(N("R1"), nullptr);
    EXPECT_EQ(Rows(), "R1 A A1 A2 A2x B R2 C R3");

    last = -7;
    grid.ExpandSubtree(N("R3"), &last);  // nothing to expand: left alone
    EXPECT_EQ(last, -7);
    grid.ExpandSubtree(N("R2"), &last);  // already expanded: its own row
    EXPECT_EQ(last, 6);
    EXPECT_TRUE(GridInvariantsHold(grid));
}

TEST_F(GridTree, RevealNodeExpandsTheAncestorsSelectsAndScrollsToTheNode) {
    grid.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&grid));
    for (int i = 0; i < 40; ++i) {
        Child("filler" + std::to_string(i), "R3");
    }
    Child("deep", "filler39");
    Child("deeper", "deep");
    const int row = grid.RevealNode(N("deeper"));
    EXPECT_EQ(row, 3 + 40 + 1);  // R1 R2 R3 filler0..39 deep deeper
    EXPECT_TRUE(grid.GetSelectedRow() == row && grid.GetNextItem(-1, LVNI_FOCUSED) == row);
    CRect bounds, client;
    grid.GetItemRect(row, &bounds, LVIR_BOUNDS);
    grid.GetClientRect(&client);
    EXPECT_TRUE(bounds.top >= 0 && bounds.top < client.bottom);
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);
    EXPECT_TRUE(RedrawOn());
    EXPECT_TRUE(GridInvariantsHold(grid));

    grid.Scroll(CSize(0, -1000));
    EXPECT_EQ(grid.RevealNode(N("R2")), 1);
    EXPECT_EQ(grid.GetSelectedRow(), 1);

    CGridTreeItem stranger;  // not in the tree: no row, the selection stays
    EXPECT_EQ(grid.RevealNode(&stranger), -1);
    EXPECT_EQ(grid.GetSelectedRow(), 1);
}

TEST_F(GridTree, DetachAndRemoveFindOnlyNodesOfThisTree) {
    EXPECT_FALSE(grid.DetachNode(N("R1"), TRUE) || grid.DetachNode(nullptr, TRUE));
    ASSERT_TRUE(grid.DetachNode(N("A"), FALSE));
    EXPECT_TRUE(grid.GetParentNode(N("A")) == nullptr && grid.GetChildCount(N("R1")) == 1);
    EXPECT_FALSE(grid.DetachNode(N("A1"), TRUE));  // its subtree left the tree with it
    EXPECT_FALSE(grid.IsInSubtree(N("R1"), N("A1")));
    delete N("A")->m_pInfo;
    delete N("A");  // frees A1, A2 and A2x with their row data
    ASSERT_TRUE(grid.DetachNode(N("C"), TRUE));
    EXPECT_FALSE(grid.HasChildren(N("R2")));
    EXPECT_TRUE(GridInvariantsHold(grid));

    grid.RemoveRootNode(N("B"));  // not a root: ignored
    EXPECT_EQ(grid.GetRootOrdinal(N("R3")), 2);
    grid.DeleteItem(grid.RowFromNode(N("R2")));
    grid.RemoveRootNode(N("R2"));
    grid.RenumberRows();
    EXPECT_TRUE(grid.GetRootOrdinal(N("R3")) == 1 && !grid.IsRootNode(N("B")));
    EXPECT_EQ(Rows(), "R1 R3");
    EXPECT_TRUE(GridInvariantsHold(grid));
}

TEST_F(GridTree, TextsGoIntoTheRowDataAndOnlyIntoTheNodesOwnRow) {
    Expand("R1");
    auto* info = Info("R1 new", {"x0", "x1"});
    grid.SetInfo(N("R1"), info, TRUE);  // the old row data is freed
    EXPECT_EQ(grid.GetInfo(N("R1")), info);
    EXPECT_TRUE(grid.GetItemText(0, 0) == "R1 new" && grid.GetItemText(0, 2) == "x1");
    EXPECT_TRUE(RedrawOn());
    LVITEM edit;  // an edit of column 3 of B's row grows its sub-texts
    edit.iItem = grid.RowFromNode(N("B"));
    edit.iSubItem = 3;
    edit.pszText = "third";
    grid.OnCellTextChanged(N("B"), &edit);
    EXPECT_EQ(grid.GetInfo(N("B"))->m_arrSubTexts, (QStringList{"B", "", "third"}));
    EXPECT_EQ(grid.GetItemText(edit.iItem, 3), "third");
    EXPECT_TRUE(GridInvariantsHold(grid));

    // A hidden node still remembers its old row, which R2 shows now: that row is left alone.
    grid.CollapseNode(N("R1"));
    ASSERT_EQ(grid.GetRow(N("A")), 1);
    grid.GetInfo(N("A"))->m_strText = "A changed";
    grid.RefreshRowTexts(N("A"));
    grid.SetInfo(N("A"), nullptr, TRUE);  // refused
    EXPECT_EQ(Rows(), "R1 new R2 R3");
    EXPECT_NE(grid.GetInfo(N("A")), nullptr);
    EXPECT_TRUE(GridInvariantsHold(grid));
}

// Random operations of every kind on a random forest; after each one the rows must still
// describe the tree exactly.
TEST(GridTreeRandom, InvariantsHoldAfterEveryOperation) {
    for (unsigned start = 1; start <= 6; ++start) {
        SCOPED_TRACE(start);
        std::mt19937 random(start);
        CGridTreeCtrl grid;
        grid.resize(200, 150);
        grid.InsertColumn(0, QString(), LVCFMT_LEFT, 80);
        std::vector<CGridTreeItem*> all;  // nodes still in the tree
        int made = 0;
        auto pick = [&]() { return all[random() % all.size()]; };
        auto forget = [&](CGridTreeItem* gone) {
            std::erase_if(all, [&](CGridTreeItem* n) { return grid.IsInSubtree(gone, n); });
        };
        const char* const kOps[] = {"insert root",    "insert child",     "insert child",
                                    "insert child",   "expand",           "collapse",
                                    "expand subtree", "delete or detach", "reveal"};
        for (int step = 0; step < 250; ++step) {
            const unsigned op = all.empty() ? 0 : random() % 9;
            CGridTreeItem* node = all.empty() ? nullptr : pick();
            const int row = grid.RowFromNode(node);
            int last = -1;
            switch (op) {
                case 0:
                    all.push_back(grid.InsertRootNode(Info(QString::number(made++), {"a", "b"})));
                    break;
                case 1:
                case 2:
                case 3:  // shown exactly when the parent is shown and expanded
                    all.push_back(grid.InsertChildNode(node, Info(QString::number(made++), {"c"}),
                                                       row != -1 && !grid.IsCollapsed(node)));
                    break;
                case 4:
                    grid.ExpandNode(node, row);
                    break;
                case 5:
                    grid.CollapseNode(node);
                    break;
                case 6:
                    grid.ExpandSubtree(node, &last);
                    break;
                case 7:
                    if (row != -1 || grid.GetParentNode(node) != nullptr) {
                        forget(node);
                        if (row != -1) {
                            grid.DeleteNodeAndRows(node, row);
                        } else {
                            ASSERT_TRUE(grid.DetachNode(node, TRUE));
                        }
                    }
                    break;
                default:
                    last = grid.RevealNode(node);
                    EXPECT_TRUE(last == grid.RowFromNode(node) && last == grid.GetSelectedRow());
            }
            ASSERT_TRUE(GridInvariantsHold(grid)) << "step " << step << ": " << kOps[op];
        }
    }
}

}  // namespace
