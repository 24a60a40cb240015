// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/progressbar.h"

#include "app/stringtable.h"
#include "platform/qt/mainwindow.h"
#include "platform/qt/statusbar.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QMainWindow>
#include <QTest>

#include <algorithm>
#include <memory>

namespace {

const int kIndicators[] = {0, 59137, 59138, 59139};

class ProgressBarTest : public ::testing::Test {
protected:
    void SetUp() override {
        statusBar = new CStatusBar;
        statusBar->SetIndicators(kIndicators, 4, LoadResourceString);
        frame.setStatusBar(statusBar);
        frame.resize(640, 300);
        frame.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&frame));
        AfxSetMainWnd(&frame);
    }
    void TearDown() override { AfxSetMainWnd(nullptr); }

    CRect Pane(int pane) const {
        CRect rect;
        statusBar->GetItemRect(pane, &rect);
        return rect;
    }

    QMainWindow frame;
    CStatusBar* statusBar = nullptr;
};

// Inset from the pane by a tenth of its height; from the left the label, then two margins of two
// blanks each; over the share of the rest, with no width at 0 per cent or without room (never a
// negative one). When the status bar widens, the bar follows its pane. Pane 0 gets "Ready" back,
// another pane the text it had; once hidden, the bar no longer writes its label into the pane.
TEST_F(ProgressBarTest, PlacesTheBarRightOfTheLabelOverItsShare) {
    const QString wide(300, 'W');  // wider than the pane
    const QString count = "150 server(s)";
    const struct {
        QString label;
        int percent, pane, height, inset;
    } cases[] = {{"", 0, 0, 9, 0}, {count, 40, 1, 29, 2}, {wide, 100, 0, 10, 1}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.label.left(15).toStdString() + " " + std::to_string(c.percent));
        statusBar->setFixedHeight(statusBar->height() + c.height - Pane(0).Height());
        QApplication::processEvents();
        ASSERT_EQ(Pane(0).Height(), c.height);
        statusBar->SetPaneText(c.pane, "before");
        CProgressBar bar(c.label, c.percent, 10, true, c.pane);
        ASSERT_TRUE(bar.IsCreated() && bar.parentWidget() == statusBar);
        EXPECT_EQ(statusBar->GetPaneText(c.pane), c.label);
        for (const int grow : {0, 50}) {
            frame.resize(frame.width() + grow, frame.height());
            QApplication::processEvents();
            const CRect pane = Pane(c.pane);
            const QFontMetrics metrics(statusBar->font());
            const int left =
                pane.left + (c.label.isEmpty() ? 0
                                               : metrics.horizontalAdvance(c.label) +
                                                     4 * metrics.horizontalAdvance(" "));
            const int right =
                std::max(left, pane.right - (pane.right - left) * (100 - c.percent) / 100);
            EXPECT_EQ(CRect(bar.geometry()),
                      CRect(left, pane.top + c.inset, right, pane.bottom - c.inset));
        }
        bar.RestorePaneText();
        EXPECT_TRUE(bar.isHidden() && bar.FitToPane());
        EXPECT_EQ(statusBar->GetPaneText(c.pane), c.pane == 0 ? "Ready" : "before");
    }
}

TEST_F(ProgressBarTest, WithoutAStatusBarNothingHappensAndOutlivingOneIsSafe) {
    statusBar->SetPaneText(0, "untouched");
    QMainWindow bare;  // none at all, and none may be made
    for (QWidget* window : {static_cast<QWidget*>(nullptr), static_cast<QWidget*>(&bare)}) {
        AfxSetMainWnd(window);
        CProgressBar bar;
        EXPECT_FALSE(bar.Create("x", 40, 3, true, 0) || bar.SetRange(0, 4, 1) || bar.FitToPane());
        EXPECT_TRUE(bar.StepIt() == 0 && bar.isHidden());
    }
    EXPECT_TRUE(bare.findChildren<QStatusBar*>().isEmpty());
    EXPECT_EQ(statusBar->GetPaneText(0), "untouched");

    // A status bar that goes first does not take the bar with it.
    auto window = std::make_unique<QMainWindow>();
    window->setStatusBar(new CStatusBar);
    AfxSetMainWnd(window.get());
    CProgressBar bar("9 server(s)", 40, 9, true, 0);
    ASSERT_TRUE(bar.IsCreated());
    window.reset();
    EXPECT_TRUE(!bar.IsCreated() && bar.StepIt() == 0);
}

}  // namespace
