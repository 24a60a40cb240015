// SPDX-License-Identifier: GPL-3.0-or-later
// What the tree operations cost in rows numbered (GetRowsNumbered), so that none of them can grow
// with the whole list again unnoticed, and that the rows still agree with the tree afterwards.

#include "tests/gridctrl/testgrid.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <functional>
#include <string>

namespace {

using namespace kr::test;

// R1 > G (shown, expanded) with `children` rows s0, s1, ..., then the roots R2 and R3; R3 selected.
struct GroupGrid : TestGrid {
    explicit GroupGrid(int children) {
        AddTree("R1 G:R1 R2 R3");
        Expand({"R1"});
        AddChildren(children);
        Select("R3");
    }
    void AddChildren(int count) {
        for (int i = 0; i < count; ++i) {
            Add("s" + std::to_string(m_nNext++), "G", TRUE);
        }
    }
    std::uint64_t Touched(const std::function<void()>& change) {
        const std::uint64_t before = GetRowsNumbered();
        change();
        return GetRowsNumbered() - before;
    }
    int m_nNext = 0;
};

TEST(GridRowCost, FilingIntoAnOpenGroupGrowsLinearly) {
    std::uint64_t touched[2] = {};
    for (const int i : {0, 1}) {
        const int count = i ? 2000 : 200;
        GroupGrid grid(0);
        touched[i] = grid.Touched([&] { grid.AddChildren(count); });
        // Each new row and the two roots below it, nothing above.
        EXPECT_LE(touched[i], 3u * static_cast<std::uint64_t>(count));
        EXPECT_EQ(grid.Selected(), "R3");
        EXPECT_TRUE(Settled(grid));
    }
    EXPECT_LE(touched[1], 12 * touched[0])
        << "ten times the servers, at most twelve times the rows";
}

// The rows' agreement with the tree afterwards is the checker's; here only the count.
TEST(GridRowCost, ExpandCollapseDeleteTouchWhatTheyShowHideAndMove) {
    constexpr int kChildren = 500;
    const struct {
        const char* collapsedFirst;
        std::function<void(GroupGrid&)> change;
        std::uint64_t most;  // rows numbered at most
    } cases[] = {
        {"", [](GroupGrid& g) { g.CollapseNode(g.N("G")); }, 2},
        {"G", [](GroupGrid& g) { g.CollapseNode(g.N("G")); }, 0},
        {"G", [](GroupGrid& g) { g.Expand({"G"}); }, kChildren + 2},
        {"R1", [](GroupGrid& g) { g.ExpandSubtree(g.N("R1"), nullptr); }, kChildren + 4},
        {"", [](GroupGrid& g) { g.DeleteNodeAndRows(g.N("G"), 1); }, 2},
        // Hiding costs as collapsing, showing as expanding; filing hidden children nothing.
        {"", [](GroupGrid& g) { g.SetNodeHidden(g.N("G"), TRUE); }, 2},
        {"", [](GroupGrid& g) { g.SetNodeHidden(g.N("s0"), TRUE); }, kChildren + 1},
        {"G", [](GroupGrid& g) { g.SetNodeHidden(g.N("s9"), TRUE), g.Expand({"G"}); },
         kChildren + 1},
        {"", [](GroupGrid& g) { g.InsertChildNode(g.N("G"), nullptr, TRUE, TRUE); }, 0},
        {"",
         [](GroupGrid& g) {
             g.SetHiddenNodes([&](const CGridTreeItem* n) { return g.GetLevel(n) == 3; });
         },
         4},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(&c - cases);
        GroupGrid grid(kChildren);
        if (*c.collapsedFirst) {
            grid.CollapseNode(grid.N(c.collapsedFirst));
        }
        EXPECT_LE(grid.Touched([&] { c.change(grid); }), c.most);
        EXPECT_TRUE(Settled(grid));
    }
}

}  // namespace
