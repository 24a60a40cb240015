// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/qt/gdiobjects.h"

QColor ToQColor(COLORREF c) {
    return QColor(GetRValue(c), GetGValue(c), GetBValue(c));
}

COLORREF FromQColor(const QColor& c) {
    return RGB(c.red(), c.green(), c.blue());
}

BOOL CPen::CreatePen(int style, int width, COLORREF color) {
    if (style != PS_SOLID) {
        return FALSE;
    }
    m_width = width < 1 ? 1 : width;
    m_color = color;
    return TRUE;
}

BOOL CBrush::CreateSolidBrush(COLORREF color) {
    m_color = color;
    return TRUE;
}
