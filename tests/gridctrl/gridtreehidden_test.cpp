// SPDX-License-Identifier: GPL-3.0-or-later
// Hidden nodes: the rows a filter leaves, the states it keeps, and what is painted for them.

#include "gridctrl/gridtreectrl.h"
#include "tests/gridctrl/testgrid.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>

namespace {

using namespace kr::test;

// R1 (A (A1, A2), B), R2 (C), R3; R1 and A expanded, B selected.
struct HiddenGrid : TestGrid {
    HiddenGrid() {
        AddTree("R1 A:R1 A1:A A2:A B:R1 R2 C:R2 R3");
        Expand({"R1", "A"});
        Select("B");
    }
    void Hide(const std::string& name, BOOL bHidden = TRUE) { SetNodeHidden(N(name), bHidden); }
    void HideWhere(const std::function<bool(const std::string&)>& hidden) {
        SetHiddenNodes([&](const CGridTreeItem* node) {
            return hidden(GetInfo(node)->m_strText.toStdString());
        });
    }
};

TEST(GridHidden, HiddenNodesLoseTheirRowsAndComeBackAsTheyWere) {
    const struct {
        const char* what;
        std::function<void(HiddenGrid&)> change;
        const char* rows;
        const char* selected;
    } cases[] = {
        {"a leaf", [](HiddenGrid& g) { g.Hide("A1"); }, "R1 A A2 B R2 R3", "B"},
        {"and back", [](HiddenGrid& g) { g.Hide("A1"), g.Hide("A1", FALSE); }, "R1 A A1 A2 B R2 R3",
         "B"},
        {"an expanded subtree, and back expanded",
         [](HiddenGrid& g) { g.Hide("A"), g.Hide("B"), g.Hide("A", FALSE); }, "R1 A A1 A2 R2 R3",
         "none"},
        {"a collapse meanwhile collapses it too",
         [](HiddenGrid& g) {
             g.Hide("A"), g.CollapseNode(g.N("R1")), g.Expand({"R1"}), g.Hide("A", FALSE);
         },
         "R1 A B R2 R3", "none"},
        {"below a collapsed node",
         [](HiddenGrid& g) { g.Hide("C"), g.Expand({"R2"}), g.Hide("C", FALSE); },
         "R1 A A1 A2 B R2 C R3", "B"},
        {"a new child after hidden ones",
         [](HiddenGrid& g) {
             g.Hide("A2");
             g.InsertChildNode(g.N("A"), NewInfo("hid", {}), TRUE, TRUE);
             g.InsertChildNode(g.N("A"), NewInfo("A3", {}), TRUE);
         },
         "R1 A A1 A3 B R2 R3", "B"},
        {"all at once, the selection kept",
         [](HiddenGrid& g) { g.HideWhere([](const std::string& n) { return n[0] == 'A'; }); },
         "R1 B R2 R3", "B"},
        {"all at once, the selection hidden",
         [](HiddenGrid& g) { g.HideWhere([](const std::string& n) { return n == "B"; }); },
         "R1 A A1 A2 R2 R3", "none"},
        {"all at once, then shown again",
         [](HiddenGrid& g) {
             g.HideWhere([](const std::string&) { return true; });
             g.HideWhere([](const std::string&) { return false; });
         },
         "R1 A A1 A2 B R2 R3", "none"},
        {"roots stay", [](HiddenGrid& g) { g.Hide("R2"); }, "R1 A A1 A2 B R2 R3", "B"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        HiddenGrid grid;
        c.change(grid);
        EXPECT_EQ(grid.Rows(), c.rows);
        EXPECT_EQ(grid.Selected(), c.selected);
        EXPECT_TRUE(Settled(grid));
    }
    HiddenGrid grid;
    grid.Hide("A1");
    EXPECT_EQ(grid.FindNextNode(grid.N("A"), grid.N("A"), FALSE, TRUE), grid.N("A2"));
}

// A node whose children are all hidden looks like one without children; the last child that is
// not hidden ends its siblings' line.
TEST(GridHidden, PaintingTreatsHiddenChildrenAsAbsent) {
    HiddenGrid grid;
    grid.Hide("A2");
    QImage image = grid.Render();
    const CRect a1 = grid.Bounds(grid.Row("A1"));
    EXPECT_NE(PixelAt(image, 40, a1.bottom - 1), kTreeLineColor) << "A1 ends its siblings' line";
    grid.Hide("A1");
    image = grid.Render();
    const CRect a = grid.Bounds(grid.Row("A"));
    EXPECT_EQ(CountPixels(image, CRect(0, a.top, 32, a.bottom), kBoxFrameColor), 0)
        << "A shows no expand box";
}

}  // namespace
