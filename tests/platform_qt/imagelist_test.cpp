#include "platform/qt/imagelist.h"

#include "platform/qt/dc.h"
#include "tests/support/rendering.h"

#include <gtest/gtest.h>

#include <QImage>
#include <QPainter>
#include <QTemporaryDir>

#include <functional>
#include <memory>

namespace {

constexpr COLORREF kMask = RGB(0, 255, 255);
const QRgb kYellow = qRgb(255, 255, 0);
const QRgb kColours[] = {qRgb(255, 0, 0), qRgb(0, 160, 0), qRgb(0, 0, 255)};

QImage Paint(const std::function<void(CDC&)>& paint) {
    return kr::test::Render(40, 40, kYellow, paint);
}

QRect Painted(const QImage& image) {
    return kr::test::ChangedBounds(image, kYellow);
}

TEST(CImageList, CutsTheStripWithTheMaskColourTransparentAndDrawsCopiesClippedOrBlended) {
    // Red, green and blue 16 x 16 images, 5 spare columns; mask pixels at (0, 0) of the red
    // image and (5, 5) of the green one.
    QTemporaryDir dir;
    const QString path = dir.filePath("strip.png");
    QImage strip(53, 16, QImage::Format_RGB32);
    strip.fill(qRgb(90, 90, 90));
    for (int i = 0; i < 3; ++i) {
        QPainter(&strip).fillRect(i * 16, 0, 16, 16, QColor(kColours[i]));
    }
    strip.setPixel(0, 0, qRgb(0, 255, 255));
    strip.setPixel(21, 5, qRgb(0, 255, 255));
    strip.save(path);

    auto source = std::make_unique<CImageList>();
    CImageList& list = *source;
    EXPECT_FALSE(list.Create(dir.filePath("missing.png"), 16, 0, kMask));
    EXPECT_FALSE(list.Create(path, 0, 0, kMask));
    ASSERT_TRUE(list.Create(path, 16, 1, kMask));
    EXPECT_FALSE(list.Create(path, 54, 0, kMask));  // wider than the strip; keeps what it had
    EXPECT_EQ(list.GetImageCount(), 3);             // the 5 spare columns make no image
    EXPECT_EQ(list.GetIconSize(), CSize(16, 16));
    for (int i = -1; i < 4; ++i) {
        const bool valid = i >= 0 && i < 3;
        const QImage image = Paint(
            [&](CDC& dc) { EXPECT_EQ(list.Draw(&dc, i, CPoint(2, 3), ILD_TRANSPARENT), valid); });
        EXPECT_EQ(Painted(image), valid ? QRect(2, 3, 16, 16) : QRect()) << i;
        EXPECT_EQ(image.pixel(2, 3), i == 0 || !valid ? kYellow : kColours[i]) << i;
        EXPECT_EQ(image.pixel(7, 8), i == 1 || !valid ? kYellow : kColours[i]) << i;
    }

    CImageList copy;  // outlives its source
    EXPECT_FALSE(copy.Create(CImageList()));
    ASSERT_TRUE(copy.Create(list));
    source.reset();
    EXPECT_EQ(copy.GetIconSize(), CSize(16, 16));
    for (const auto& [size, painted] : {std::pair{CSize(10, 6), QRect(3, 2, 10, 6)},
                                        {CSize(0, 0), QRect(3, 2, 16, 16)},
                                        {CSize(30, 30), QRect(3, 2, 16, 16)}}) {
        const QImage image = Paint([&](CDC& dc) {
            copy.DrawEx(&dc, 2, CPoint(3, 2), size, CLR_DEFAULT, CLR_DEFAULT, ILD_TRANSPARENT);
        });
        EXPECT_EQ(Painted(image), painted) << size.cx;
    }
    const QImage blended = Paint([&](CDC& dc) {
        copy.DrawEx(&dc, 0, CPoint(0, 0), CSize(16, 16), CLR_DEFAULT, CLR_DEFAULT,
                    ILD_TRANSPARENT | ILD_BLEND50);
    });
    // Red over yellow at half strength: green halves; the masked pixel stays yellow.
    EXPECT_EQ(blended.pixel(8, 8) & 0xFF00FFu, 0xFF0000u);
    EXPECT_NEAR(qGreen(blended.pixel(8, 8)), 128, 3);
    EXPECT_EQ(blended.pixel(0, 0), kYellow);
}

TEST(CImageList, AddTakesImagesOfTheFirstOnesSize) {
    CImageList list;
    QPixmap box(13, 13);
    box.fill(Qt::black);
    EXPECT_EQ(list.Add(QPixmap()), -1);
    EXPECT_TRUE(list.Add(box) == 0 && list.Add(box) == 1);
    EXPECT_EQ(list.Add(QPixmap(16, 13)), -1);
    EXPECT_TRUE(list.GetImageCount() == 2 && list.GetIconSize() == CSize(13, 13));
}

}  // namespace
