// What the tree operations cost in rows numbered (GetRowsNumbered), so that none of them can grow
// with the whole list again unnoticed, and that the rows still agree with the tree afterwards.

#include "tests/gridctrl/testgrid.h"
#include "tests/support/gridinvariants.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <functional>
#include <string>

namespace {

using namespace kr::test;

// R1 > G (shown, expanded) with `children` rows, then the roots R2 and R3 below; R3 selected.
struct GroupGrid : TestGrid {
    explicit GroupGrid(int children) {
        AddTree("R1 G:R1 R2 R3");
        Expand({"R1"});
        for (int i = 0; i < children; ++i) {
            AddChild();
        }
        SetItemState(Row("R3"), LVIS_SELECTED | LVIS_FOCUSED, LVIS_SELECTED | LVIS_FOCUSED);
    }
    CGridTreeItem* AddChild() { return Add("s" + std::to_string(m_nNext++), "G", TRUE); }
    std::uint64_t Touched(const std::function<void()>& change) {
        const std::uint64_t before = GetRowsNumbered();
        change();
        return GetRowsNumbered() - before;
    }
    int m_nNext = 0;
};

TEST(GridRowCost, FilingIntoAnOpenGroupGrowsLinearly) {
    std::uint64_t touched[2] = {};
    const int counts[2] = {200, 2000};
    for (int i = 0; i < 2; ++i) {
        GroupGrid grid(0);
        touched[i] = grid.Touched([&] {
            for (int n = 0; n < counts[i]; ++n) {
                grid.AddChild();
            }
        });
        // Each new row and the two roots below it, nothing above.
        EXPECT_LE(touched[i], 3u * static_cast<std::uint64_t>(counts[i]));
        EXPECT_EQ(grid.Selected(), "R3");
        EXPECT_TRUE(GridInvariantsHold(grid));
    }
    EXPECT_LE(touched[1], 12 * touched[0])
        << "ten times the servers, at most twelve times the rows";
}

TEST(GridRowCost, ExpandCollapseDeleteTouchWhatTheyShowHideAndMove) {
    constexpr int kChildren = 500;
    const struct {
        const char* name;
        std::function<void(GroupGrid&)> prepare;
        std::function<void(GroupGrid&)> change;
        std::uint64_t most;  // rows numbered at most
        const char* rows;    // the column-0 texts of the rows afterwards, "" not checked
    } cases[] = {
        {"collapse", [](GroupGrid&) {}, [](GroupGrid& g) { g.CollapseNode(g.N("G")); }, 2,
         "R1 G R2 R3"},
        {"expand", [](GroupGrid& g) { g.CollapseNode(g.N("G")); },
         [](GroupGrid& g) { g.Expand({"G"}); }, kChildren + 2, ""},
        {"expand all", [](GroupGrid& g) { g.CollapseNode(g.N("R1")); },
         [](GroupGrid& g) {
             int last = -1;
             g.ExpandSubtree(g.N("R1"), &last);
             EXPECT_EQ(last, kChildren + 1);
         },
         kChildren + 4, ""},
        {"delete a server", [](GroupGrid&) {},
         [](GroupGrid& g) { g.DeleteNodeAndRows(g.N("s498"), g.Row("s498")); }, 3, ""},
        {"delete the group", [](GroupGrid&) {},
         [](GroupGrid& g) { g.DeleteNodeAndRows(g.N("G"), g.Row("G")); }, 2, "R1 R2 R3"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        GroupGrid grid(kChildren);
        c.prepare(grid);
        EXPECT_LE(grid.Touched([&] { c.change(grid); }), c.most);
        EXPECT_TRUE(GridInvariantsHold(grid));
        if (*c.rows != '\0') {
            EXPECT_EQ(grid.Rows(), c.rows);
        }
    }
}

}  // namespace
