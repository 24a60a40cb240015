// SPDX-License-Identifier: GPL-3.0-or-later
#include "tests/gridctrl/testgrid.h"

#include <gtest/gtest.h>

#include <functional>

// The checker must notice each kind of disagreement between the rows and the tree. The tree: a
// root with two shown children, the first one with sub-text "one".
TEST(GridInvariants, CatchEveryKindOfMismatch) {
    struct Tree {
        CGridTreeCtrl grid;
        CGridTreeItem* root = grid.InsertRootNode(nullptr);
        CGridTreeItem* child = grid.InsertChildNode(root, kr::test::NewInfo("", {"one"}), TRUE);
        CGridTreeItem* last = grid.InsertChildNode(root, nullptr, TRUE);
        void Set(UINT mask, int row, int indent, CGridTreeItem* data) {
            grid.SetItem(
                LVITEM{mask, row, 0, 0, 0, {}, 0, reinterpret_cast<quintptr>(data), indent});
        }
    };
    const std::pair<const char*, std::function<void(Tree&)>> cases[] = {
        {"none", [](Tree&) {}},
        {"cell text", [](Tree& t) { t.grid.SetItemText(1, 1, "x"); }},
        {"text of a column past the sub-texts",
         [](Tree& t) {
             t.grid.InsertColumn(0, {}, LVCFMT_LEFT, 9);
             t.grid.InsertColumn(1, {}, LVCFMT_LEFT, 9);
             t.grid.SetItemText(2, 1, "x");
         }},
        {"indent", [](Tree& t) { t.Set(LVIF_INDENT, 1, 1, nullptr); }},
        {"m_nRow", [](Tree& t) { t.grid.SetRow(t.child, 5); }},
        {"parent", [](Tree& t) { t.grid.SetParentNode(t.child, nullptr); }},
        {"missing row", [](Tree& t) { t.grid.DeleteItem(2); }},
        {"collapsed with rows", [](Tree& t) { t.grid.SetCollapsed(t.root, TRUE); }},
        {"hidden with a row", [](Tree& t) { t.child->m_bHidden = TRUE; }},
        {"hidden but expanded",
         [](Tree& t) {
             t.grid.InsertChildNode(t.child, nullptr, FALSE);
             t.grid.CollapseNode(t.root);
             t.grid.SetCollapsed(t.child, FALSE);
         }},
        {"rows out of order",
         [](Tree& t) {
             t.Set(LVIF_PARAM, 0, 0, t.child);
             t.Set(LVIF_PARAM, 1, 0, t.root);
         }},
    };
    for (const auto& [fault, spoil] : cases) {
        Tree tree;
        spoil(tree);
        EXPECT_EQ(bool(kr::test::GridInvariantsHold(tree.grid)), std::string(fault) == "none")
            << fault;
    }
}
