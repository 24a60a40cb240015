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

// On collapsed 1.00 the new node stays hidden; on expanded 1.10 it shows below its last row.
TEST_F(ServerGridDemoTest, SampleItemsGoUnderTheRowShownAtOnceOnlyWhenItIsExpanded) {
    for (const auto& [root, shownAt] : {std::pair{0, -1}, {1, 5}}) {
        if (shownAt != -1) {
            m_grid.ExpandNode(Root(root), root);
        }
        m_grid.InsertSampleItems(root, "Zed");
        CGridTreeItem* node = Children(m_grid, Root(root)).back();
        EXPECT_EQ(Line(node), "Zed|I am|now|going to insert|some items");
        EXPECT_EQ(m_grid.RowFromNode(node), shownAt);
        EXPECT_EQ(m_grid.GetNodeImage(node), kTreeImageClosedFolder);
        ASSERT_EQ(m_grid.GetChildCount(node), 9);
        const std::vector<CGridTreeItem*> items = Children(m_grid, node);
        EXPECT_EQ(Line(items[3]).section('|', 0, 1) + "|" + Line(items[3]).section('|', 8),
                  "Item 3|SubItem 0 of Item 3|SubItem 7 of Item 3");
        EXPECT_EQ(m_grid.GetInfo(items[8])->m_mapCellKind, (std::map<int, int>{{7, 1}}));
        EXPECT_EQ(m_grid.GetInfo(items[8])->m_mapCellChoices.at(7),
                  QStringList({"ListItem 0", "ListItem 1", "ListItem 2"}));
        EXPECT_TRUE(GridInvariantsHold(m_grid));
    }
}

// The node text must match exactly; extra texts match sub-texts ignoring ASCII letter case only.
TEST_F(ServerGridDemoTest, SearchNodesFoldsOnlyAsciiLettersOfTheExtraTexts) {
    const std::tuple<QString, QStringList, bool> cases[] = {
        {"Hello World", {"happy", "PROGRAMMING"}, true},
        {"Hello World", {}, true},
        {"hello world", {"Happy"}, false},
        {"Hello World", {"Happy", "Coding"}, false},
        {"Hello World", {"\u00c9T\u00c9"}, true},
        {"Hello World", {"\u00e9t\u00e9"}, false}};
    auto info = std::make_unique<CGridItemInfo>();
    info->m_strText = "Hello World";
    info->m_arrSubTexts = {"Happy", "Programming", "\u00c9t\u00c9"};
    CGridTreeItem* node = m_grid.InsertChildNode(Root(2), info.release(), FALSE);
    for (const auto& [text, extras, found] : cases) {
        EXPECT_EQ(m_grid.SearchNodes(text, extras), found ? node : nullptr)
            << extras.join(',').toStdString();
    }
}

// Cancel keeps the found nodes, OK deletes them; the messages are the same both times.
TEST_F(ServerGridDemoTest, FindDemoFindsSampleNodesAndDeletesThemAfterOk) {
    CGridTreeItem* dm = m_grid.FindGroupNode("1.30", "DM");
    m_grid.ExpandNode(Root(3), 3);
    const std::pair<int, const char*> samples[] = {
        {0, "BC"}, {1, "Mission: Impossible"}, {1, "Training Agent"}, {2, "AB"}, {6, "AB"}};
    for (const auto& [row, name] : samples) {
        m_grid.InsertSampleItems(row, name);
    }
    const std::string ask = "Do you want to delete it";
    const std::vector<std::string> told = {"not found",
                                           "Found Item Mission: Impossible",
                                           "Found ItemTraining Agent",
                                           "Found Item BC",
                                           ask,
                                           "Found Item AB",
                                           ask,
                                           "Found Item AB",
                                           ask,
                                           "not found"};
    for (const QMessageBox::StandardButton answer : {QMessageBox::Cancel, QMessageBox::Ok}) {
        MessageBoxWatcher boxes;
        boxes.answer = answer;
        m_grid.RunFindDemo();
        EXPECT_EQ(boxes.Texts(), told);
        EXPECT_EQ(m_grid.SearchNodes("BC") != nullptr, answer == QMessageBox::Cancel);
        EXPECT_EQ(m_grid.GetChildCount(dm), answer == QMessageBox::Cancel ? 1 : 0);
        EXPECT_TRUE(GridInvariantsHold(m_grid));
    }
}

// Stands in for a printer: records each text with its page, place and right end.
class RecordingDC : public CDC {
public:
    struct Line {
        int page, x, y, right;
        QString text;
    };
    using CDC::CDC;
    BOOL TextOut(int x, int y, const QString& text) override {
        TabbedTextOut(x, y, text, 0);  // the title has no tabs
        return TRUE;
    }
    CSize TabbedTextOut(int x, int y, const QString& text, int nTabOrigin) override {
        lines.push_back({page, x, y, x + GetTabbedTextExtent(text, nTabOrigin - x).cx, text});
        return CSize();
    }
    int EndPage() override { return ++page; }
    int StartPage() override { return 1; }

    std::vector<Line> lines;
    int page = 0;
};

TEST_F(ServerGridDemoTest, PrintTreeWritesEveryNodeAndStartsNewPagesAndLinesAtTheEdges) {
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
    const int h = tm.tmHeight + tm.tmExternalLeading;
    const auto print = [&](int pageLines, int width) {
        QImage page(width, pageLines * h, QImage::Format_RGB32);
        QPainter painter(&page);
        RecordingDC dc(&painter, nullptr);
        m_grid.PrintTree(&dc);
        QStringList texts;
        for (const RecordingDC::Line& line : dc.lines) {
            texts << line.text;
        }
        return std::pair(dc.lines, texts);
    };
    const auto [title, titleText] = print(100, 2000);  // no row selected: the title only
    ASSERT_EQ(titleText, QStringList{"Korvath Servers"});
    EXPECT_EQ(std::pair(title[0].x, title[0].y), std::pair(10, h));

    m_grid.SetItemState(1, LVIS_SELECTED, LVIS_SELECTED);
    const int narrow = 10 + 5 * 8 * tm.tmAveCharWidth;  // the address does not fit
    for (const auto& [pageLines, width] : {std::pair{100, 2000}, {7, 2000}, {100, narrow}}) {
        const auto [lines, texts] = print(pageLines, width);
        for (std::size_t i = 0; i < lines.size(); ++i) {
            const RecordingDC::Line& line = lines[i];
            EXPECT_TRUE(line.x == 10 && line.y + h <= pageLines * h && line.right <= width) << i;
            if (i > 0) {
                const int step = (line.text.startsWith("1.") ? 2 : 1) * h + (i == 1 ? h : 0);
                const bool fits = lines[i - 1].y + step + h <= pageLines * h;
                EXPECT_EQ(line.page, lines[i - 1].page + (fits ? 0 : 1)) << i;
                EXPECT_EQ(line.y, fits ? lines[i - 1].y + step : h) << i;
            }
        }
        ASSERT_FALSE(lines.empty());
        EXPECT_EQ(lines.back().page > 0, pageLines < 100);
        if (width == narrow) {  // more lines, the same fields in the same order
            EXPECT_GT(texts.size(), expected.size());
            EXPECT_EQ(texts.join('\t').split('\t', Qt::SkipEmptyParts),
                      expected.join('\t').split('\t', Qt::SkipEmptyParts));
        } else {
            EXPECT_EQ(texts, expected) << pageLines;
        }
    }
}

}  // namespace
}  // namespace kr::test
