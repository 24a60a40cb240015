#include "tests/support/gridinvariants.h"

#include <gtest/gtest.h>

#include <functional>

namespace {

// The checker must notice each kind of disagreement between the rows and the tree.
TEST(GridInvariants, CatchEveryKindOfMismatch) {
    struct Case {
        const char* fault;
        std::function<void(CGridTreeCtrl&, CGridTreeItem* root, CGridTreeItem* child)> spoil;
    };
    const Case cases[] = {
        {"none", [](CGridTreeCtrl&, CGridTreeItem*, CGridTreeItem*) {}},
        {"cell text",
         [](CGridTreeCtrl& g, CGridTreeItem*, CGridTreeItem*) { g.SetItemText(1, 1, "x"); }},
        {"column-0 text",
         [](CGridTreeCtrl& g, CGridTreeItem*, CGridTreeItem*) { g.SetItemText(0, 0, "x"); }},
        {"indent",
         [](CGridTreeCtrl& g, CGridTreeItem*, CGridTreeItem*) {
             LVITEM item;
             item.mask = LVIF_INDENT;
             item.iItem = 1;
             item.iIndent = 1;
             g.SetItem(item);
         }},
        {"m_nRow", [](CGridTreeCtrl& g, CGridTreeItem*, CGridTreeItem* c) { g.SetRow(c, 5); }},
        {"level", [](CGridTreeCtrl& g, CGridTreeItem*, CGridTreeItem* c) { g.SetLevel(c, 3); }},
        {"parent",
         [](CGridTreeCtrl& g, CGridTreeItem*, CGridTreeItem* c) { g.SetParentNode(c, nullptr); }},
        {"missing row", [](CGridTreeCtrl& g, CGridTreeItem*, CGridTreeItem*) { g.DeleteItem(2); }},
        {"extra row",
         [](CGridTreeCtrl& g, CGridTreeItem*, CGridTreeItem*) { g.InsertItem(3, "x"); }},
        {"collapsed with rows",
         [](CGridTreeCtrl& g, CGridTreeItem* r, CGridTreeItem*) { g.SetCollapsed(r, TRUE); }},
        {"hidden but expanded",
         [](CGridTreeCtrl& g, CGridTreeItem* r, CGridTreeItem* c) {
             g.InsertChildNode(c, nullptr, FALSE);
             g.CollapseNode(r);
             g.SetCollapsed(c, FALSE);
         }},
        {"swapped rows",
         [](CGridTreeCtrl& g, CGridTreeItem* r, CGridTreeItem* c) {
             LVITEM item;
             item.mask = LVIF_PARAM;
             item.iItem = 0;
             item.lParam = reinterpret_cast<quintptr>(c);
             g.SetItem(item);
             item.iItem = 1;
             item.lParam = reinterpret_cast<quintptr>(r);
             g.SetItem(item);
         }},
    };
    for (const Case& c : cases) {
        CGridTreeCtrl grid;
        CGridTreeItem* root = grid.InsertRootNode(nullptr);
        auto* info = new CGridItemInfo;
        info->m_arrSubTexts << "one";
        CGridTreeItem* child = grid.InsertChildNode(root, info, TRUE);
        grid.InsertChildNode(root, nullptr, TRUE);
        c.spoil(grid, root, child);
        EXPECT_EQ(static_cast<bool>(kr::test::GridInvariantsHold(grid)),
                  std::string(c.fault) == "none")
            << c.fault;
    }
}

}  // namespace
