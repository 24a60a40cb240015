// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/qt/statusbar.h"
#include "platform/qt/statusbar_accessible.h"

#include "tests/support/rendering.h"

#include <gtest/gtest.h>

#include <QAccessible>
#include <QTest>

#include <span>

namespace {

const int kIndicators[] = {0, 59137, 59138, 59139};

// The main window's panes: message, two count panes that fit their texts, the indicators.
const int kWindowPanes[] = {0, 0, 0, 59137, 59138, 59139};

struct Bar : CStatusBar {
    explicit Bar(std::span<const int> ids = kIndicators) {
        SetIndicators(ids.data(), static_cast<int>(ids.size()), [](int id) -> QString {
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
        before.push_back(bar.Pane(i));  // overlaps and widths: the window's panes' test below
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

// Each pane with a width has room for its text and no two overlap; the count panes keep their
// width however narrow the bar, the indicators give way when they do not fit.
TEST(CStatusBar, PanesFitTheirTextsAndNeverOverlap) {
    Bar bar(kWindowPanes);
    bar.SetPaneText(1, "14 of 120 answered");
    bar.SetPaneText(2, "14 of 120 servers shown");
    const QFontMetrics metrics(bar.font());
    for (const int width : {980, 500, 200}) {  // the indicators fit in the first two only
        bar.resize(width, bar.height());
        EXPECT_GE(bar.Pane(0).Width(), 0) << width;  // too narrow: none, never a negative one
        for (int i = 1; i < bar.GetCount(); ++i) {
            const CRect pane = bar.Pane(i), left = bar.Pane(i - 1);
            EXPECT_EQ(pane.Width() == 0, i > 2 && width == 200) << width << " " << i;
            EXPECT_TRUE(pane.Width() == 0 ||
                        pane.Width() > metrics.horizontalAdvance(bar.GetPaneText(i)));
            EXPECT_TRUE(pane.IsRectEmpty() || left.IsRectEmpty() || pane.left >= left.right);
        }
    }
    bar.SetPaneText(2, "");  // no filter: the pane takes no room
    EXPECT_EQ(bar.Pane(2).Width(), 0);
}

std::vector<std::pair<int, QString>> g_events;  // (child, its name) of each name change

void RecordNameChange(QAccessibleEvent* event) {
    if (event->type() == QAccessible::NameChanged) {
        g_events.emplace_back(event->child(),
                              event->accessibleInterface()->text(QAccessible::Name));
    }
}

// Assistive technology reads every pane's text, and hears pane 0 change (only when it does).
TEST(CStatusBar, OffersEachPaneTextAndAnnouncesPaneZero) {
    Bar bar(kWindowPanes);
    bar.SetPaneText(2, "14 of 120 servers shown");
    QAccessibleInterface* face = QAccessible::queryAccessibleInterface(&bar);
    ASSERT_NE(face, nullptr);
    EXPECT_EQ(face->role(), QAccessible::StatusBar);
    for (int i = 0; i < bar.GetCount(); ++i) {
        QAccessibleInterface* pane = face->child(i);
        ASSERT_NE(pane, nullptr);
        EXPECT_EQ(pane->text(QAccessible::Name), bar.GetPaneText(i)) << i;
        EXPECT_EQ(face->indexOfChild(pane), i);
    }
    g_events.clear();
    const StatusBarEventSink previous = SetStatusBarEventSink(RecordNameChange);
    bar.SetPaneText(0, "Contacting Master Server");
    bar.SetPaneText(0, "Contacting Master Server");
    bar.SetPaneText(1, "15 of 120 answered");
    SetStatusBarEventSink(previous);
    EXPECT_EQ(g_events, (std::vector<std::pair<int, QString>>{{0, "Contacting Master Server"}}));
}

}  // namespace
