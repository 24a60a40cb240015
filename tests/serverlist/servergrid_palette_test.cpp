// SPDX-License-Identifier: GPL-3.0-or-later
// The grid in the desktop's colours: a dark palette keeps every text readable.

#include "serverlist/servergrid.h"

#include "tests/serverlist/servergridtesting.h"

#include <QApplication>
#include <QPalette>
#include <QTest>

#include <gtest/gtest.h>

#include <cmath>
#include <map>

namespace {

using namespace kr::test;

double Luminance(QRgb c) {
    const auto channel = [](int v) {
        const double s = v / 255.0;
        return s <= 0.03928 ? s / 12.92 : std::pow((s + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * channel(qRed(c)) + 0.7152 * channel(qGreen(c)) + 0.0722 * channel(qBlue(c));
}

// The contrast of the cell's most distinct pixel against its most common one (its background).
double CellContrast(const QImage& cell) {
    std::map<QRgb, int> counts;
    for (int y = 0; y < cell.height(); ++y) {
        for (int x = 0; x < cell.width(); ++x) {
            ++counts[cell.pixel(x, y)];
        }
    }
    const QRgb background = std::max_element(counts.begin(), counts.end(), [](auto& a, auto& b) {
                                return a.second < b.second;
                            })->first;
    double best = 1.0;
    for (const auto& entry : counts) {
        const double a = Luminance(entry.first) + 0.05, b = Luminance(background) + 0.05;
        best = std::max(best, std::max(a, b) / std::min(a, b));
    }
    return best;
}

// Group rows, plain and private servers and the selected row with its focused cell, in a dark
// palette: every cell with a text holds a pixel at 4.5:1 or more against its background, and no
// pixel but in the images and the selected row's texts is white (an expand box in the light
// palette's colours would be). The drag image leaves the window colour transparent.
TEST(ServerGridPalette, DarkPaletteKeepsEveryTextReadable) {
    const QPalette light = QApplication::palette();
    PreparedGrid grid;
    for (int n = 0; n < 3; ++n) {
        ServerRecord record = MakeRecord("1.20", "DM", std::to_string(20 + n), "[EU] Anvil");
        record.m_private = n == 1;
        AddServerRow(record, &grid);
    }
    for (const char* group : {"*", "DM"}) {
        CGridTreeItem* node = grid.FindGroupNode("1.20", group);
        grid.ExpandNode(node, grid.RowFromNode(node));
    }
    grid.SetItemState(6, LVIS_SELECTED | LVIS_FOCUSED, LVIS_SELECTED | LVIS_FOCUSED);
    grid.m_nFocusColumn = 2;
    grid.resize(900, 300);
    grid.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&grid));
    QPalette dark;
    const std::pair<QPalette::ColorRole, QColor> roles[] = {
        {QPalette::Window, QColor(53, 53, 53)},     {QPalette::WindowText, Qt::white},
        {QPalette::Base, QColor(30, 30, 30)},       {QPalette::Text, QColor(230, 230, 230)},
        {QPalette::Button, QColor(53, 53, 53)},     {QPalette::ButtonText, Qt::white},
        {QPalette::Highlight, QColor(30, 90, 160)}, {QPalette::HighlightedText, Qt::white},
        {QPalette::Midlight, QColor(70, 70, 70)}};
    for (const auto& [role, colour] : roles) {
        dark.setColor(role, colour);
    }
    QApplication::setPalette(dark);  // a change: the grid takes its colours anew
    QCoreApplication::processEvents();
    const QImage image = grid.viewport()->grab().toImage();
    int texts = 0;
    int white = 0;
    for (int row = 0; row < grid.GetItemCount(); ++row) {
        CRect cell, icon;
        grid.GetItemRect(row, &icon, LVIR_ICON);
        for (int col = 0; col < grid.GetColumnCount(); ++col) {
            col == 0 ? grid.GetItemRect(row, &cell, LVIR_BOUNDS)
                     : grid.GetSubItemRect(row, col, LVIR_BOUNDS, cell);
            for (int y = cell.top; y < cell.bottom && row != 6; ++y) {
                for (int x = cell.left; x < cell.right; ++x) {
                    white += !icon.PtInRect(CPoint(x, y)) && image.pixel(x, y) == 0xFFFFFFFF;
                }
            }
            if (col == 0) {
                grid.GetItemRect(row, &cell, LVIR_LABEL);
            }
            cell.DeflateRect(1, 1);  // not the grid lines
            if (!grid.GetItemText(row, col).trimmed().isEmpty()) {
                ++texts;
                EXPECT_GE(CellContrast(image.copy(cell.ToQRect())), 4.5) << row << "," << col;
            }
        }
    }
    EXPECT_TRUE(texts > 20 && white == 0) << texts << " " << white;
    const std::unique_ptr<CImageList> drag = grid.CGridTreeCtrl::CreateDragImage(6);
    ASSERT_NE(drag, nullptr);
    const QImage dragged = drag->GetImage(0).toImage();
    EXPECT_EQ(qAlpha(dragged.pixel(dragged.width() - 1, dragged.height() - 1)), 0);
    QApplication::setPalette(light);
}

}  // namespace
