// SPDX-License-Identifier: GPL-3.0-or-later
// The server grid printed as text, one line per node, over as many pages as it takes.

#include "serverlist/servergrid.h"

#include "gridctrl/textfit.h"
#include "platform/qt/dc.h"

#include <algorithm>
#include <vector>

namespace {

constexpr int kPrintLeft = 10;
const char* const kPrintTitle = "Korvath Servers";

}  // namespace

void CServerGrid::PrintTree(CDC* pDC) {
    TEXTMETRIC metrics;
    pDC->GetTextMetrics(&metrics);
    const int h = metrics.tmHeight + metrics.tmExternalLeading;
    const int pageBottom = pDC->GetDeviceCaps(VERTRES);
    const int pageRight = pDC->GetDeviceCaps(HORZRES);
    pDC->TextOut(kPrintLeft, h, kPrintTitle);
    int y = 2 * h;
    if (GetSelectedRow() == -1) {
        return;
    }
    // The shown columns are printed, in order; a hidden one's field is left out.
    std::vector<int> shown;
    for (int col = 0; col < GetColumnCount(); ++col) {
        if (IsColumnShown(col)) {
            shown.push_back(col);
        }
    }
    const auto shownFields = [&](const QStringList& all) {
        QStringList fields;
        for (const int col : shown) {
            if (col < all.size()) {
                fields << all[col];
            }
        }
        return fields + all.mid(GetColumnCount());
    };
    // Where each column's field ends, from kPrintLeft: the grid's column widths, screen pixels
    // scaled to the device's, each column at least one unit wide so that every tab lands on a
    // stop of its own. A field keeps a space clear before the next column.
    std::vector<int> cellEnds;
    const int deviceDpi = pDC->GetDeviceCaps(LOGPIXELSX);
    const int screenDpi = std::max(1, logicalDpiX());
    int screenEnd = 0;
    for (const int col : shown) {
        screenEnd += GetColumnWidth(col);
        const int end = (screenEnd * deviceDpi + screenDpi / 2) / screenDpi;
        cellEnds.push_back(std::max(end, cellEnds.empty() ? 1 : cellEnds.back() + 1));
    }
    const auto columns = static_cast<qsizetype>(cellEnds.size());
    const int gap = std::max(1, pDC->GetTextExtent(" ").cx);

    // A line that would pass the page's bottom begins the next page, unless it is the first of
    // its page (a page lower than two lines still gets one line each). A device without pages
    // just goes on downwards.
    const auto writeLine = [&](const QString& line, const std::vector<int>& stops) {
        if (y + h > pageBottom && y > h && pDC->EndPage() > 0) {
            pDC->StartPage();
            y = h;
        }
        pDC->TabbedTextOut(kPrintLeft, y, line, kPrintLeft, stops);
        y += h;
    };
    // The fields, each followed by a tab, each at its column's stop and cut with "…" before it
    // would come within a space of the next (left empty when not even "…" fits). A field that
    // would pass the page's right edge goes, with the rest, onto a continuation line that begins
    // one column in; only a single field wider than the page is cut there. Fields past the last
    // column follow at the default tab stops.
    const auto writeFields = [&](const QStringList& fields) {
        QString line;
        std::vector<int> stops;
        int shift = 0;  // how far left a continuation line's fields are moved
        bool bHolding = false;
        for (qsizetype i = 0; i < fields.size(); ++i) {
            QString field = fields[i];
            if (i < columns) {
                const int width = cellEnds[i] - (i == 0 ? 0 : cellEnds[i - 1]);
                field = FitTextToWidth(*pDC, field, width, gap, QStringLiteral("…")).text;
                if (pDC->GetTextExtent(field).cx + gap > width) {
                    field.clear();
                }
            }
            const int right = kPrintLeft + pDC->GetTabbedTextExtent(line + field, 0, stops).cx;
            if (bHolding && pageRight > 0 && right > pageRight) {
                writeLine(line, stops);
                line = "\t";
                stops.clear();
                if (i < columns) {
                    shift = cellEnds[i - 1] - cellEnds[0];
                    stops.push_back(cellEnds[0]);
                }
                bHolding = false;
            }
            line += field + '\t';
            if (i < columns) {
                stops.push_back(cellEnds[i] - shift);
            }
            bHolding = bHolding || !field.isEmpty();
        }
        writeLine(line, stops);
    };

    QStringList headings;
    for (int col = 0; col < GetColumnCount(); ++col) {
        LVCOLUMN column;
        GetColumn(col, &column);
        headings << column.pszText;
    }
    writeFields(shownFields(headings));
    for (CGridTreeItem* node : PreOrderNodes()) {
        if (node->m_pParent == nullptr) {
            y += h;  // a blank line before each root's block
        }
        const CGridItemInfo* info = GetInfo(node);
        writeFields(shownFields(QStringList{info->m_strText} + info->m_arrSubTexts.toList()));
    }
}
