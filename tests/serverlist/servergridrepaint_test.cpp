// Servers that pour into a shown, expanded group: the first is painted at once, the rest within
// the frame once, and the whole view when the frame ends.

#include "serverlist/servergrid.h"
#include "tests/serverlist/servergridtesting.h"

#include <gtest/gtest.h>

#include <QTest>

#include <set>
#include <string>

namespace {

class PaintedRowsGrid : public CServerGrid {
public:
    void DrawItem(DRAWITEMSTRUCT* pDrawItem) override {
        m_painted.insert(static_cast<int>(pDrawItem->itemID));
        CServerGrid::DrawItem(pDrawItem);
    }
    std::multiset<int> m_painted;
};

TEST(ServerGridRepaint, RowsPouringInArePaintedAtOnceThenOncePerFrame) {
    PaintedRowsGrid grid;
    ASSERT_TRUE(grid.Create(nullptr, 256));
    grid.PrepareGrid();
    grid.resize(600, 400);
    grid.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&grid));
    for (const char* group : {"*", "DM"}) {
        CGridTreeItem* node = grid.FindGroupNode("1.20", group);
        grid.ExpandNode(node, grid.RowFromNode(node));
    }
    QTest::qWait(40);  // the expansion's frame is over
    grid.m_painted.clear();
    const auto file = [&grid](int n) {
        AddServerRow(kr::test::MakeRecord("1.20", "DM", std::to_string(n)), &grid);
    };
    file(0);
    const std::size_t firstFrame = grid.m_painted.size();
    EXPECT_GT(firstFrame, 0u) << "the first server is on screen at once";
    for (int n = 1; n <= 40; ++n) {
        file(n);
    }
    EXPECT_EQ(grid.m_painted.size(), firstFrame) << "no repaint per server within the frame";
    grid.m_painted.clear();
    QTest::qWait(40);
    const int top = grid.GetTopIndex();
    EXPECT_TRUE(grid.m_painted.count(top) && grid.m_painted.count(top + grid.GetCountPerPage() - 1))
        << "the whole view is repainted when the frame ends";
}

}  // namespace
