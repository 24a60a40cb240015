// The server grid printed as text, one line per node, over as many pages as it takes.

#include "serverlist/servergrid.h"

#include "platform/qt/dc.h"

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
    int y = 3 * h;
    if (GetSelectedRow() == -1) {
        return;
    }
    // A line that would pass the page's bottom begins the next page, unless it is the first of
    // its page (a page lower than two lines still gets one line each). A device without pages
    // just goes on downwards.
    const auto writeLine = [&](const QString& line) {
        if (y + h > pageBottom && y > h && pDC->EndPage() > 0) {
            pDC->StartPage();
            y = h;
        }
        pDC->TabbedTextOut(kPrintLeft, y, line, 0);
        y += h;
    };
    for (CGridTreeItem* node : PreOrderNodes()) {
        if (node->m_pParent == nullptr) {
            y += h;  // a blank line before each root's block
        }
        // The text and each sub-text, each followed by a tab. A sub-text that would pass the
        // page's right edge goes, with the rest, onto a continuation line one tab stop in; only a
        // single field wider than the page is cut there.
        const CGridItemInfo* info = GetInfo(node);
        QString line = info->m_strText + '\t';
        bool bHolding = !info->m_strText.isEmpty();
        for (const QString& sub : info->m_arrSubTexts) {
            const int right = kPrintLeft + pDC->GetTabbedTextExtent(line + sub, -kPrintLeft).cx;
            if (bHolding && pageRight > 0 && right > pageRight) {
                writeLine(line);
                line = "\t";
                bHolding = false;
            }
            line += sub + '\t';
            bHolding = bHolding || !sub.isEmpty();
        }
        writeLine(line);
    }
}
