// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/qt/imagelist.h"

#include "tests/support/rendering.h"

#include <gtest/gtest.h>

#include <QTemporaryDir>

#include <memory>

namespace {

using kr::test::Filled;
using kr::test::Render;

constexpr COLORREF kMask = RGB(0, 255, 255);
const QRgb kYellow = qRgb(255, 255, 0);
const QRgb kColours[] = {qRgb(255, 0, 0), qRgb(0, 160, 0), qRgb(0, 0, 255)};

// A strip of red, green and blue 16 x 16 images and 5 spare columns, with the mask colour at
// (5, 5) of the green image. Clipped and blended drawing: the grid's drawing tests.
TEST(CImageList, CutsTheStripWithTheMaskColourTransparentIntoCopiesThatOutliveTheirSource) {
    QTemporaryDir dir;
    const QString path = dir.filePath("strip.png");
    Filled(53, 16, qRgb(90, 90, 90),
           {{QRect(0, 0, 16, 16), kColours[0]},
            {QRect(16, 0, 16, 16), kColours[1]},
            {QRect(32, 0, 16, 16), kColours[2]},
            {QRect(21, 5, 1, 1), qRgb(0, 255, 255)}})
        .save(path);
    auto source = std::make_unique<CImageList>();
    EXPECT_FALSE(source->Create(dir.filePath("missing.png"), 16, 0, kMask));
    EXPECT_FALSE(source->Create(path, 0, 0, kMask));
    ASSERT_TRUE(source->Create(path, 16, 1, kMask));
    EXPECT_FALSE(source->Create(path, 54, 0, kMask));  // wider than the strip; keeps what it had
    EXPECT_EQ(source->GetImageCount(), 3);             // the 5 spare columns make no image
    CImageList copy;
    EXPECT_FALSE(copy.Create(CImageList()));
    ASSERT_TRUE(copy.Create(*source));
    source.reset();
    EXPECT_EQ(copy.GetIconSize(), CSize(16, 16));
    for (int i = -1; i < 4; ++i) {
        const bool valid = i >= 0 && i < 3;
        const QImage image = Render(40, 40, kYellow, [&](CDC& dc) {
            EXPECT_EQ(copy.Draw(&dc, i, CPoint(2, 3), ILD_TRANSPARENT), valid);
        });
        const QRect masked = i == 1 ? QRect(7, 8, 1, 1) : QRect();
        EXPECT_EQ(image, valid ? Filled(40, 40, kYellow,
                                        {{QRect(2, 3, 16, 16), kColours[i]}, {masked, kYellow}})
                               : Filled(40, 40, kYellow, {}))
            << i;
    }
}

}  // namespace
