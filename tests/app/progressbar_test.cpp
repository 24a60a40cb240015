#include "app/progressbar.h"

#include "app/stringtable.h"
#include "platform/qt/ctrlid.h"
#include "platform/qt/mainwindow.h"
#include "platform/qt/statusbar.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QFontMetrics>
#include <QMainWindow>
#include <QTest>

#include <atomic>
#include <memory>
#include <thread>

namespace {

const int kIndicators[] = {0, 59137, 59138, 59139};

// Counts the moves and resizes a widget receives.
class MoveCounter : public QObject {
public:
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::Move || event->type() == QEvent::Resize) {
            ++moves;
        }
        return false;
    }
    int moves = 0;
};

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
    // Gives the status bar a height that makes its panes paneHeight pixels high.
    void SetPaneHeight(int paneHeight) {
        statusBar->setFixedHeight(statusBar->height() + paneHeight - Pane(0).Height());
        QApplication::processEvents();
        ASSERT_EQ(Pane(0).Height(), paneHeight);
    }
    int TextWidth(const QString& text) const {
        return QFontMetrics(statusBar->font()).horizontalAdvance(text);
    }

    QMainWindow frame;
    CStatusBar* statusBar = nullptr;
};

TEST_F(ProgressBarTest, PlacesTheBarRightOfTheLabelOverItsShare) {
    SetPaneHeight(20);
    const QString wide(300, 'W');
    ASSERT_GT(TextWidth(wide), Pane(0).Width());
    struct Case {
        QString label;
        int percent;
        int pane;
    };
    const Case cases[] = {
        {"", 100, 0},
        {"", 0, 0},
        {"", 40, 1},
        {"150 server(s)", 40, 0},
        {"150 server(s)", 100, 0},
        {"150 server(s)", 0, 0},
        {wide, 40, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.label.left(20).toStdString() + " " + std::to_string(c.percent) + "% pane " +
                     std::to_string(c.pane));
        const CRect pane = Pane(c.pane);
        CProgressBar bar(c.label, c.percent, 10, true, c.pane);
        ASSERT_TRUE(bar.IsCreated());
        EXPECT_EQ(bar.parentWidget(), statusBar);
        EXPECT_EQ(GetDlgCtrlID(&bar), CProgressBar::kControlId);
        EXPECT_EQ(statusBar->GetPaneText(c.pane), c.label);
        const CRect placed(bar.geometry());
        // Inset 20 / 10 = 2 at top and bottom.
        EXPECT_EQ(placed.top, pane.top + 2);
        EXPECT_EQ(placed.bottom, pane.bottom - 2);
        // Label, then two margins of two blanks each.
        const int left =
            c.label.isEmpty() ? pane.left : pane.left + TextWidth(c.label) + 4 * TextWidth(" ");
        EXPECT_EQ(placed.left, left);
        if (c.percent == 100) {
            EXPECT_EQ(placed.right, pane.right);
        } else if (c.percent == 0 || left >= pane.right) {
            EXPECT_EQ(placed.right, left);  // no width, never a negative one
        } else {
            // 40 per cent of the space, the 60 per cent cut off truncated toward zero.
            EXPECT_EQ(placed.right, pane.right - (pane.right - left) * 60 / 100);
            EXPECT_GT(placed.Width(), 0);
        }
    }
}

TEST_F(ProgressBarTest, InsetIsATenthOfThePaneHeight) {
    for (const auto& [height, inset] : {std::pair{9, 0}, {10, 1}, {20, 2}, {29, 2}}) {
        SetPaneHeight(height);
        CProgressBar bar("", 100, 10, false, 0);
        EXPECT_EQ(CRect(bar.geometry()).top, Pane(0).top + inset) << height;
        EXPECT_EQ(bar.geometry().height(), height - 2 * inset) << height;
    }
}

TEST_F(ProgressBarTest, MovesOnlyWhenThePaneChanged) {
    CProgressBar bar("7 server(s)", 40, 7, true, 0);
    QApplication::processEvents();
    MoveCounter counter;
    bar.installEventFilter(&counter);
    EXPECT_TRUE(bar.FitToPane());
    bar.repaint();  // a repaint places the bar too
    QApplication::processEvents();
    EXPECT_EQ(counter.moves, 0);

    // The pane grows with the window; the bar follows it.
    const CRect before(bar.geometry());
    frame.resize(frame.width() + 100, frame.height());
    QApplication::processEvents();
    EXPECT_GT(counter.moves, 0);
    const CRect after(bar.geometry());
    EXPECT_EQ(after.left, before.left);
    EXPECT_EQ(after.right, Pane(0).right - (Pane(0).right - after.left) * 60 / 100);
    EXPECT_GT(after.right, before.right);
}

TEST_F(ProgressBarTest, GivesThePaneItsTextBack) {
    statusBar->SetPaneText(0, "Contacting Master Server");
    statusBar->SetPaneText(1, "before");
    {
        CProgressBar bar("3 server(s)", 40, 3, true, 0);
        EXPECT_EQ(statusBar->GetPaneText(0), "3 server(s)");
    }
    EXPECT_EQ(statusBar->GetPaneText(0), "Ready");
    {
        CProgressBar bar("busy", 40, 3, true, 1);
        EXPECT_EQ(statusBar->GetPaneText(1), "busy");
    }
    EXPECT_EQ(statusBar->GetPaneText(1), "before");

    // RestorePaneText by hand hides the bar; the label is no longer written into the pane.
    CProgressBar bar("label", 40, 3, true, 1);
    bar.RestorePaneText();
    EXPECT_TRUE(bar.isHidden());
    EXPECT_TRUE(bar.FitToPane());
    EXPECT_EQ(statusBar->GetPaneText(1), "before");
}

