// Servers that pour into a shown, expanded group: the first is painted at once, the rest within
// the frame, once, ending in the pixels of a grid repainted after every server.

#include "serverlist/servergrid.h"
#include "tests/serverlist/servergridtesting.h"

#include <gtest/gtest.h>

#include <QImage>
#include <QTest>

#include <set>
#include <string>

namespace {

using kr::test::MakeRecord;

class PaintedRowsGrid : public CServerGrid {
public:
    PaintedRowsGrid() {
        EXPECT_TRUE(Create(nullptr, 256));
        PrepareGrid();
        resize(600, 400);
        show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(this));
        for (const char* group : {"*", "DM"}) {
            CGridTreeItem* node = FindGroupNode("1.20", group);
            ExpandNode(node, RowFromNode(node));
        }
        QTest::qWait(40);  // the expansion's frame is over
    }
    void DrawItem(DRAWITEMSTRUCT* pDrawItem) override {
        ++m_nDrawn;
        m_painted.insert(static_cast<int>(pDrawItem->itemID));
        CServerGrid::DrawItem(pDrawItem);
    }
    void File(int count, bool repaintEach) {
        for (int end = m_nFiled + count; m_nFiled < end; ++m_nFiled) {
            const std::string n = std::to_string(m_nFiled);
            AddServerRow(MakeRecord("1.20", "DM", n, "s" + n), this);
            if (repaintEach) {
                UpdateWindow();
            }
        }
    }
    QImage Screen() { return viewport()->grab().toImage(); }

    int m_nFiled = 0;
    int m_nDrawn = 0;
    std::set<int> m_painted;
};

TEST(ServerGridRepaint, RowsPouringInArePaintedOncePerFrameWithTheSameFinalPixels) {
    PaintedRowsGrid coalesced;
    coalesced.m_nDrawn = 0;
    coalesced.File(1, false);
    EXPECT_GT(coalesced.m_nDrawn, 0) << "the first server is on screen at once";
    const int firstFrame = coalesced.m_nDrawn;
    coalesced.File(40, false);
    EXPECT_EQ(coalesced.m_nDrawn, firstFrame) << "no repaint per server within the frame";
    coalesced.m_painted.clear();
    QTest::qWait(40);
    const int top = coalesced.GetTopIndex();
    EXPECT_TRUE(coalesced.m_painted.count(top) &&
                coalesced.m_painted.count(top + coalesced.GetCountPerPage() - 1))
        << "the whole view is repainted when the frame ends";

    PaintedRowsGrid each;
    each.File(41, true);
    QTest::qWait(40);
    EXPECT_EQ(coalesced.Screen(), each.Screen());
}

}  // namespace
