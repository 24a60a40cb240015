// The server grid printed as text.

#include "platform/qt/dc.h"
#include "serverlist/servergrid.h"
#include "tests/serverlist/servergridtesting.h"

#include <QImage>

#include <gtest/gtest.h>

namespace kr::test {
namespace {

// Stands in for a printer: records each text with its left and right ends.
class RecordingDC : public CDC {
public:
    using CDC::CDC;
    BOOL TextOut(int x, int y, const QString& text) override {
        TabbedTextOut(x, y, text, 0);  // the title has no tabs
        return TRUE;
    }
    CSize TabbedTextOut(int x, int, const QString& text, int nTabOrigin) override {
        texts << text;
        EXPECT_TRUE(x == 10 && x + GetTabbedTextExtent(text, nTabOrigin - x).cx <= right)
            << text.toStdString();
        return CSize();
    }

    QStringList texts;
    int right = 0;
};

// Without a selected row only the title; with one, every node, one line each; a field that would
// pass the right edge goes onto a new line. (The pages: the browser's printing to a file.)
TEST(ServerGridPrint, PrintTreeWritesEveryNodeAndStartsNewLinesAtTheRightEdge) {
    CServerGrid grid;
    ASSERT_TRUE(grid.Create(nullptr, 256));
    grid.PrepareGrid();
    AddServerRow(MakeRecord("1.10", "DM", "7", "x"), &grid);
    QStringList expected = {"Korvath Servers"};
    for (const QString version : {"1.00", "1.10", "1.20", "1.30", "1.40"}) {
        expected += {version + "\t \t", "VLD\t", "TDM\t", "DM\t"};
        if (version == "1.10") {
            expected += "\t7\tx\tmap\t 3/16\tmod\t\t\t127.0.0.1:27001\t";
        }
    }
    QImage probe(1, 1, QImage::Format_RGB32);
    QPainter probing(&probe);
    TEXTMETRIC tm;
    CDC(&probing, nullptr).GetTextMetrics(&tm);
    const int narrow = 10 + 5 * 8 * tm.tmAveCharWidth;  // the address does not fit
    for (const auto& [selected, width] : {std::pair{false, 2000}, {true, 2000}, {true, narrow}}) {
        grid.SetItemState(1, selected ? LVIS_SELECTED : 0, LVIS_SELECTED);
        QImage page(width, 2000, QImage::Format_RGB32);
        QPainter painter(&page);
        RecordingDC dc(&painter, nullptr);
        dc.right = width;
        grid.PrintTree(&dc);
        if (!selected) {
            EXPECT_EQ(dc.texts, QStringList{"Korvath Servers"});
        } else if (width == narrow) {  // more lines, the same fields in the same order
            EXPECT_GT(dc.texts.size(), expected.size());
            EXPECT_EQ(dc.texts.join('\t').split('\t', Qt::SkipEmptyParts),
                      expected.join('\t').split('\t', Qt::SkipEmptyParts));
        } else {
            EXPECT_EQ(dc.texts, expected);
        }
    }
}

}  // namespace
}  // namespace kr::test
