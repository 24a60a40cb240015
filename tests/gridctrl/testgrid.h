#pragma once

// A shown grid with 16 x 16 one-colour images, four columns (tree 200, right-aligned 80, left 80,
// left 80) and named nodes.

#include "gridctrl/gridtreectrl.h"

#include <gtest/gtest.h>

#include <QImage>
#include <QPixmap>
#include <QTest>

#include <map>
#include <string>

namespace kr::test {

constexpr COLORREF kNodeImageColor = RGB(0, 0, 255);  // small image 0
constexpr COLORREF kCellImageColor = RGB(0, 160, 0);  // cell image 1
constexpr COLORREF kTreeLineColor = RGB(192, 192, 192);
constexpr COLORREF kBoxFrameColor = RGB(198, 198, 198);

inline QPixmap Solid(COLORREF c) {
    QPixmap pixmap(16, 16);
    pixmap.fill(QColor(GetRValue(c), GetGValue(c), GetBValue(c)));
    return pixmap;
}

class TestGrid : public CGridTreeCtrl {
public:
    explicit TestGrid(bool withImages = true, int width = 500, int height = 300) {
        m_images.Add(Solid(kNodeImageColor));
        m_imageCells.Add(Solid(RGB(255, 0, 255)));
        m_imageCells.Add(Solid(kCellImageColor));
        if (withImages) {
            SetImageList(&m_images, LVSIL_SMALL);
        }
        m_nIconWidth = m_nIconHeight = 16;
        const int formats[] = {LVCFMT_LEFT, LVCFMT_RIGHT, LVCFMT_LEFT, LVCFMT_LEFT};
        for (int col = 0; col < 4; ++col) {
            InsertColumn(col, QString("c%1").arg(col), formats[col], col == 0 ? 200 : 80);
        }
        resize(width, height);
        show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(this));
    }

    // Nodes written "name" for a root, "name:parent" for a child (its row hidden), in order.
    void AddTree(const QString& nodes) {
        for (const QString& node : nodes.split(' ')) {
            Add(node.section(':', 0, 0).toStdString(), node.section(':', 1).toStdString());
        }
    }
    // Sub-texts "1", name, "x".
    CGridTreeItem* Add(const std::string& name, const std::string& parent = "", BOOL show = 0) {
        auto* info = new CGridItemInfo;
        info->m_strText = QString::fromStdString(name);
        info->m_arrSubTexts = QStringList{"1", name.c_str(), "x"};
        return nodes[name] = parent.empty() ? InsertRootNode(info)
                                            : InsertChildNode(nodes.at(parent), info, show);
    }
    CGridTreeItem* N(const std::string& name) const { return nodes.at(name); }
    int Row(const std::string& name) const { return RowFromNode(N(name)); }
    int Expand(const std::string& name) { return ExpandNode(N(name), Row(name)); }
    CRect Bounds(int row) const {
        CRect rect;
        EXPECT_TRUE(GetItemRect(row, &rect, LVIR_BOUNDS));
        return rect;
    }
    // The column-0 texts of all rows, joined with blanks; and the selected one's.
    std::string Rows() const {
        std::string rows;
        for (int row = 0; row < GetItemCount(); ++row) {
            rows += (row ? " " : "") + GetItemText(row, 0).toStdString();
        }
        return rows;
    }
    std::string Selected() const {
        return GetSelectedRow() == -1 ? "none" : GetItemText(GetSelectedRow(), 0).toStdString();
    }
    QImage Render() { return viewport()->grab().toImage().convertToFormat(QImage::Format_RGB32); }

    using CGridTreeCtrl::m_bDragging;
    CImageList m_images;
    std::map<std::string, CGridTreeItem*> nodes;
};

inline COLORREF PixelAt(const QImage& image, int x, int y) {
    const QRgb p = image.pixel(x, y);
    return RGB(qRed(p), qGreen(p), qBlue(p));
}

}  // namespace kr::test
