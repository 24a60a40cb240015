// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Painting through a CDC into an image, and reading back what changed. Header-only: the support
// library is also built without Qt, and only the widget test programs include this.

#include "platform/qt/dc.h"

#include <QImage>
#include <QPainter>

#include <functional>
#include <set>
#include <utility>
#include <vector>

namespace kr::test {

using Pixels = std::set<std::pair<int, int>>;
constexpr QRgb kWhite = 0xFFFFFFFF;

// A w x h image filled with the background, then painted.
inline QImage Render(int w, int h, QRgb background, const std::function<void(CDC&)>& paint) {
    QImage image(w, h, QImage::Format_RGB32);
    image.fill(background);
    QPainter painter(&image);
    CDC dc(&painter, nullptr);
    paint(dc);
    return image;
}

// What a drawing should give: the background with the rectangles filled in turn by Qt itself.
inline QImage Filled(int w, int h, QRgb background,
                     const std::vector<std::pair<QRect, QRgb>>& fills) {
    return Render(w, h, background, [&](CDC& dc) {
        for (const auto& [rect, colour] : fills) {
            dc.GetPainter()->fillRect(rect, QColor(colour));
        }
    });
}

// Pixels other than the background; with a grey level, those darker than it instead.
inline Pixels Changed(const QImage& image, QRgb background = kWhite, int grey = -1) {
    Pixels out;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            const QRgb pixel = image.pixel(x, y);
            if (grey >= 0 ? qGray(pixel) < grey : pixel != background) {
                out.insert({x, y});
            }
        }
    }
    return out;
}

// The bounds of the pixels darker than mid-grey: the ink of a text on a light ground.
inline QRect Ink(const QImage& image) {
    QRect bounds;
    for (const auto& [x, y] : Changed(image, 0, 128)) {
        bounds |= QRect(x, y, 1, 1);
    }
    return bounds;
}

}  // namespace kr::test
