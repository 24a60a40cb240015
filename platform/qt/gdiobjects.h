// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/qt/wintypes.h"

#include <QColor>
#include <QFont>

// The drawing objects a CDC selects: pens, brushes and fonts, as plain values. A CDC keeps a
// pointer to the selected object, so an object must outlive its selection.

QColor ToQColor(COLORREF c);
COLORREF FromQColor(const QColor& c);

// A solid pen: colour and width in pixels (0 counts as 1).
class CPen {
public:
    CPen() = default;
    CPen(int style, int width, COLORREF color) { CreatePen(style, width, color); }
    // Only PS_SOLID is drawn; other styles are refused (FALSE).
    BOOL CreatePen(int style, int width, COLORREF color);

    COLORREF GetColor() const { return m_color; }
    int GetWidth() const { return m_width; }

private:
    COLORREF m_color = RGB(0, 0, 0);
    int m_width = 1;
};

// A solid brush.
class CBrush {
public:
    CBrush() = default;
    explicit CBrush(COLORREF color) : m_color(color) {}
    BOOL CreateSolidBrush(COLORREF color);

    COLORREF GetColor() const { return m_color; }

private:
    COLORREF m_color = RGB(255, 255, 255);
};

// A font; a thin holder of a QFont so it can be selected like the other objects.
class CFont {
public:
    CFont() = default;
    explicit CFont(const QFont& font) : m_font(font) {}

    const QFont& GetQFont() const { return m_font; }
    void SetQFont(const QFont& font) { m_font = font; }

private:
    QFont m_font;
};
