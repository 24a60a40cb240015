// SPDX-License-Identifier: GPL-3.0-or-later
#include "gridctrl/gridtreectrl.h"

#include "platform/qt/syscolors.h"
#include "tests/gridctrl/testgrid.h"

#include <gtest/gtest.h>
#include <QPalette>

#include <tuple>

namespace {

using namespace kr::test;

// Rows R1 A A1 A2 B R2 R3 (R1 and A expanded; R2 holds C).
class GridDraw : public ::testing::Test {
protected:
    GridDraw() {
        grid.AddTree("R1 A:R1 A1:A A2:A B:R1 R2 C:R2 R3");
        grid.Expand({"R1", "A"});
    }
    CRect Strip(const char* node, int x0, int x1) const {  // the node's row between x0 and x1
        const CRect row = grid.Bounds(grid.Row(node));
        return CRect(x0, row.top, x1, row.bottom);
    }
    // The y centre of the node's expand box (and image); rows are at least 16 high here.
    int YMid(const char* node) const {
        return grid.Bounds(grid.Row(node)).top + (grid.GetRowHeight() - 16) / 2 + 8;
    }
    TestGrid grid;
    const COLORREF paper = GetSysColor(COLOR_WINDOW, &grid);
};

TEST_F(GridDraw, ExpandBoxIsElevenSquareWithPlusOrMinusAndLineDown) {
    const QImage image = grid.Render();
    const COLORREF black = RGB(0, 0, 0);
    for (const auto& [node, level, plus] : {std::tuple{"A", 2, false}, {"R2", 1, true}}) {
        SCOPED_TRACE(node);
        const int xc = 16 * level - 8, yc = YMid(node);
        const CRect box(xc - 5, yc - 5, xc + 6, yc + 6);
        // The frame colour is exactly the 40 edge pixels of the 11 x 11 box.
        EXPECT_EQ(CountPixels(image, Strip(node, 0, 16 * level), kBoxFrameColor), 40);
        EXPECT_EQ(CountPixels(image, box, kBoxFrameColor), 40);
        // A 5-pixel bar, and for the plus a 5-pixel upright: end points left out.
        EXPECT_EQ(CountPixels(image, CRect(xc - 2, yc, xc + 3, yc + 1), black), 5);
        EXPECT_EQ(CountPixels(image, CRect(xc, yc - 2, xc + 1, yc + 3), black), plus ? 5 : 1);
        EXPECT_EQ(CountPixels(image, box, RGB(255, 255, 255)),
                  81 - (plus ? 9 : 5));  // nothing else
        // Under an expanded node's image its children's line starts.
        EXPECT_EQ(PixelAt(image, xc + 16, Strip(node, 0, 0).bottom - 1) == kTreeLineColor, !plus);
    }
}

TEST_F(GridDraw, ConnectorsFollowLastChildrenAndAncestorsButNeverRoots) {
    enum Shape { kNone, kThrough, kL };
    const QImage image = grid.Render();
    const std::tuple<const char*, int, Shape> cases[] = {
        {"A1", 40, kThrough}, {"A2", 40, kL}, {"A2", 24, kThrough}, {"R1", 8, kNone}};
    for (const auto& [node, x, shape] : cases) {
        SCOPED_TRACE(std::string(node) + " at " + std::to_string(x));
        const CRect r = Strip(node, x, x + 1);
        const int mid = YMid(node);
        EXPECT_EQ(CountPixels(image, CRect(x, r.top, x + 1, mid + 1), kTreeLineColor),
                  shape == kNone ? 0 : mid + 1 - r.top);
        EXPECT_EQ(CountPixels(image, CRect(x, mid + 1, x + 1, r.bottom), kTreeLineColor),
                  shape == kThrough ? r.bottom - mid - 1 : 0);
        if (shape == kL) {  // the stub to the image, its end point left out
            EXPECT_EQ(CountPixels(image, CRect(x - 1, mid, x + 9, mid + 1), kTreeLineColor), 8);
        }
    }
    const CRect bare = Strip("R3", 0, 16);  // a root without children: nothing left of its image
    EXPECT_EQ(CountPixels(image, bare, paper), bare.Width() * bare.Height());
}

TEST_F(GridDraw, NodeImageIsClippedAtColumnZeroThenLeftOutWithItsLines) {
    // A2 is at level 3: its image spans x 48..63, its lines run at x 24 and 40.
    const std::tuple<int, int, bool> cases[] = {
        {100, 16, true}, {49, 1, true}, {48, 0, true}, {47, 0, false}};
    for (const auto& [width0, pixels, lines] : cases) {
        SCOPED_TRACE(width0);
        grid.SetColumnWidth(0, width0);
        const QImage image = grid.Render();
        const int y = YMid("A2");
        EXPECT_EQ(CountPixels(image, CRect(40, y, 80, y + 1), kNodeImageColor), pixels);
        EXPECT_EQ(CountPixels(image, Strip("A2", 24, 25), kTreeLineColor) > 0, lines);
        EXPECT_EQ(CountPixels(image, Strip("A2", 40, 41), kTreeLineColor) > 0, lines);
    }
}

TEST_F(GridDraw, FocusColourOnlyInTheFocusCellOfTheSelectedRow) {
    grid.SetItemState(grid.Row("A1"), LVIS_SELECTED, LVIS_SELECTED);
    const int lefts[] = {0, 200, 280, 360, 440};
    // Focus column, drag under way, column that shows the focus colour (-1: none).
    for (const auto& [column, dragging, marked] :
         {std::tuple{3, FALSE, 3}, {2, TRUE, -1}, {0, TRUE, 0}}) {
        grid.m_nFocusColumn = column;
        grid.m_bDragging = dragging;
        const QImage image = grid.Render();
        const int all = CountPixels(image, CRect(image.rect()), RGB(192, 0, 0));
        const CRect cell = Strip("A1", lefts[std::max(marked, 0)], lefts[std::max(marked, 0) + 1]);
        EXPECT_TRUE(marked == -1 ? all == 0
                                 : all == CountPixels(image, cell, RGB(192, 0, 0)) &&
                                       all > cell.Height() * 40)
            << column;
    }
}

TEST_F(GridDraw, RightAlignedTextTurnsLeftAlignedOnceShortened) {
    // The first and last x of column 1 (200..279, right-aligned) that hold text.
    auto ink = [&](const QString& text) {
        grid.GetInfo(grid.N("R3"))->m_arrSubTexts.set(0, text);
        const QImage image = grid.Render();
        std::pair<int, int> span(-1, -1);
        for (int x = 200; x < 280; ++x) {
            const CRect strip = Strip("R3", x, x + 1);
            if (CountPixels(image, strip, paper) < strip.Height()) {
                span = {span.first == -1 ? x : span.first, x};
            }
        }
        return span;
    };
    const auto fits = ink("42");
    EXPECT_TRUE(fits.first > 250 && fits.second <= 274);  // 6 pixels from the right edge
    const auto shortened = ink("a name far too long for the column");
    // Left-aligned, and measured with the grid's font: the dots end clear of the cell's edge.
    EXPECT_TRUE(shortened.first >= 206 && shortened.first <= 208 && shortened.second < 278);
}

TEST_F(GridDraw, DimmedRowTextTakesThePalettesDisabledTextColour) {
    QPalette palette = grid.palette();
    palette.setColor(QPalette::Disabled, QPalette::Text, Qt::red);
    grid.setPalette(palette);
    grid.GetInfo(grid.N("R3"))->m_arrSubTexts.set(0, "WWW");
    for (const bool dimmed : {false, true}) {
        grid.SetDimmed(grid.N("R3"), dimmed);
        EXPECT_EQ(CountPixels(grid.Render(), Strip("R3", 200, 280), RGB(255, 0, 0)) > 0, dimmed);
    }
}

}  // namespace
