// SPDX-License-Identifier: GPL-3.0-or-later
#include "gridctrl/gridtreectrl.h"

#include "tests/gridctrl/testgrid.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <memory>
#include <random>
#include <string>
#include <vector>

namespace {

using namespace kr::test;

// R1: A (A1, A2 (A2x)), B   R2: C   R3; all collapsed, so only the roots have rows.
constexpr const char* kForest = "R1 A:R1 A1:A A2:A A2x:A2 B:R1 R2 C:R2 R3";

class GridTree : public ::testing::Test {
protected:
    GridTree() { g.AddTree(kForest); }
    TestGrid g;
};

TEST_F(GridTree, ChildRowsAppearInOrderOnExpandOrBelowTheParentsLastShownDescendant) {
    g.Add("C2", "R2");
    EXPECT_EQ(g.ExpandNode(g.N("R2"), 1), 1 + 2);
    // Expanding again, a leaf, a null node or at a row that is not the node's changes nothing.
    EXPECT_EQ(g.ExpandNode(g.N("R2"), 1) + g.ExpandNode(g.N("C"), 2), 1 + 2);
    EXPECT_EQ(g.ExpandNode(g.N("R1"), 3) + g.ExpandNode(nullptr, 0), 3);
    g.Expand({"R1", "A"});
    g.Add("A3", "A", TRUE);
    // A parent that cannot show the child keeps it hidden, whatever the caller asked for.
    g.Add("A2y", "A2", TRUE);    // A2 is collapsed
    g.Add("A2xx", "A2x", TRUE);  // A2x is hidden
    EXPECT_EQ(g.Rows(), "R1 A A1 A2 A3 B R2 C C2 R3");
    g.Add("A4", "A");  // not to be shown below an open parent: it closes, its rows going
    EXPECT_EQ(g.Rows(), "R1 A B R2 C C2 R3");
    EXPECT_TRUE(Settled(g));
    EXPECT_EQ(g.InsertChildNode(nullptr, nullptr, TRUE), nullptr);
}

TEST(GridTreeDelete, DeletingANodeSelectsTheRowThatTookItsPlace) {
    const struct {
        const char *node, *rowsAfter, *selected;
    } cases[] = {
        {"R3", "R1 A A1 A2 B R2 C", "C"},      // the last row: the row above
        {"R1", "R2 C R3", "none"},             // row 0: nothing
        {"A", "R1 B R2 C R3", "B"},            // with its shown subtree
        {"", "R1 A A1 A2 B R2 C R3", "none"},  // a row that is not the node's: nothing happens
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.node);
        TestGrid f;
        f.AddTree(kForest);
        f.Expand({"R1", "A", "R2"});
        if (*c.node) {
            f.Select(c.node);
            f.DeleteNodeAndRows(f.N(c.node), f.Row(c.node));
        } else {
            f.DeleteNodeAndRows(f.N("R1"), 1);
            f.DeleteNodeAndRows(f.N("A2x"), -1);
        }
        EXPECT_EQ(f.Rows() + "|" + f.Selected(), std::string(c.rowsAfter) + "|" + c.selected);
        EXPECT_TRUE(Settled(f));
    }
}

// A copy into the subtree it copies would never end: it is refused and changes nothing.
TEST_F(GridTree, CopiesIntoTheirOwnSubtreeAreRefused) {
    g.Expand({"R1", "A"});
    const std::string rows = g.Rows();
    EXPECT_FALSE(g.CopySubtree(g.N("A"), g.N("A")) || g.CopySubtree(g.N("A2x"), g.N("A")));
    g.CopyChildren(g.N("A"), g.N("A"));
    g.CopyChildren(g.N("A2"), g.N("R1"));
    EXPECT_EQ(g.GetChildCount(g.N("A")) * 10 + g.GetChildCount(g.N("A2")), 21);
    EXPECT_EQ(g.Rows(), rows);
    EXPECT_TRUE(Settled(g));
}

// Runs of the random test: fewer in the sanitizer builds, which run it several times slower.
#if defined(__SANITIZE_ADDRESS__) || defined(__SANITIZE_THREAD__)
constexpr unsigned kRandomRuns = 150;
#else
constexpr unsigned kRandomRuns = 1000;
#endif

