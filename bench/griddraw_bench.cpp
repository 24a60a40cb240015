// SPDX-License-Identifier: GPL-3.0-or-later
// Painting the grid on the offscreen platform, synchronously into its backing store: one full
// screen of rows (40 rows, 9 columns, server-like texts, two groups expanded, one row selected
// with its focus cell and drop-down button), and one horizontal scroll step with its repaint.

#include "gridctrl/gridtreectrl.h"

#include <QApplication>
#include <QPainter>
#include <QPixmap>
#include <QScrollBar>

#include <benchmark/benchmark.h>

#include <cstdlib>

namespace {

constexpr int kRowsPerScreen = 40;

class BenchGrid : public CGridTreeCtrl {
public:
    BenchGrid() {
        for (const QColor color : {QColor(Qt::darkBlue), QColor(Qt::darkGreen)}) {
            QPixmap pixmap(16, 16);  // a transparent border, as the masked image strips give
            pixmap.fill(Qt::transparent);
            QPainter(&pixmap).fillRect(2, 2, 12, 12, color);
            m_images.Add(pixmap);
            m_imageCells.Add(pixmap);
        }
        SetImageList(&m_images, LVSIL_SMALL);
        m_nIconWidth = m_nIconHeight = 16;
        const int widths[] = {120, 50, 220, 100, 60, 80, 60, 70, 140};
        for (int col = 0; col < 9; ++col) {  // ping and players right-aligned
            InsertColumn(col, "", col == 1 || col == 4 ? LVCFMT_RIGHT : LVCFMT_LEFT, widths[col]);
        }
        for (int version = 0; version < 5; ++version) {
            CGridTreeItem* root = InsertRootNode(Info(QString("1.%1").arg(version * 10), {" "}));
            for (const char* type : {"VLD", "TDM", "DM"}) {
                CGridTreeItem* group = InsertChildNode(root, Info(type, {" "}), FALSE);
                for (int i = 0; i < 25; ++i) {
                    CGridItemInfo* info = Info(
                        "", {QString::number(20 + i * 7),
                             QString("Korvath server number %1").arg(i), "Frozen Crater",
                             QString("%1/16").arg(i % 17), "classic", "", "", "127.0.0.1:27000"});
                    info->m_mapCellImage[5] = i % 2;
                    info->m_mapCellImage[6] = 1;
                    info->m_mapCellKind[2] = kCellKindDropDown;
                    InsertChildNode(group, info, FALSE);
                }
            }
        }
        for (const int row : {0, 1, 27}) {  // 1.00 with VLD and TDM open: more than one screen
            ExpandNode(NodeFromRow(row), row);
        }
        SetItemState(5, LVIS_SELECTED | LVIS_FOCUSED, LVIS_SELECTED | LVIS_FOCUSED);
        m_nFocusColumn = 2;
        resize(800, 100);
        show();
        resize(800, height() - viewport()->height() + kRowsPerScreen * GetRowHeight());
        QApplication::processEvents();
        m_nDrawn = 0;
        viewport()->repaint();
        if (m_nDrawn != kRowsPerScreen) {
            std::abort();  // the figures would not be for one screen
        }
    }
    static CGridItemInfo* Info(const QString& text, const QStringList& subTexts) {
        auto* info = new CGridItemInfo;
        info->m_strText = text;
        info->m_arrSubTexts = subTexts;
        return info;
    }
    void DrawItem(DRAWITEMSTRUCT* pDrawItem) override {
        ++m_nDrawn;
        CGridTreeCtrl::DrawItem(pDrawItem);
    }
    CImageList m_images;
    int m_nDrawn = 0;
};

// Argument 0: repaint one screen. 1: one step of the horizontal scroll bar's arrow, alternately
// right and left, and the repaint.
void BM_Paint(benchmark::State& state) {
    BenchGrid grid;
    QScrollBar* bar = grid.horizontalScrollBar();
    bool right = true;
    for (auto _ : state) {
        if (state.range(0) == 1) {
            bar->triggerAction(right ? QAbstractSlider::SliderSingleStepAdd
                                     : QAbstractSlider::SliderSingleStepSub);
            right = !right;
        }
        grid.viewport()->repaint();
    }
}
BENCHMARK(BM_Paint)->ArgName("scroll_step")->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond);

}  // namespace
