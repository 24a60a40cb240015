// SPDX-License-Identifier: GPL-3.0-or-later
// Dropping a dragged subtree of 10,000 nodes (a node with 99 children of 100 children each) on
// another root of a shown grid: the whole gesture with real mouse events on the offscreen
// platform, from the press to the release that copies the subtree through CloneInfo, deletes the
// original and repaints once. The subtree goes back and forth between two roots.

#include "gridctrl/gridtreectrl.h"

#include <QApplication>
#include <QMouseEvent>

#include <benchmark/benchmark.h>

#include <cstdlib>

namespace {

class BenchGrid : public CGridTreeCtrl {
public:
    BenchGrid() {
        QPixmap image(16, 16);
        image.fill(Qt::darkBlue);
        m_images.Add(image);
        SetImageList(&m_images, LVSIL_SMALL);
        m_nIconWidth = m_nIconHeight = 16;
        InsertColumn(0, "", LVCFMT_LEFT, 200);
        InsertColumn(1, "", LVCFMT_LEFT, 100);
        CGridTreeItem* first = InsertRootNode(nullptr);
        InsertRootNode(nullptr);
        CGridTreeItem* top = InsertChildNode(first, nullptr, TRUE);
        for (int i = 0; i < 99; ++i) {
            CGridTreeItem* child = InsertChildNode(top, nullptr, FALSE);
            for (int j = 0; j < 100; ++j) {
                InsertChildNode(child, nullptr, FALSE);
            }
        }
        resize(400, 300);
        show();
        QApplication::processEvents();
    }
    void Send(QEvent::Type type, QPoint at, Qt::MouseButton button, Qt::MouseButtons buttons) {
        QMouseEvent event(type, at, viewport()->mapToGlobal(at), button, buttons, Qt::NoModifier);
        QApplication::sendEvent(viewport(), &event);
    }
    QPoint RowPoint(int row) const {
        CRect bounds;
        GetItemRect(row, &bounds, LVIR_BOUNDS);
        return QPoint(150, bounds.top + bounds.Height() / 2);
    }
    CImageList m_images;
};

// The subtree's top sits below one root (row 1 or, after a drop on the second root, row 2); it is
// dragged onto the other root.
void BM_DropSubtree(benchmark::State& state) {
    BenchGrid grid;
    bool onFirst = true;
    for (auto _ : state) {
        const int source = onFirst ? 1 : 2;
        const int target = onFirst ? 2 : 0;
        const QPoint from = grid.RowPoint(source);
        const QPoint to = grid.RowPoint(target);
        grid.Send(QEvent::MouseButtonPress, from, Qt::LeftButton, Qt::LeftButton);
        grid.Send(QEvent::MouseMove, from + QPoint(20, 0), Qt::NoButton, Qt::LeftButton);
        grid.Send(QEvent::MouseMove, to, Qt::NoButton, Qt::LeftButton);
        grid.Send(QEvent::MouseButtonRelease, to, Qt::LeftButton, Qt::NoButton);
        onFirst = !onFirst;
    }
    if (grid.GetItemCount() != 3) {
        std::abort();  // the drops did not happen: the figures would mean nothing
    }
    state.counters["nodes"] = 10000;
}
BENCHMARK(BM_DropSubtree)->Unit(benchmark::kMillisecond);

}  // namespace
