#include "platform/qt/statusbar.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QImage>
#include <QPaintEvent>
#include <QTest>

#include <vector>

namespace {

QString IndicatorText(int id) {
    switch (id) {
        case 59137:
            return "CAP";
        case 59138:
            return "NUM";
        case 59139:
            return "SCRL";
        default:
            return "unexpected";
    }
}

const int kIndicators[] = {0, 59137, 59138, 59139};

// Counts the bar's paint events and remembers their rectangles.
class PaintCounter : public QObject {
public:
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::Paint) {
            rects.push_back(static_cast<QPaintEvent*>(event)->rect());
        }
        return false;
    }
    std::vector<QRect> rects;
};

// Pixels inside the rectangle that are darker than the window background.
int DarkPixels(const QImage& image, const CRect& rect) {
    int count = 0;
    for (int y = rect.top; y < rect.bottom; ++y) {
        for (int x = rect.left; x < rect.right; ++x) {
            count += qGray(image.pixel(x, y)) < 100 ? 1 : 0;
        }
    }
    return count;
}

CRect TextArea(const CStatusBar& bar, int pane) {
    CRect rect;
    bar.GetItemRect(pane, &rect);
    rect.DeflateRect(2, 2);  // inside the frame
    return rect;
}

TEST(CStatusBar, PaneZeroStretchesAndIndicatorsKeepTheirWidth) {
    CStatusBar bar;
    ASSERT_TRUE(bar.SetIndicators(kIndicators, 4, IndicatorText));
    EXPECT_EQ(bar.GetCount(), 4);
    EXPECT_EQ(bar.GetPaneText(0), "Ready");
    EXPECT_EQ(bar.GetPaneText(1), "CAP");
    EXPECT_EQ(bar.GetPaneText(3), "SCRL");
    EXPECT_EQ(bar.GetPaneText(4), "");
    bar.resize(400, bar.sizeHint().height());

    std::vector<CRect> narrow(4);
    for (int i = 0; i < 4; ++i) {
        ASSERT_TRUE(bar.GetItemRect(i, &narrow[i]));
        EXPECT_FALSE(narrow[i].IsRectEmpty()) << i;
        EXPECT_GE(narrow[i].top, 0);
        EXPECT_LE(narrow[i].bottom, bar.height());
        EXPECT_EQ(narrow[i].top, narrow[0].top);
        EXPECT_EQ(narrow[i].bottom, narrow[0].bottom);
        if (i > 0) {
            EXPECT_GT(narrow[i].left, narrow[i - 1].right - 1) << "panes overlap at " << i;
            EXPECT_GT(narrow[i].Width(),
                      QFontMetrics(bar.font()).horizontalAdvance(bar.GetPaneText(i)));
        }
    }
    EXPECT_EQ(narrow[0].left, 0);
    EXPECT_LE(narrow[3].right, 400);
    // Pane heights leave room for text.
    EXPECT_GE(narrow[0].Height(), QFontMetrics(bar.font()).height());

    bar.resize(500, bar.height());
    for (int i = 0; i < 4; ++i) {
        CRect wide;
        bar.GetItemRect(i, &wide);
        EXPECT_EQ(wide.right, narrow[i].right + 100) << i;
        EXPECT_EQ(wide.left, i == 0 ? 0 : narrow[i].left + 100) << i;
    }

    // Later texts do not resize a pane.
    bar.SetPaneText(1, "a much longer text than CAP");
    bar.SetPaneText(2, "");
    for (int i = 0; i < 4; ++i) {
        CRect same;
        bar.GetItemRect(i, &same);
        EXPECT_EQ(same.Width(), i == 0 ? narrow[0].Width() + 100 : narrow[i].Width()) << i;
    }

    CRect bad(1, 2, 3, 4);
    EXPECT_FALSE(bar.GetItemRect(4, &bad));
    EXPECT_TRUE(bad.IsRectNull());
    EXPECT_FALSE(bar.GetItemRect(-1, &bad));
    EXPECT_FALSE(bar.SetPaneText(4, "x"));
    EXPECT_FALSE(bar.SetIndicators(kIndicators, 0, IndicatorText));
    EXPECT_EQ(bar.GetCount(), 4);

    // A bar too narrow for its indicators gives pane 0 no width, not a negative one.
    bar.resize(20, bar.height());
    CRect squeezed;
    bar.GetItemRect(0, &squeezed);
    EXPECT_EQ(squeezed.Width(), 0);
}

