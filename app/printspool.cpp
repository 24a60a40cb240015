// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/printspool.h"

#include <QPagedPaintDevice>

#include <algorithm>
#include <utility>

CPrintSpool::CPrintSpool(QPainter* painter)
    : CDC(painter, nullptr),
      m_bPaged(dynamic_cast<QPagedPaintDevice*>(painter->device()) != nullptr) {}

BOOL CPrintSpool::TextOut(int x, int y, const QString& text) {
    m_pages.back().push_back(Text{x, y, text, false, 0, {}});
    return TRUE;
}

CSize CPrintSpool::TabbedTextOut(int x, int y, const QString& text, int nTabOrigin,
                                 std::span<const int> tabStops) {
    m_pages.back().push_back(
        Text{x, y, text, true, nTabOrigin, std::vector<int>(tabStops.begin(), tabStops.end())});
    return GetTabbedTextExtent(text, nTabOrigin - x, tabStops);
}

int CPrintSpool::EndPage() {
    m_bPageEnded = m_bPaged;
    return m_bPaged ? 1 : 0;
}

int CPrintSpool::StartPage() {
    if (std::exchange(m_bPageEnded, false)) {
        m_pages.emplace_back();
    }
    return m_bPaged ? 1 : 0;
}

void CPrintSpool::Play(const std::vector<int>& pages) {
    for (std::size_t n = 0; n < pages.size(); ++n) {
        if (n > 0) {
            CDC::EndPage();
            CDC::StartPage();
        }
        for (const Text& text : m_pages.at(static_cast<std::size_t>(pages[n]))) {
            if (text.bTabbed) {
                CDC::TabbedTextOut(text.x, text.y, text.text, text.nTabOrigin, text.tabStops);
            } else {
                CDC::TextOut(text.x, text.y, text.text);
            }
        }
    }
}

std::vector<int> PrintedPageOrder(int pageCount, int from, int to, int copies, bool bCollate) {
    const int first = std::max(from, 1) - 1;
    const int end = to > 0 ? std::min(to, pageCount) : pageCount;
    copies = std::max(copies, 1);
    std::vector<int> order;
    for (int round = 0; round < (bCollate ? copies : 1); ++round) {
        for (int page = first; page < end; ++page) {
            order.insert(order.end(), static_cast<std::size_t>(bCollate ? 1 : copies), page);
        }
    }
    return order;
}
