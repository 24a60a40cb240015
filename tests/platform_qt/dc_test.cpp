// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/qt/dc.h"

#include "platform/qt/syscolors.h"
#include "tests/support/rendering.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QWidget>

namespace {

using namespace kr::test;

// The grid draws its texts vertically centred; its drawing tests hold left and right alignment.
TEST(CDC, DrawTextCentresVerticallyAndClipsUnlessTold) {
    const CRect rect(20, 4, 40, 44);
    for (const UINT noClip : {0u, DT_NOCLIP}) {
        TEXTMETRIC tm;
        const QRect ink = Ink(Render(200, 50, kWhite, [&](CDC& dc) {
            dc.GetTextMetrics(&tm);
            dc.DrawText("A long line of text", rect,
                        DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX | noClip);
        }));
        const int top = rect.top + (rect.Height() - tm.tmHeight) / 2;
        EXPECT_TRUE(ink.top() >= top && ink.bottom() < top + tm.tmHeight) << ink.top();
        EXPECT_GE(ink.left(), rect.left);
        EXPECT_EQ(ink.right() >= rect.right, noClip != 0);
    }
}

// Default tab stops lie every 8 average character widths (s) from the tab origin; a tab always
// moves on, also from a stop. The extent runs from x to the end of the text.
TEST(CDC, TabbedTextOutMovesOnToTheNextDefaultTabStop) {
    TEXTMETRIC tm;
    Render(1, 1, kWhite, [&](CDC& dc) { dc.GetTextMetrics(&tm); });
    const int s = 8 * tm.tmAveCharWidth;
    const std::tuple<int, const char*, int, int> cases[] = {
        {0, "\t\t", 0, 2 * s}, {10, "\t", 0, s - 10}, {s, "\t", 0, s}, {0, "ab\t", 0, s}};
    for (const auto& [x, text, origin, width] : cases) {
        Render(4 * s, 20, kWhite, [&](CDC& dc) {
            EXPECT_EQ(dc.TabbedTextOut(x, 0, text, origin), CSize(width, tm.tmHeight))
                << x << text << origin;
            EXPECT_EQ(dc.GetTabbedTextExtent(text, origin - x), CSize(width, tm.tmHeight));
        });
    }
    const QRect ink =
        Ink(Render(4 * s, 40, kWhite, [](CDC& dc) { dc.TabbedTextOut(0, 0, "\tM", 0); }));
    EXPECT_TRUE(ink.left() >= s && ink.left() <= s + 3) << ink.left() << " " << s;
}

// The second focus rectangle takes the first away.
TEST(CDC, FocusRectInvertsEveryOtherEdgePixelInsideTheRectangle) {
    const QRgb red = qRgb(255, 0, 0);
    Pixels edge;
    for (int x = 3; x < 13; ++x) {
        for (int y = 4; y < 10; ++y) {
            if ((x == 3 || x == 12 || y == 4 || y == 9) && (x + y) % 2 == 1) {
                edge.insert({x, y});
            }
        }
    }
    for (const int times : {1, 2}) {
        const QImage image = Render(20, 20, red, [&](CDC& dc) {
            for (int i = 0; i < times; ++i) {
                dc.DrawFocusRect(CRect(3, 4, 13, 10));
            }
        });
        EXPECT_EQ(Changed(image, red), times == 1 ? edge : Pixels());
        EXPECT_EQ(image.pixel(3, 4), times == 1 ? qRgb(0, 255, 255) : red);
    }
}

TEST(SysColors, ComeFromTheWidgetsPaletteElseTheApplications) {
    QWidget widget;
    QPalette palette = widget.palette();
    palette.setColor(QPalette::Active, QPalette::Highlight, QColor(7, 8, 9));
    widget.setPalette(palette);
    EXPECT_EQ(GetSysColor(COLOR_HIGHLIGHT, &widget), RGB(7, 8, 9));
    const QColor text = QApplication::palette().color(QPalette::Active, QPalette::HighlightedText);
    EXPECT_EQ(GetSysColor(COLOR_HIGHLIGHTTEXT), RGB(text.red(), text.green(), text.blue()));
}

}  // namespace
