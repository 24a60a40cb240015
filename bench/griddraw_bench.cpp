// Painting the grid: one full screen of rows (40 rows, 9 columns, server-like texts, two groups
// expanded, one row selected with its focus cell and drop-down button), and one horizontal scroll
// step with its repaint. The grid is shown on the offscreen platform and painted synchronously
// into its backing store, as on screen.

#include "gridctrl/gridtreectrl.h"

#include <QApplication>
#include <QPainter>
#include <QPixmap>
#include <QScrollBar>

#include <benchmark/benchmark.h>

#include <cstdlib>
#include <memory>

namespace {

constexpr int kRowsPerScreen = 40;

// 16 x 16 images with a transparent border, as the masked image strips give.
QPixmap Image(QColor color) {
    QPixmap pixmap(16, 16);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.fillRect(2, 2, 12, 12, color);
    return pixmap;
}

class BenchGrid : public CGridTreeCtrl {
public:
    BenchGrid() {
        for (const QColor color : {QColor(Qt::darkBlue), QColor(Qt::darkGreen)}) {
            m_images.Add(Image(color));
            m_imageCells.Add(Image(color));
        }
        SetImageList(&m_images, LVSIL_SMALL);
        m_nIconWidth = m_nIconHeight = 16;
        struct Column {
            const char* heading;
            int format;
            int width;
        };
        const Column columns[] = {{"Version", LVCFMT_LEFT, 120}, {"Ping", LVCFMT_RIGHT, 50},
                                  {"Name", LVCFMT_LEFT, 220},    {"Map", LVCFMT_LEFT, 100},
                                  {"Players", LVCFMT_RIGHT, 60}, {"Mod", LVCFMT_LEFT, 80},
                                  {"Private", LVCFMT_LEFT, 60},  {"Dedicated", LVCFMT_LEFT, 70},
                                  {"Address", LVCFMT_LEFT, 140}};
        for (int col = 0; col < 9; ++col) {
            InsertColumn(col, columns[col].heading, columns[col].format, columns[col].width);
        }
        for (int version = 0; version < 5; ++version) {
            CGridTreeItem* root =
                InsertRootNode(Info(QString("1.%1").arg(version * 10, 2, 10, QChar('0'))));
            for (const char* type : {"VLD", "TDM", "DM"}) {
                CGridTreeItem* group = InsertChildNode(root, Info(type), FALSE);
                for (int i = 0; i < 25; ++i) {
                    InsertChildNode(group, Server(i), FALSE);
                }
            }
        }
        // 1.00 with VLD and TDM open: more rows than one screen.
        CGridTreeItem* first = NodeFromRow(0);
        ExpandNode(first, 0);
        ExpandNode(NodeFromRow(1), 1);
        ExpandNode(NodeFromRow(27), 27);
        SetItemState(5, LVIS_SELECTED | LVIS_FOCUSED, LVIS_SELECTED | LVIS_FOCUSED);
        m_nFocusColumn = 2;
    }

    static CGridItemInfo* Info(const QString& text) {
        auto* info = new CGridItemInfo;
        info->m_strText = text;
        info->m_arrSubTexts = QStringList{" "};
        return info;
    }
    static CGridItemInfo* Server(int i) {
        auto* info = new CGridItemInfo;
        info->m_arrSubTexts = QStringList{QString::number(20 + i * 7),
                                          QString("Korvath server number %1 - all maps").arg(i),
                                          "Frozen Crater",
                                          QString("%1/16").arg(i % 17),
                                          "classic",
                                          "",
                                          "",
                                          QString("127.0.0.1:%1").arg(27000 + i)};
        info->m_mapCellImage[5] = i % 2;
        info->m_mapCellImage[6] = 1;
        info->m_mapCellKind[2] = kCellKindDropDown;
        return info;
    }

    void DrawItem(DRAWITEMSTRUCT* pDrawItem) override {
        ++m_nDrawn;
        CGridTreeCtrl::DrawItem(pDrawItem);
    }

    CImageList m_images;
    int m_nDrawn = 0;
};

std::unique_ptr<BenchGrid> MakeGrid() {
    auto grid = std::make_unique<BenchGrid>();
    grid->resize(800, 100);
    grid->show();
    // Exactly one screen of rows in the viewport.
    const int extra = grid->height() - grid->viewport()->height();
    grid->resize(800, extra + kRowsPerScreen * grid->GetRowHeight());
    QApplication::processEvents();
    grid->m_nDrawn = 0;
    grid->viewport()->repaint();
    if (grid->m_nDrawn != kRowsPerScreen) {
        std::abort();  // the figures would not be for one screen
    }
    return grid;
}

void BM_PaintOneScreen(benchmark::State& state) {
    auto grid = MakeGrid();
    grid->m_nDrawn = 0;
    for (auto _ : state) {
        grid->viewport()->repaint();
    }
    state.counters["rows"] =
        benchmark::Counter(static_cast<double>(grid->m_nDrawn), benchmark::Counter::kAvgIterations);
}
BENCHMARK(BM_PaintOneScreen)->Unit(benchmark::kMicrosecond);

// One step of the horizontal scroll bar's arrow, alternately right and left, and the repaint.
void BM_HorizontalScrollStep(benchmark::State& state) {
    auto grid = MakeGrid();
    QScrollBar* bar = grid->horizontalScrollBar();
    bool right = true;
    for (auto _ : state) {
        bar->triggerAction(right ? QAbstractSlider::SliderSingleStepAdd
                                 : QAbstractSlider::SliderSingleStepSub);
        grid->viewport()->repaint();
        right = !right;
    }
}
BENCHMARK(BM_HorizontalScrollStep)->Unit(benchmark::kMicrosecond);

}  // namespace

// Widgets need a QApplication; without a display they use the offscreen platform.
int main(int argc, char** argv) {
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