TEST(CStatusBar, SetPaneTextRepaintsThePaneBeforeReturning) {
    CStatusBar bar;
    bar.SetIndicators(kIndicators, 4, IndicatorText);
    bar.resize(400, bar.sizeHint().height());
    bar.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&bar));
    QApplication::processEvents();
    PaintCounter counter;
    bar.installEventFilter(&counter);
    CRect pane0;
    bar.GetItemRect(0, &pane0);

    ASSERT_TRUE(bar.SetPaneText(0, "Contacting"));
    ASSERT_EQ(counter.rects.size(), 1u);
    EXPECT_TRUE(pane0.ToQRect().contains(counter.rects[0]));
    EXPECT_EQ(bar.GetPaneText(0), "Contacting");

    ASSERT_TRUE(bar.SetPaneText(0, "Contacting"));  // unchanged: no paint
    EXPECT_EQ(counter.rects.size(), 1u);

    ASSERT_TRUE(bar.SetPaneText(0, "Later", FALSE));
    EXPECT_EQ(counter.rects.size(), 1u);
    QApplication::processEvents();
    EXPECT_EQ(counter.rects.size(), 2u);

    bar.UpdateWindow();
    EXPECT_EQ(counter.rects.size(), 3u);
    EXPECT_EQ(counter.rects.back(), bar.rect());
}

TEST(CStatusBar, ShowsPaneTextsAndStatusTipsOverPaneZero) {
    CStatusBar bar;
    bar.SetIndicators(kIndicators, 4, IndicatorText);
    bar.resize(400, bar.sizeHint().height());
    const QImage ready = bar.grab().toImage();
    EXPECT_GT(DarkPixels(ready, TextArea(bar, 0)), 10);  // "Ready"

    bar.SetPaneText(0, "");
    const QImage empty = bar.grab().toImage();
    EXPECT_EQ(DarkPixels(empty, TextArea(bar, 0)), 0);

    bar.showMessage("Display a new full list of servers");
    EXPECT_EQ(bar.GetPaneText(0), "");
    EXPECT_GT(DarkPixels(bar.grab().toImage(), TextArea(bar, 0)), 10);
    bar.clearMessage();
    EXPECT_EQ(bar.grab().toImage(), empty);

    // The indicators show their texts, dimmed: not dark, but not blank either.
    const CRect cap = TextArea(bar, 1);
    EXPECT_EQ(DarkPixels(empty, cap), 0);
    const QRgb face = empty.pixel(cap.left, cap.top);
    int ink = 0;
    for (int y = cap.top; y < cap.bottom; ++y) {
        for (int x = cap.left; x < cap.right; ++x) {
            ink += empty.pixel(x, y) != face ? 1 : 0;
        }
    }
    EXPECT_GT(ink, 5);
}

TEST(CStatusBar, FontFollowsTheWidget) {
    CStatusBar bar;
    bar.SetIndicators(kIndicators, 4, IndicatorText);
    const int smallHeight = bar.sizeHint().height();
    QFont big = bar.font();
    big.setPixelSize(30);
    bar.setFont(big);
    EXPECT_EQ(bar.GetFont()->GetQFont().pixelSize(), 30);
    EXPECT_GT(bar.sizeHint().height(), smallHeight);
    bar.resize(600, bar.sizeHint().height());
    CRect pane;
    bar.GetItemRect(1, &pane);
    EXPECT_GT(pane.Width(), QFontMetrics(big).horizontalAdvance("CAP"));
    EXPECT_GE(pane.Height(), QFontMetrics(big).height());
}

}  // namespace
