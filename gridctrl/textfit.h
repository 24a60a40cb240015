// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

class CDC;

// A text as it fits into a cell: the text itself, or a shortened copy ending in an ellipsis
// ("..." on the screen).
struct FittedText {
    QString text;
    bool bShortened = false;
};

// Fits text into width pixels that also have to hold offset pixels of margins. measure(s) gives
// the width of s in pixels.
//  - An empty text, or one whose width plus offset is at most width, comes back unchanged; it is
//    measured once.
//  - Otherwise the result is the longest rest of the text, shorter than the text, whose width
//    plus the width of the ellipsis plus offset is less than width, followed by the ellipsis; the
//    first character and the ellipsis when no rest fits (even when that does not fit either). That
//    is the rest that removing one character at a time from the end would stop at, but found by
//    halving the range of lengths (the width of a rest grows with its length), so a cell holding a
//    very long text paints at once.
// Cost: one measure when the text fits, else about two plus log2(length) measures.
template <typename Measure>
FittedText FitTextToWidthBy(const Measure& measure, const QString& text, int width, int offset,
                            const QString& ellipsis = QStringLiteral("...")) {
    if (text.isEmpty() || measure(text) + offset <= width) {
        return FittedText{text, false};
    }
    const int reserved = measure(ellipsis) + offset;
    qsizetype fits = 1;  // the longest rest known to fit; the first character at least
    qsizetype low = 2;
    qsizetype high = text.size() - 1;
    while (low <= high) {
        const qsizetype length = low + (high - low) / 2;
        if (measure(text.left(length)) + reserved < width) {
            fits = length;
            low = length + 1;
        } else {
            high = length - 1;
        }
    }
    return FittedText{text.left(fits) + ellipsis, true};
}

// As above, measured with the context's selected font (GetTextExtent).
FittedText FitTextToWidth(const CDC& dc, const QString& text, int width, int offset,
                          const QString& ellipsis = QStringLiteral("..."));
