#include "platform/qt/statusbar.h"

#include "tests/support/rendering.h"

#include <gtest/gtest.h>

#include <QTest>

namespace {

const int kIndicators[] = {0, 59137, 59138, 59139};

struct Bar : CStatusBar {
    Bar() {
        SetIndicators(kIndicators, 4, [](int id) -> QString {
            return id == 59137 ? "CAP" : id == 59138 ? "NUM" : "SCRL";
        });
        resize(400, sizeHint().height());
    }
    CRect Pane(int pane) const {
        CRect rect;
        GetItemRect(pane, &rect);
        return rect;
    }
    // Pixels inside a pane's frame darker than the given grey.
    std::size_t DarkPixels(int pane, int below = 100) {
        const QRect inside = Pane(pane).ToQRect().adjusted(2, 2, -2, -2);
        return kr::test::Changed(grab().toImage().copy(inside), 0, below).size();
    }
};

// The texts themselves: the main window's test.
TEST(CStatusBar, PaneZeroStretchesAndTheOthersKeepTheirWidth) {
    Bar bar;
    EXPECT_FALSE(bar.SetIndicators(kIndicators, 0, nullptr));
    const QFontMetrics metrics(bar.font());
    std::vector<CRect> before;
    for (int i = 0; i < 4; ++i) {
        before.push_back(bar.Pane(i));
        EXPECT_TRUE(i == 0 || (before[i].left >= before[i - 1].right &&
                               before[i].Width() > metrics.horizontalAdvance(bar.GetPaneText(i))))
            << i;
    }
    EXPECT_TRUE(before[0].left == 0 && before[3].right <= 400);
    EXPECT_GE(before[0].Height(), metrics.height());
    // Wider: pane 0 takes all of it. Later texts resize nothing.
    bar.resize(500, bar.height());
    bar.SetPaneText(1, "a much longer text than CAP");
    for (int i = 0; i < 4; ++i) {
        const CRect& was = before[i];
        EXPECT_EQ(bar.Pane(i), CRect(i == 0 ? 0 : was.left + 100, before[0].top, was.right + 100,
                                     before[0].bottom))
            << i;
    }
    CRect bad(1, 2, 3, 4);
    EXPECT_TRUE(!bar.GetItemRect(4, &bad) && bad.IsRectNull());
    EXPECT_FALSE(bar.SetPaneText(-1, "x"));
    bar.resize(20, bar.height());  // too narrow: pane 0 gets no width, never a negative one
    EXPECT_EQ(bar.Pane(0).Width(), 0);
}

// Pane texts show, and a status tip shows over pane 0 without changing its text.
TEST(CStatusBar, ShowsPaneTextsAndStatusTipsOverPaneZero) {
    Bar bar;
    EXPECT_GT(bar.DarkPixels(0), 10u);  // "Ready"
    bar.SetPaneText(0, "");
    EXPECT_EQ(bar.DarkPixels(0), 0u);
    const QImage empty = bar.grab().toImage();
    bar.showMessage("Display a new full list of servers");
    EXPECT_TRUE(bar.GetPaneText(0).isEmpty() && bar.DarkPixels(0) > 10);
    bar.clearMessage();
    EXPECT_EQ(bar.grab().toImage(), empty);
    EXPECT_TRUE(bar.DarkPixels(1) == 0 && bar.DarkPixels(1, 220) > 5);  // dimmed indicators
}

}  // namespace
