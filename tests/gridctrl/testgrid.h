// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// A shown grid with 16 x 16 one-colour images, four columns (tree 200, right-aligned 80, left 80,
// left 80) and named nodes; and a grid in a window of its own that records in-place edits.

#include "gridctrl/gridcelledit.h"
#include "gridctrl/gridtreectrl.h"
#include "tests/support/gridinvariants.h"
#include "tests/support/mousegestures.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QImage>
#include <QPixmap>
#include <QTest>

#include <initializer_list>
#include <map>
#include <memory>
#include <string>
#include <vector>

namespace kr::test {

constexpr COLORREF kNodeImageColor = RGB(0, 0, 255);  // small image 0
constexpr COLORREF kCellImageColor = RGB(0, 160, 0);  // cell image 1
constexpr COLORREF kTreeLineColor = RGB(192, 192, 192);
constexpr COLORREF kBoxFrameColor = RGB(198, 198, 198);

// Row data with the texts; the grid that takes it frees it.
inline CGridItemInfo* NewInfo(const QString& text, const QStringList& subTexts) {
    auto* info = new CGridItemInfo;
    info->m_strText = text;
    info->m_arrSubTexts = subTexts;
    return info;
}

inline COLORREF PixelAt(const QImage& image, int x, int y) {
    const QRgb p = image.pixel(x, y);
    return RGB(qRed(p), qGreen(p), qBlue(p));
}

// How many pixels of the rectangle have the colour.
inline int CountPixels(const QImage& image, const CRect& rect, COLORREF color) {
    int n = 0;
    for (int x = rect.left; x < rect.right; ++x) {
        for (int y = rect.top; y < rect.bottom; ++y) {
            n += PixelAt(image, x, y) == color;
        }
    }
    return n;
}

// The rows agree with the tree, drawing is on and no wait cursor is left behind.
inline testing::AssertionResult Settled(const CGridTreeCtrl& grid) {
    if (!grid.viewport()->updatesEnabled() || QApplication::overrideCursor() != nullptr) {
        return testing::AssertionFailure() << "drawing is off or a wait cursor is left";
    }
    return GridInvariantsHold(grid);
}

class TestGrid : public CGridTreeCtrl {
public:
    explicit TestGrid(int width = 500, int height = 300, QWidget* parent = nullptr)
        : CGridTreeCtrl(parent) {
        for (const COLORREF c : {kNodeImageColor, RGB(255, 0, 255), kCellImageColor}) {
            QPixmap image(16, 16);
            image.fill(QColor(GetRValue(c), GetGValue(c), GetBValue(c)));
            (c == kNodeImageColor ? m_images : m_imageCells).Add(image);
        }
        SetImageList(&m_images, LVSIL_SMALL);
        m_nIconWidth = m_nIconHeight = 16;
        const int formats[] = {LVCFMT_LEFT, LVCFMT_RIGHT, LVCFMT_LEFT, LVCFMT_LEFT};
        for (int col = 0; col < 4; ++col) {
            InsertColumn(col, QString("c%1").arg(col), formats[col], col == 0 ? 200 : 80);
        }
        resize(width, height);
        window()->resize(width, height);
        window()->show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(window()));
    }

    // Nodes written "name" for a root, "name:parent" for a child (its row hidden), in order.
    void AddTree(const QString& nodes) {
        for (const QString& node : nodes.split(' ')) {
            Add(node.section(':', 0, 0).toStdString(), node.section(':', 1).toStdString());
        }
    }
    // Sub-texts "1", name, "x".
    CGridTreeItem* Add(const std::string& name, const std::string& parent = "", BOOL show = 0) {
        auto* info = NewInfo(QString::fromStdString(name), {"1", name.c_str(), "x"});
        return nodes[name] = parent.empty() ? InsertRootNode(info)
                                            : InsertChildNode(nodes.at(parent), info, show);
    }
    CGridTreeItem* N(const std::string& name) const { return nodes.at(name); }
    int Row(const std::string& name) const { return RowFromNode(N(name)); }
    void Expand(std::initializer_list<const char*> names) {
        for (const char* name : names) {
            ExpandNode(N(name), Row(name));
        }
    }
    void Select(const std::string& name) {
        SetItemState(Row(name), LVIS_SELECTED | LVIS_FOCUSED, LVIS_SELECTED | LVIS_FOCUSED);
    }
    CRect Bounds(int row) const {
        CRect rect;
        EXPECT_TRUE(GetItemRect(row, &rect, LVIR_BOUNDS));
        return rect;
    }
    QPoint At(const std::string& name) const { return Bounds(Row(name)).ToQRect().center(); }
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
    void Move(QPoint to) { MoveMouse(viewport(), to); }

    using CGridTreeCtrl::m_bDragging;
    CImageList m_images;
    std::map<std::string, CGridTreeItem*> nodes;
};

// A TestGrid in an active window of its own (editors report to the grid's parent) with the nodes
// R1 (A, B) and R2, R1 expanded; it records every end-of-edit report that comes back.
class EditGrid : public TestGrid {
public:
    explicit EditGrid(int width = 500, QWidget* window = new QWidget)
        : TestGrid(width, 300, window), m_window(window) {
        AddTree("R1 A:R1 B:R1 R2");
        Expand({"R1"});
        m_window->activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(m_window.get()));
    }
    ~EditGrid() override { setParent(nullptr); }
    BOOL OnChildNotify(NMHDR* pNMHDR, LRESULT* pResult) override {
        reports.push_back(*reinterpret_cast<NMLVDISPINFO*>(pNMHDR));
        return TestGrid::OnChildNotify(pNMHDR, pResult);
    }
    // The open edit box (ended ones stay hidden until deleted); null when none.
    CGridCellEdit* Open() const {
        for (CGridCellEdit* edit : viewport()->findChildren<CGridCellEdit*>()) {
            if (edit->isVisible()) {
                return edit;
            }
        }
        return nullptr;
    }
    // Clicks the cell and returns the box that opened.
    CGridCellEdit* Edit(int row, int col) {
        CRect cell;
        GetSubItemRect(row, col, LVIR_BOUNDS, cell);
        QTest::mouseClick(viewport(), Qt::LeftButton, {}, cell.ToQRect().center());
        return Open();
    }

    std::vector<NMLVDISPINFO> reports;

private:
    std::unique_ptr<QWidget> m_window;
};

}  // namespace kr::test
