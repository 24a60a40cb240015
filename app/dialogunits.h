// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QFont>
#include <QRect>

// Converts dialog-template coordinates (dialog units) to pixels with the metrics of the
// template's font: one horizontal unit is a quarter of the font's average character width,
// one vertical unit an eighth of its height.
class DialogUnits {
public:
    explicit DialogUnits(const QFont& font);

    int BaseWidth() const { return m_baseWidth; }
    int BaseHeight() const { return m_baseHeight; }
    QRect ToPixels(int x, int y, int cx, int cy) const;

private:
    int m_baseWidth;
    int m_baseHeight;
};