// Random operations of every kind, the owners' sequences among them (a drop, a re-query, an
// edit's end, a sort); after each one the rows must still describe the tree.
TEST(GridTreeRandom, InvariantsHoldAfterEveryOperation) {
    for (unsigned start = 1; start <= kRandomRuns; ++start) {
        std::mt19937 random(start);
        CGridTreeCtrl grid;
        grid.resize(200, 150);
        for (int col = 0; col < 3; ++col) {
            grid.InsertColumn(col, QString(), LVCFMT_LEFT, 60);
        }
        std::vector<CGridTreeItem*> all;  // the nodes in the tree
        const std::function<void(CGridTreeItem*)> collect = [&](CGridTreeItem* node) {
            all.push_back(node);
            std::for_each(node->m_listChildren.begin(), node->m_listChildren.end(), collect);
        };
        for (int step = 0; step < 200; ++step) {
            all.clear();
            for (POSITION pos = grid.GetFirstRootPosition(); pos;) {
                collect(grid.GetNextRoot(pos));
            }
            std::unique_ptr<CGridItemInfo> info(
                NewInfo(QString::number(step), QStringList(random() % 5, "t")));
            const unsigned op = all.empty() ? 0 : random() % 16;
            CGridTreeItem* node = all.empty() ? nullptr : all[random() % all.size()];
            const int row = grid.RowFromNode(node);
            int last = -1;
            if (op == 0) {
                grid.InsertRootNode(info.release());
            } else if (op <= 3) {  // bShowRow only for a shown, expanded parent, not always then
                const bool open = row != -1 && !grid.IsCollapsed(node) && random() % 4;
                grid.InsertChildNode(node, info.release(), open, op == 3 && random() % 2);
            } else if (op == 4) {
                grid.ExpandNode(node, row);
            } else if (op == 5) {
                grid.CollapseNode(node);
            } else if (op == 6) {
                grid.ExpandSubtree(node, &last);
            } else if (op == 7 && (row != -1 || grid.GetParentNode(node) != nullptr)) {
                if (row != -1) {
                    grid.DeleteNodeAndRows(node, row);
                } else {
                    ASSERT_TRUE(grid.DetachNode(node, TRUE));
                }
            } else if (op == 8) {
                last = grid.RevealNode(node);
                bool hidden = false;  // a hidden node is not revealed
                for (CGridTreeItem* n = node; n != nullptr; n = grid.GetParentNode(n)) {
                    hidden = hidden || grid.IsHidden(n);
                }
                EXPECT_TRUE(last == grid.RowFromNode(node) &&
                            (hidden ? last == -1 : last == grid.GetSelectedRow()));
            } else if (op == 9) {
                grid.SetNodeHidden(node, !grid.IsHidden(node));
            } else if (op == 10) {
                const unsigned mask = random();
                grid.SetHiddenNodes([&](const CGridTreeItem* n) {
                    return (mask >> (grid.GetLevel(n) + grid.GetChildCount(n)) % 32) & 1;
                });
            } else if (op == 11) {  // every other child goes, with its subtree
                int k = 0;
                grid.DeleteChildNodes(node, [&](const CGridTreeItem*) { return k++ % 2 == 0; });
            } else if (op == 12 && grid.GetParentNode(node) != nullptr) {  // a drop: copy, delete
                CGridTreeItem* target = all[random() % all.size()];
                const BOOL copied = grid.CopySubtree(target, node);
                ASSERT_EQ(copied, !grid.IsInSubtree(node, target));
                const int now = grid.RowFromNode(node);  // the copy's row may have moved it
                if (copied && now != -1) {
                    grid.DeleteNodeAndRows(node, now);
                } else if (copied) {
                    grid.DetachNode(node, TRUE);
                }
            } else if (op == 13) {  // a re-query: new row data, then filtered
                grid.SetInfo(node, info.release(), random() % 2);
                grid.SetNodeHidden(node, random() % 2);
            } else if (op == 14 && row != -1) {  // an in-place edit ends
                LVITEM item{0, row, static_cast<int>(random() % 4), 0, 0, QString::number(step)};
                grid.OnCellTextChanged(node, &item);
            } else if (op == 15) {  // a sort: collapsed first, as the rows follow the order
                grid.CollapseNode(node);
                std::shuffle(node->m_listChildren.begin(), node->m_listChildren.end(), random);
            }
            ASSERT_TRUE(Settled(grid)) << "start " << start << " step " << step << " op " << op;
        }
    }
}

}  // namespace
