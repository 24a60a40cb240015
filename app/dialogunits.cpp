// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/dialogunits.h"

#include <QFontMetrics>

namespace {
const char kAlphabet[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz";
}

DialogUnits::DialogUnits(const QFont& font) {
    const QFontMetrics metrics(font);
    // The average width of the 52 letters, rounded to the nearest pixel.
    m_baseWidth = (metrics.horizontalAdvance(QString::fromLatin1(kAlphabet)) / 26 + 1) / 2;
    m_baseHeight = metrics.height();
}

QRect DialogUnits::ToPixels(int x, int y, int cx, int cy) const {
    const auto toX = [this](int units) { return units * m_baseWidth / 4; };
    const auto toY = [this](int units) { return units * m_baseHeight / 8; };
    return QRect(toX(x), toY(y), toX(cx), toY(cy));
}
