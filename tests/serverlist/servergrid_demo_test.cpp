// The server grid's demonstration operations: sample subtree, searches, find demo, printing.

#include "platform/qt/dc.h"
#include "serverlist/servergrid.h"
#include "tests/serverlist/servergridtesting.h"
#include "tests/support/gridinvariants.h"
#include "tests/support/modalwatcher.h"

#include <QImage>

#include <gtest/gtest.h>

namespace kr::test {
namespace {

class ServerGridDemoTest : public testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(m_grid.Create(nullptr, 256));
        m_grid.PrepareGrid();
    }
    CGridTreeItem* Root(int n) { return Roots(m_grid).at(n); }
    QString Line(CGridTreeItem* node) {
        return (QStringList{m_grid.GetInfo(node)->m_strText} + m_grid.GetInfo(node)->m_arrSubTexts)
            .join('|');
    }

    CServerGrid m_grid;
};

// Under an expanded row the new node shows at once below its last row, its nine items below it
// once expanded.
TEST_F(ServerGridDemoTest, SampleItemsUnderAnExpandedRowAreShownAtOnce) {
    m_grid.ExpandNode(Root(1), 1);
    m_grid.InsertSampleItems(1, "Zed");
    CGridTreeItem* node = Children(m_grid, Root(1)).back();
    EXPECT_EQ(Line(node), "Zed|I am|now|going to insert|some items");
    ASSERT_EQ(m_grid.RowFromNode(node), 5);
    EXPECT_EQ(m_grid.GetNodeImage(node), kTreeImageClosedFolder);
    m_grid.ExpandNode(node, 5);
    EXPECT_EQ(m_grid.GetNodeImage(node), kTreeImageOpenFolder);
    EXPECT_EQ(m_grid.GetItemCount(), 18);
    EXPECT_EQ(m_grid.GetItemText(14, 1), "SubItem 0 of Item 8");
    EXPECT_TRUE(GridInvariantsHold(m_grid));
}

// Cancel keeps the found nodes, OK deletes them; the messages are the same both times. Extra
// texts match sub-texts but for the letter case.
TEST_F(ServerGridDemoTest, FindDemoFindsSampleNodesAndDeletesThemAfterOk) {
    CGridTreeItem* dm = m_grid.FindGroupNode("1.30", "DM");
    m_grid.ExpandNode(Root(3), 3);
    const std::pair<int, const char*> samples[] = {
        {0, "BC"}, {1, "Mission: Impossible"}, {1, "Training Agent"}, {2, "AB"}, {6, "AB"}};
    for (const auto& [row, name] : samples) {
        m_grid.InsertSampleItems(row, name);
    }
    auto hello = std::make_unique<CGridItemInfo>();  // its extra texts but for ASCII letter case
    hello->m_strText = "Hello World";
    hello->m_arrSubTexts = {"HAPPY", "programming"};
    m_grid.InsertChildNode(Root(2), hello.release(), FALSE);
    const std::string told =
        "Found Item Hello World|Found Item Mission: Impossible|Found ItemTraining Agent|Found Item "
        "BC|Do you "
        "want to delete it|Found Item AB|Do you want to delete it|Found Item AB|Do you want to "
        "delete it|not found|";
    for (const QMessageBox::StandardButton answer : {QMessageBox::Cancel, QMessageBox::Ok}) {
        MessageBoxWatcher boxes;
        boxes.answer = answer;
        m_grid.RunFindDemo();
        std::string texts;
        for (const std::string& text : boxes.Texts()) {
            texts += text + "|";
        }
        EXPECT_EQ(texts, told);
        EXPECT_EQ(m_grid.SearchNodes("BC") != nullptr, answer == QMessageBox::Cancel);
        EXPECT_EQ(m_grid.GetChildCount(dm), answer == QMessageBox::Cancel ? 1 : 0);
        EXPECT_TRUE(GridInvariantsHold(m_grid));
    }
}

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
TEST_F(ServerGridDemoTest, PrintTreeWritesEveryNodeAndStartsNewLinesAtTheRightEdge) {
    AddServerRow(MakeRecord("1.10", "DM", "7", "x"), &m_grid);
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
        m_grid.SetItemState(1, selected ? LVIS_SELECTED : 0, LVIS_SELECTED);
        QImage page(width, 2000, QImage::Format_RGB32);
        QPainter painter(&page);
        RecordingDC dc(&painter, nullptr);
        dc.right = width;
        m_grid.PrintTree(&dc);
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
