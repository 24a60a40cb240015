#include "platform/qt/statusbar.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QPaintEvent>
#include <QTest>

#include <vector>

namespace {

const int kIndicators[] = {0, 59137, 59138, 59139};

QString IndicatorText(int id) {
    return id == 59137 ? "CAP" : id == 59138 ? "NUM" : "SCRL";
}

CRect Pane(const CStatusBar& bar, int pane) {
    CRect rect;
    bar.GetItemRect(pane, &rect);
    return rect;
}

// Pixels inside a pane's frame darker than the given grey.
int DarkPixels(const CStatusBar& bar, int pane, int below = 100) {
    const QImage image = const_cast<CStatusBar&>(bar).grab().toImage();
    CRect rect = Pane(bar, pane);
    rect.DeflateRect(2, 2);
    int count = 0;
    for (int y = rect.top; y < rect.bottom; ++y) {
        for (int x = rect.left; x < rect.right; ++x) {
            count += qGray(image.pixel(x, y)) < below ? 1 : 0;
        }
    }
    return count;
}

TEST(CStatusBar, PaneZeroStretchesAndTheOthersKeepTheirWidth) {
    CStatusBar bar;
    ASSERT_TRUE(bar.SetIndicators(kIndicators, 4, IndicatorText));
    EXPECT_FALSE(bar.SetIndicators(kIndicators, 0, IndicatorText));
    ASSERT_EQ(bar.GetCount(), 4);
    EXPECT_EQ(bar.GetPaneText(0), "Ready");
    EXPECT_EQ(bar.GetPaneText(3), "SCRL");
    bar.resize(400, bar.sizeHint().height());
    std::vector<CRect> before;
    for (int i = 0; i < 4; ++i) {
        before.push_back(Pane(bar, i));
        EXPECT_EQ(before[i].top, before[0].top);
        EXPECT_EQ(before[i].bottom, before[0].bottom);
        if (i > 0) {
            EXPECT_GE(before[i].left, before[i - 1].right) << "overlap at " << i;
            EXPECT_GT(before[i].Width(),
                      QFontMetrics(bar.font()).horizontalAdvance(bar.GetPaneText(i)));
        }
    }
    EXPECT_EQ(before[0].left, 0);
    EXPECT_LE(before[3].right, 400);
    EXPECT_GE(before[0].Height(), QFontMetrics(bar.font()).height());

    // Wider: pane 0 takes all of it. Later texts resize nothing.
    bar.resize(500, bar.height());
    bar.SetPaneText(1, "a much longer text than CAP");
    for (int i = 0; i < 4; ++i) {
        EXPECT_EQ(Pane(bar, i).right, before[i].right + 100) << i;
        EXPECT_EQ(Pane(bar, i).left, i == 0 ? 0 : before[i].left + 100) << i;
    }
    CRect bad(1, 2, 3, 4);
    EXPECT_FALSE(bar.GetItemRect(4, &bad));
    EXPECT_TRUE(bad.IsRectNull());
    EXPECT_FALSE(bar.SetPaneText(-1, "x"));
    bar.resize(20, bar.height());  // too narrow: pane 0 gets no width, never a negative one
    EXPECT_EQ(Pane(bar, 0).Width(), 0);
}

TEST(CStatusBar, SetPaneTextRepaintsThePaneBeforeReturning) {
    struct PaintLog : QObject {
        bool eventFilter(QObject*, QEvent* event) override {
            if (event->type() == QEvent::Paint) {
                rects.push_back(static_cast<QPaintEvent*>(event)->rect());
            }
            return false;
        }
        std::vector<QRect> rects;
    } log;
    CStatusBar bar;
    bar.SetIndicators(kIndicators, 4, IndicatorText);
    bar.resize(400, bar.sizeHint().height());
    bar.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&bar));
    QApplication::processEvents();
    bar.installEventFilter(&log);

    ASSERT_TRUE(bar.SetPaneText(0, "Contacting"));
    ASSERT_EQ(log.rects.size(), 1u);
    EXPECT_TRUE(Pane(bar, 0).ToQRect().contains(log.rects[0]));
    bar.SetPaneText(0, "Contacting");  // unchanged: no paint
    bar.SetPaneText(0, "Later", FALSE);
    EXPECT_EQ(log.rects.size(), 1u);
    QApplication::processEvents();
    EXPECT_EQ(log.rects.size(), 2u);
    bar.UpdateWindow();
    ASSERT_EQ(log.rects.size(), 3u);
    EXPECT_EQ(log.rects.back(), bar.rect());
}

TEST(CStatusBar, ShowsPaneTextsAndStatusTipsOverPaneZero) {
    CStatusBar bar;
    bar.SetIndicators(kIndicators, 4, IndicatorText);
    bar.resize(400, bar.sizeHint().height());
    EXPECT_GT(DarkPixels(bar, 0), 10);  // "Ready"
    bar.SetPaneText(0, "");
    EXPECT_EQ(DarkPixels(bar, 0), 0);
    const QImage empty = bar.grab().toImage();
    bar.showMessage("Display a new full list of servers");
    EXPECT_EQ(bar.GetPaneText(0), "");
    EXPECT_GT(DarkPixels(bar, 0), 10);
    bar.clearMessage();
    EXPECT_EQ(bar.grab().toImage(), empty);
    // Indicators are dimmed: some ink, none of it dark.
    EXPECT_EQ(DarkPixels(bar, 1), 0);
    EXPECT_GT(DarkPixels(bar, 1, 220), 5);
}

}  // namespace
