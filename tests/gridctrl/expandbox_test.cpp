#include "gridctrl/expandbox.h"

#include "gridctrl/gridtreectrl.h"

#include <gtest/gtest.h>

// 16 x 16 images in rows of 20 pixels are held pixel by pixel by the drawing tests.
TEST(ExpandBox, LayoutHalvesTowardsMinusInfinityAndHitTestsItsOwnRectangle) {
    const struct {
        int cx, cy, level;
        CRect row, box;
        CPoint centre;
    } cases[] = {
        {16, 16, 1, CRect(0, 0, 500, 15), CRect(3, 2, 14, 13), CPoint(8, 7)},  // row below cy
        {15, 13, 2, CRect(0, 0, 500, 20), CRect(18, 6, 28, 15), CPoint(23, 10)},
        {15, 13, 1, CRect(-20, 0, 480, 12), CRect(-17, 2, -7, 11), CPoint(-12, 6)},
    };
    CGridTreeCtrl grid;
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.cx << "x" << c.cy << " level " << c.level);
        grid.m_nIconWidth = c.cx;
        grid.m_nIconHeight = c.cy;
        CExpandBox box;
        box.Layout(grid, nullptr, c.level, c.row);
        EXPECT_EQ(box.GetRect(), c.box);
        EXPECT_EQ(CPoint(box.GetCenterX(), box.GetCenterY()), c.centre);
        const CRect& b = c.box;
        EXPECT_TRUE(box.HitTest(b.left, b.top) && box.HitTest(b.right - 1, b.bottom - 1));
        EXPECT_FALSE(box.HitTest(b.right, b.top) || box.HitTest(b.left, b.bottom) ||
                     box.HitTest(b.left - 1, b.top) || box.HitTest(b.left, b.top - 1));
    }
}
