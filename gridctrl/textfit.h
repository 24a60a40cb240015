#pragma once

#include <QString>

class CDC;

// A text as it fits into a cell: the text itself, or a shortened copy ending in "...".
struct FittedText {
    QString text;
    bool bShortened = false;
};

// Fits text into width pixels that also have to hold offset pixels of margins. measure(s) gives
// the width of s in pixels.
//  - An empty text, or one whose width plus offset is at most width, comes back unchanged; it is
//    measured once.
//  - Otherwise characters are removed from the end, measuring the rest after each removal, until
//    the rest plus the width of "..." plus offset is less than width, or one character is left;
//    the result is the rest followed by "...". So the shortest result is the first character and
//    "...", even when that does not fit either.
// Cost: one measure when the text fits, else two plus one per removed character.
template <typename Measure>
FittedText FitTextToWidthBy(const Measure& measure, const QString& text, int width, int offset) {
    if (text.isEmpty() || measure(text) + offset <= width) {
        return FittedText{text, false};
    }
    const QString ellipsis = QStringLiteral("...");
    const int reserved = measure(ellipsis) + offset;
    QString rest = text;
    while (rest.size() > 1) {
        rest.chop(1);
        if (measure(rest) + reserved < width) {
            break;
        }
    }
    return FittedText{rest + ellipsis, true};
}

// As above, measured with the context's selected font (GetTextExtent).
FittedText FitTextToWidth(const CDC& dc, const QString& text, int width, int offset);
