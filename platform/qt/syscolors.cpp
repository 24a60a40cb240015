// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/qt/syscolors.h"

#include "platform/qt/gdiobjects.h"

#include <QApplication>
#include <QPalette>
#include <QStyle>
#include <QWidget>

COLORREF GetSysColor(int index, const QWidget* widget) {
    const QPalette palette = widget != nullptr ? widget->palette() : QApplication::palette();
    switch (index) {
        case COLOR_WINDOW:
            return FromQColor(palette.color(QPalette::Active, QPalette::Base));
        case COLOR_WINDOWTEXT:
            return FromQColor(palette.color(QPalette::Active, QPalette::Text));
        case COLOR_HIGHLIGHT:
            return FromQColor(palette.color(QPalette::Active, QPalette::Highlight));
        case COLOR_HIGHLIGHTTEXT:
            return FromQColor(palette.color(QPalette::Active, QPalette::HighlightedText));
        case COLOR_BTNFACE:
            return FromQColor(palette.color(QPalette::Active, QPalette::Button));
        case COLOR_GRAYTEXT:
            return FromQColor(palette.color(QPalette::Disabled, QPalette::Text));
        default:
            return RGB(0, 0, 0);
    }
}

COLORREF BlendColors(COLORREF from, COLORREF to, int weight) {
    const auto mix = [weight](int a, int b) {
        return a + ((b - a) * weight + (b > a ? 127 : -127)) / 255;
    };
    return RGB(mix(GetRValue(from), GetRValue(to)), mix(GetGValue(from), GetGValue(to)),
               mix(GetBValue(from), GetBValue(to)));
}

int GetSystemMetrics(int index) {
    if (index == SM_CXVSCROLL) {
        return QApplication::style()->pixelMetric(QStyle::PM_ScrollBarExtent);
    }
    return 0;
}
