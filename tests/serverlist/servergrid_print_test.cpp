// SPDX-License-Identifier: GPL-3.0-or-later
// The server grid printed as text.

#include "platform/qt/dc.h"
#include "serverlist/servergrid.h"
#include "tests/serverlist/servergridtesting.h"

#include <QImage>

#include <gtest/gtest.h>

namespace kr::test {
namespace {

// Stands in for a printer: records each line and where each of its tab-separated fields begins
// and ends, and checks that every line starts at x = 10 and its fields end within the page.
class RecordingDC : public CDC {
public:
    using CDC::CDC;
    BOOL TextOut(int x, int y, const QString& text) override {
        TabbedTextOut(x, y, text, x);  // the title has no tabs
        return TRUE;
    }
    CSize TabbedTextOut(int x, int, const QString& text, int nTabOrigin,
                        std::span<const int> tabStops = {}) override {
        texts << text;
        QString before;
        spans.emplace_back();
        for (const QString& field : text.split('\t')) {
            const int left = x + GetTabbedTextExtent(before, nTabOrigin - x, tabStops).cx;
            spans.back().emplace_back(left, left + GetTextExtent(field).cx);
            EXPECT_TRUE(x == 10 && (field.isEmpty() || spans.back().back().second <= right))
                << text.toStdString();
            before += field + '\t';
        }
        return CSize();
    }

    QStringList texts;
    std::vector<std::vector<std::pair<int, int>>> spans;  // per line, per field: left, right
    int right = 0;
};

// The non-empty fields of the lines, in order; a field cut with "…" stands for the one it begins.
void ExpectSameFields(const QStringList& lines, const QStringList& expected) {
    const QStringList got = lines.join('\t').split('\t', Qt::SkipEmptyParts);
    const QStringList want = expected.join('\t').split('\t', Qt::SkipEmptyParts);
    ASSERT_EQ(got.size(), want.size()) << lines.join('\n').toStdString();
    for (qsizetype i = 0; i < got.size(); ++i) {
        EXPECT_TRUE(got[i] == want[i] ||
                    (got[i].endsWith(u'…') && want[i].startsWith(got[i].chopped(1))))
            << got[i].toStdString() << " for " << want[i].toStdString();
    }
}

// Without a selected row only the title; with one, the headings and every node, one line each,
// each field at its column's stop (the column widths scaled by the device's DPI over the
// screen's) and a field too long for its column cut with "…"; a field that would pass the right
// edge goes onto a new line. (The pages: the browser's printing to a file.)
TEST(ServerGridPrint, PrintTreeWritesEveryNodeWithFieldsAtTheColumnStops) {
    PreparedGrid grid;
    const QString longName(60, 'W');
    AddServerRow(MakeRecord("1.10", "DM", "7", longName.toStdString()), &grid);
    QStringList expected = {"Korvath Servers", "\tPing\tServer\tMap\tPlayers\tMod\t\t\tIp:Port\t"};
    for (const QString version : {"1.00", "1.10", "1.20", "1.30", "1.40"}) {
        expected += {version + "\t \t", "VLD\t", "TDM\t", "DM\t"};
        if (version == "1.10") {
            expected += "\t7\t" + longName + "\tmap\t 3/16\tmod\t\t\t127.0.0.1:27001\t";
        }
    }
    std::vector<int> stops = {10};  // at 192 DPI: twice the screen's 96
    for (int col = 0; col < grid.GetColumnCount(); ++col) {
        stops.push_back(stops.back() + 2 * grid.GetColumnWidth(col));
    }
    const int narrow = 400;  // each field fits, a whole server line does not
    for (const auto& [selected, width] : {std::pair{false, 4000}, {true, 4000}, {true, narrow}}) {
        grid.SetItemState(1, selected ? LVIS_SELECTED : 0, LVIS_SELECTED);
        QImage page(width, 4000, QImage::Format_RGB32);
        if (width != narrow) {
            page.setDotsPerMeterX(7559);  // 192 DPI
        }
        QPainter painter(&page);
        RecordingDC dc(&painter, nullptr);
        dc.right = width;
        grid.PrintTree(&dc);
        if (!selected) {
            EXPECT_EQ(dc.texts, QStringList{"Korvath Servers"});
            continue;
        }
        ExpectSameFields(dc.texts, expected);
        if (width == narrow) {
            EXPECT_GT(dc.texts.size(), expected.size());
            continue;
        }
        ASSERT_EQ(dc.texts.size(), expected.size());
        EXPECT_EQ(dc.texts[1], expected[1]);
        EXPECT_TRUE(dc.texts[10].startsWith("\t7\tWWW") && !dc.texts[10].contains(longName));
        for (std::size_t line = 1; line < dc.spans.size(); ++line) {
            for (std::size_t field = 0; field < std::min(dc.spans[line].size(), stops.size() - 1);
                 ++field) {
                const auto [left, right] = dc.spans[line][field];
                EXPECT_TRUE(left == stops[field] && right < stops[field + 1])
                    << dc.texts[line].toStdString() << " field " << field;
            }
        }
    }
    // A hidden column's field and stop are left out: Players takes Map's stop.
    grid.ShowColumn(3, false);
    QImage page(4000, 4000, QImage::Format_RGB32);
    page.setDotsPerMeterX(7559);
    QPainter painter(&page);
    RecordingDC dc(&painter, nullptr);
    dc.right = 4000;
    grid.PrintTree(&dc);
    EXPECT_EQ(dc.texts[1], "\tPing\tServer\tPlayers\tMod\t\t\tIp:Port\t");
    EXPECT_TRUE(dc.texts[10].endsWith("\t 3/16\tmod\t\t\t127.0.0.1:27001\t") &&
                dc.spans[10][3].first == stops[3]);
}

}  // namespace
}  // namespace kr::test
