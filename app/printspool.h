// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/qt/dc.h"

#include <QString>

#include <span>
#include <vector>

// A device context over a printer's painter that keeps the texts written to it, page by page,
// instead of drawing them, so that a print job can put out some of its pages, in any order and
// as often as it needs. It measures and tells the page size like any CDC over that painter, and
// has pages when the painter's device has. Play then draws the pages asked for, each on a sheet
// of its own. UI thread only; holds every text written until it goes.
class CPrintSpool : public CDC {
public:
    // painter: begun on the printer, not null.
    explicit CPrintSpool(QPainter* painter);

    BOOL TextOut(int x, int y, const QString& text) override;
    CSize TabbedTextOut(int x, int y, const QString& text, int nTabOrigin,
                        std::span<const int> tabStops = {}) override;
    int EndPage() override;
    int StartPage() override;

    int GetPageCount() const { return static_cast<int>(m_pages.size()); }
    // Draws the pages (indexes from 0 below GetPageCount) in the order given, a new sheet before
    // each but the first. Cost O(texts of the pages drawn).
    void Play(const std::vector<int>& pages);

private:
    struct Text {
        int x;
        int y;
        QString text;
        bool bTabbed;
        int nTabOrigin;
        std::vector<int> tabStops;
    };

    std::vector<std::vector<Text>> m_pages{1};
    bool m_bPaged;
    bool m_bPageEnded = false;
};

// The pages a job puts out, as indexes from 0 of the pageCount pages laid out: pages from to to
// (counted from 1 as the print dialog gives them; to = 0 for all the pages, and to is cut to the
// last page, so a range that starts past it gives none), each copies times. Collated, the whole
// range follows itself copies times (1 2 1 2); else each page is repeated in place (1 1 2 2).
std::vector<int> PrintedPageOrder(int pageCount, int from, int to, int copies, bool bCollate);
