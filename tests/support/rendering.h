#pragma once

// Painting through a CDC into an image, and reading back what changed. Header-only: the support
// library is also built without Qt, and only the widget test programs include this.

#include "platform/qt/dc.h"

#include <QImage>
#include <QPainter>

#include <functional>
#include <set>
#include <utility>

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

// Pixels other than the background; with ink set, those darker than mid-grey.
inline Pixels Changed(const QImage& image, QRgb background = kWhite, bool ink = false) {
    Pixels out;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            if (ink ? qGray(image.pixel(x, y)) < 128 : image.pixel(x, y) != background) {
                out.insert({x, y});
            }
        }
    }
    return out;
}

// The bounds of the pixels other than the background (ink: darker than mid-grey).
inline QRect ChangedBounds(const QImage& image, QRgb background, bool ink = false) {
    QRect bounds;
    for (const auto& [x, y] : Changed(image, background, ink)) {
        bounds |= QRect(x, y, 1, 1);
    }
    return bounds;
}

inline QRect Ink(const QImage& image) {
    return ChangedBounds(image, 0, true);
}

}  // namespace kr::test
