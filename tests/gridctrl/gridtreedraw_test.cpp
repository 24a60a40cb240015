#include "gridctrl/gridtreectrl.h"

#include "platform/qt/syscolors.h"
#include "tests/gridctrl/testgrid.h"

#include <gtest/gtest.h>

#include <tuple>

namespace {

using namespace kr::test;

int Count(const QImage& image, const CRect& rect, COLORREF color) {
    int n = 0;
    for (int x = rect.left; x < rect.right; ++x) {
        for (int y = rect.top; y < rect.bottom; ++y) {
            n += PixelAt(image, x, y) == color;
        }
    }
    return n;
}

// R1 (A (A1, A2), B), R2 (C), R3 with R1 and A expanded: rows R1 A A1 A2 B R2 R3.
class GridDraw : public ::testing::Test {
protected:
    GridDraw() {
        grid.AddTree("R1 A:R1 A1:A A2:A B:R1 R2 C:R2 R3");
        grid.Expand("R1");
        grid.Expand("A");
    }
    // The node's row between x0 and x1.
    CRect Strip(const char* node, int x0, int x1) const {
        const CRect row = grid.Bounds(grid.Row(node));
        return CRect(x0, row.top, x1, row.bottom);
    }
    // The y centre of the node's expand box (halving downwards) and the top of its image.
    int YMid(const char* node) const {
        const CRect r = Strip(node, 0, 0);
        const int spare = r.bottom - 16 - r.top;
        return r.top + (spare >= 0 ? spare / 2 : (spare - 1) / 2) + 8;
    }
    int YImage(const char* node) const {
        const CRect r = Strip(node, 0, 0);
        return r.bottom - 16 - (r.bottom - 16 - r.top) / 2;
    }