TEST_F(ProgressBarTest, StepsAndShowsAsTold) {
    CProgressBar bar("5 server(s)", 40, 5, true, 0);
    EXPECT_EQ(bar.minimum(), 0);
    EXPECT_EQ(bar.maximum(), 5);
    EXPECT_EQ(bar.value(), 0);
    EXPECT_FALSE(bar.isHidden());
    EXPECT_FALSE(bar.isTextVisible());
    for (int i = 0; i < 5; ++i) {
        EXPECT_EQ(bar.StepIt(), i);
    }
    EXPECT_EQ(bar.value(), 5);
    EXPECT_EQ(bar.StepIt(), 5);  // past the top it starts over
    EXPECT_GE(bar.value(), 0);
    EXPECT_LT(bar.value(), 5);

    bar.hide();
    EXPECT_TRUE(bar.SetRange(0, 2, 2));  // keeps the bar hidden, pulls the position in
    EXPECT_TRUE(bar.isHidden());
    EXPECT_LE(bar.value(), 2);
    EXPECT_EQ(bar.SetStep(1), 2);  // shows it
    EXPECT_FALSE(bar.isHidden());
    bar.hide();
    const int pos = bar.value();
    EXPECT_EQ(bar.StepIt(), pos);
    EXPECT_FALSE(bar.isHidden());
}

TEST_F(ProgressBarTest, StepItFromAWorkerRunsOnTheUserInterfaceThread) {
    CProgressBar bar("50 server(s)", 40, 50, true, 0);
    std::atomic<bool> done{false};
    std::atomic<int> lastPrevious{-1};
    std::thread worker([&] {
        for (int i = 0; i < 50; ++i) {
            lastPrevious = bar.StepIt();
        }
        done = true;
    });
    for (int spins = 0; !done && spins < 30000; ++spins) {
        QApplication::processEvents(QEventLoop::AllEvents, 10);
    }
    worker.join();
    EXPECT_EQ(bar.value(), 50);
    EXPECT_EQ(lastPrevious, 49);
}

TEST_F(ProgressBarTest, WithoutAStatusBarNothingIsCreated) {
    auto expectInert = [this](CProgressBar& bar) {
        EXPECT_FALSE(bar.IsCreated());
        EXPECT_EQ(bar.StepIt(), 0);
        EXPECT_EQ(bar.SetStep(3), 0);
        EXPECT_FALSE(bar.SetRange(0, 4, 1));
        EXPECT_FALSE(bar.FitToPane());
        EXPECT_TRUE(bar.isHidden());
        EXPECT_EQ(statusBar->GetPaneText(0), "untouched");
    };
    statusBar->SetPaneText(0, "untouched");

    AfxSetMainWnd(nullptr);
    {
        CProgressBar bar;
        EXPECT_FALSE(bar.Create("x", 40, 3, true, 0));
        expectInert(bar);
    }
    // A window that is not a main window and has no child with the status bar's id.
    QWidget plain;
    QWidget child(&plain);
    SetDlgCtrlID(&child, 59393);  // right id, but not a status bar
    AfxSetMainWnd(&plain);
    {
        CProgressBar bar("x", 40, 3, true, 0);
        expectInert(bar);
    }
    // A main window whose status bar is an ordinary one; and one with none (none is made).
    QMainWindow ordinary;
    ordinary.setStatusBar(new QStatusBar);
    QMainWindow bare;
    for (QWidget* window : {static_cast<QWidget*>(&ordinary), static_cast<QWidget*>(&bare)}) {
        AfxSetMainWnd(window);
        CProgressBar bar("x", 40, 3, true, 0);
        expectInert(bar);
    }
    EXPECT_TRUE(bare.findChildren<QStatusBar*>().isEmpty());
    EXPECT_EQ(statusBar->GetPaneText(0), "untouched");
}

TEST_F(ProgressBarTest, FindsAStatusBarByIdBelowAnotherWindow) {
    QWidget window;
    QWidget panel(&window);
    auto* bar = new CStatusBar(&panel);
    bar->SetIndicators(kIndicators, 4, LoadResourceString);
    AfxSetMainWnd(&window);
    EXPECT_EQ(CProgressBar::FindStatusBar(), bar);
    SetDlgCtrlID(bar, 7);
    EXPECT_EQ(CProgressBar::FindStatusBar(), nullptr);
    AfxSetMainWnd(&frame);
    EXPECT_EQ(CProgressBar::FindStatusBar(), statusBar);
}

TEST_F(ProgressBarTest, OutlivingItsStatusBarIsSafe) {
    auto window = std::make_unique<QMainWindow>();
    auto* ownBar = new CStatusBar;
    ownBar->SetIndicators(kIndicators, 4, LoadResourceString);
    window->setStatusBar(ownBar);
    AfxSetMainWnd(window.get());
    CProgressBar bar("9 server(s)", 40, 9, true, 0);
    ASSERT_TRUE(bar.IsCreated());
    window.reset();  // the status bar goes first; the bar must not go with it
    EXPECT_FALSE(bar.IsCreated());
    EXPECT_EQ(bar.parentWidget(), nullptr);
    EXPECT_EQ(bar.StepIt(), 0);
}

}  // namespace