    TestGrid grid;
    const COLORREF paper = GetSysColor(COLOR_WINDOW, &grid);
};

TEST_F(GridDraw, ExpandBoxIsElevenSquareWithPlusOrMinusAndLineDown) {
    const QImage image = grid.Render();
    const COLORREF black = RGB(0, 0, 0);
    for (const auto& [node, level, plus] :
         {std::tuple{"R1", 1, false}, std::tuple{"A", 2, false}, std::tuple{"R2", 1, true}}) {
        SCOPED_TRACE(node);
        const int xc = 16 * level - 8;
        const int yc = YMid(node);
        const CRect box(xc - 5, yc - 5, xc + 6, yc + 6);
        // The frame colour is exactly the 40 edge pixels of the 11 x 11 box.
        EXPECT_EQ(Count(image, Strip(node, 0, 16 * level), kBoxFrameColor), 40);
        EXPECT_EQ(Count(image, box, kBoxFrameColor), 40);
        // A 5-pixel bar, and for the plus a 5-pixel upright: end points left out.
        EXPECT_EQ(Count(image, CRect(xc - 2, yc, xc + 3, yc + 1), black), 5);
        EXPECT_EQ(Count(image, CRect(xc, yc - 2, xc + 1, yc + 3), black), plus ? 5 : 1);
        EXPECT_EQ(Count(image, box, black), plus ? 9 : 5);
        EXPECT_EQ(Count(image, box, RGB(255, 255, 255)), 81 - (plus ? 9 : 5));
        // Under an expanded node's image its children's line starts.
        const int bottom = Strip(node, 0, 0).bottom;
        EXPECT_EQ(PixelAt(image, xc + 16, bottom - 1) == kTreeLineColor, !plus);
    }
}

TEST_F(GridDraw, ConnectorsFollowLastChildrenAndAncestorsButNeverRoots) {
    enum Shape { kNone, kThrough, kL };
    const QImage image = grid.Render();
    for (const auto& [node, x, shape] :
         {std::tuple{"A1", 40, kThrough}, std::tuple{"A1", 24, kThrough}, std::tuple{"A2", 40, kL},
          std::tuple{"A2", 24, kThrough}, std::tuple{"B", 24, kL}, std::tuple{"B", 8, kNone},
          std::tuple{"A1", 8, kNone}, std::tuple{"R1", 8, kNone}, std::tuple{"R2", 8, kNone}}) {
        SCOPED_TRACE(std::string(node) + " at " + std::to_string(x));
        const CRect r = Strip(node, x, x + 1);
        const int mid = YMid(node);
        EXPECT_EQ(Count(image, CRect(x, r.top, x + 1, mid + 1), kTreeLineColor),
                  shape == kNone ? 0 : mid + 1 - r.top);
        EXPECT_EQ(Count(image, CRect(x, mid + 1, x + 1, r.bottom), kTreeLineColor),
                  shape == kThrough ? r.bottom - mid - 1 : 0);
        if (shape == kL) {  // the stub to the image, its end point left out
            EXPECT_EQ(Count(image, CRect(x - 1, mid, x + 9, mid + 1), kTreeLineColor), 8);
        }
    }
    const CRect bare = Strip("R3", 0, 16);  // a root without children: nothing left of its image
    EXPECT_EQ(Count(image, bare, paper), bare.Width() * bare.Height());
}

TEST_F(GridDraw, NodeImageIsClippedAtColumnZeroThenLeftOutWithItsLines) {
    // A2 is at level 3: its image spans x 48..63, its lines run at x 24 and 40.
    for (const auto& [width0, pixels, lines] :
         {std::tuple{100, 16, true}, std::tuple{65, 16, true}, std::tuple{60, 12, true},
          std::tuple{49, 1, true}, std::tuple{48, 0, true}, std::tuple{47, 0, false}}) {
        SCOPED_TRACE(width0);
        grid.SetColumnWidth(0, width0);
        const QImage image = grid.Render();
        const int y = YImage("A2") + 8;
        EXPECT_EQ(Count(image, CRect(40, y, 80, y + 1), kNodeImageColor), pixels);
        EXPECT_EQ(Count(image, Strip("A2", 24, 25), kTreeLineColor) > 0, lines);
        EXPECT_EQ(Count(image, Strip("A2", 40, 41), kTreeLineColor) > 0, lines);
    }
}

TEST_F(GridDraw, FocusColourOnlyInTheFocusCellOfTheSelectedRow) {
    const COLORREF focus = RGB(192, 0, 0);
    grid.SetItemState(grid.Row("A1"), LVIS_SELECTED, LVIS_SELECTED);
    const int lefts[] = {0, 200, 280, 360, 440};
    // Focus column, drag under way, column that shows the focus colour (-1: none).
    for (const auto& [column, dragging, marked] :
         {std::tuple{0, FALSE, 0}, std::tuple{1, FALSE, 1}, std::tuple{3, FALSE, 3},
          std::tuple{2, TRUE, -1}, std::tuple{0, TRUE, 0}}) {
        SCOPED_TRACE(column);
        grid.m_nFocusColumn = column;
        grid.m_bDragging = dragging;
        const QImage image = grid.Render();
        for (int col = 0; col < 4; ++col) {
            const int all =
                Count(image, CRect(lefts[col], 0, lefts[col + 1], image.height()), focus);
            const CRect cell = Strip("A1", lefts[col], lefts[col + 1]);
            EXPECT_EQ(all, col == marked ? Count(image, cell, focus) : 0) << col;
            EXPECT_EQ(all > cell.Height() * 40, col == marked) << col;
        }
    }
}

TEST_F(GridDraw, RightAlignedTextTurnsLeftAlignedOnceShortened) {
    CGridItemInfo* info = grid.GetInfo(grid.N("R3"));
    // The first and last x of column 1 (200..279, right-aligned) that hold text.
    auto ink = [&](const QString& text) {
        info->m_arrSubTexts[0] = text;
        const QImage image = grid.Render();
        std::pair<int, int> span(-1, -1);
        for (int x = 200; x < 280; ++x) {
            const CRect strip = Strip("R3", x, x + 1);
            if (Count(image, strip, paper) < strip.Height()) {
                span = {span.first == -1 ? x : span.first, x};
            }
        }
        return span;
    };
    const auto fits = ink("42");
    EXPECT_GT(fits.first, 250);
    EXPECT_LE(fits.second, 274);  // 6 pixels from the right edge
    const auto shortened = ink("a name far too long for the column");
    EXPECT_GE(shortened.first, 206);
    EXPECT_LE(shortened.first, 208);
}

TEST_F(GridDraw, RowAndCellColoursStayBehindTheirTexts) {
    CGridItemInfo* info = grid.GetInfo(grid.N("R3"));
    info->m_crRowBack = RGB(0, 255, 255);
    info->m_mapCellBackColor[1] = RGB(255, 255, 0);  // column 2
    const QImage image = grid.Render();
    const CRect column0 = Strip("R3", 34, 200);  // from 2 pixels right of the image
    const CRect column2 = Strip("R3", 280, 360);
    EXPECT_EQ(Count(image, column0, paper) + Count(image, column2, paper), 0);
    EXPECT_GT(Count(image, column0, info->m_crRowBack), column0.Width() * column0.Height() / 2);
    EXPECT_GT(Count(image, column2, RGB(255, 255, 0)), column2.Width() * column2.Height() / 2);
    EXPECT_EQ(Count(image, Strip("R3", 32, 34), paper), 2 * column0.Height());
    EXPECT_EQ(Count(image, Strip("R3", 200, 280), info->m_crRowBack), 0);
}

TEST_F(GridDraw, NothingPaintedWithoutSmallImageList) {
    TestGrid bare(false);
    bare.Add("R");
    bare.SetItemState(0, LVIS_SELECTED, LVIS_SELECTED);
    const QImage before = bare.Render();
    EXPECT_EQ(Count(before, CRect(before.rect()), paper), before.width() * before.height());
    bare.SetImageList(&bare.m_images, LVSIL_SMALL);  // the same grid paints once it has one
    EXPECT_GT(Count(bare.Render(), bare.Bounds(0), GetSysColor(COLOR_HIGHLIGHT, &bare)), 0);
}

TEST_F(GridDraw, CutRowsBlendNodeAndCellImagesHalfOverTheBackground) {
    grid.GetInfo(grid.N("R3"))->m_mapCellImage[1] = 1;  // column 2, x 280..295
    const int y = YImage("R3") + 8;
    for (const UINT state : {0u, LVIS_CUT}) {
        grid.SetItemState(grid.Row("R3"), state, LVIS_CUT);
        const QImage image = grid.Render();
        for (const auto& [x, color] : {std::pair{24, kNodeImageColor}, {288, kCellImageColor}}) {
            const COLORREF seen = PixelAt(image, x, y);
            const auto expect = [&](int (*part)(COLORREF)) {
                return state == 0 ? part(color) : (part(color) + part(paper)) / 2;
            };
            EXPECT_NEAR(GetRValue(seen), expect(GetRValue), 2) << x;
            EXPECT_NEAR(GetGValue(seen), expect(GetGValue), 2) << x;
            EXPECT_NEAR(GetBValue(seen), expect(GetBValue), 2) << x;
        }
    }
}

}  // namespace
