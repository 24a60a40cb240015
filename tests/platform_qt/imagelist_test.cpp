#include "platform/qt/imagelist.h"

#include "platform/qt/dc.h"

#include <gtest/gtest.h>

#include <QImage>
#include <QPainter>
#include <QTemporaryDir>

#include <functional>
#include <memory>

namespace {

constexpr COLORREF kMask = RGB(0, 255, 255);
const QRgb kYellow = qRgb(255, 255, 0);
const QRgb kRed = qRgb(255, 0, 0);
const QRgb kGreen = qRgb(0, 160, 0);
const QRgb kBlue = qRgb(0, 0, 255);

// A strip of three 16 x 16 images (red, green, blue) and 5 spare columns; mask-coloured pixels at
// (0, 0) of the red image and (5, 5) of the green one. Saved as a PNG in a temporary folder.
class StripFile {
public:
    StripFile() {
        QImage strip(53, 16, QImage::Format_RGB32);
        strip.fill(qRgb(90, 90, 90));
        const QRgb colours[] = {kRed, kGreen, kBlue};
        for (int i = 0; i < 3; ++i) {
            QPainter(&strip).fillRect(i * 16, 0, 16, 16, QColor(colours[i]));
        }
        strip.setPixel(0, 0, qRgb(0, 255, 255));
        strip.setPixel(16 + 5, 5, qRgb(0, 255, 255));
        path = dir.filePath("strip.png");
        strip.save(path);
    }
    QTemporaryDir dir;
    QString path;
};

QImage Paint(const std::function<void(CDC&)>& paint) {
    QImage image(40, 40, QImage::Format_RGB32);
    image.fill(kYellow);
    QPainter painter(&image);
    CDC dc(&painter, nullptr);
    paint(dc);
    return image;
}

// The bounds of the pixels that are not yellow.
QRect Painted(const QImage& image) {
    QRect bounds;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            if (image.pixel(x, y) != kYellow) {
                bounds |= QRect(x, y, 1, 1);
            }
        }
    }
    return bounds;
}

TEST(CImageList, CutsTheStripAndMakesTheMaskColourTransparent) {
    StripFile file;
    CImageList list;
    ASSERT_TRUE(list.Create(file.path, 16, 1, kMask));
    EXPECT_EQ(list.GetImageCount(), 3);  // the 5 spare columns make no image
    EXPECT_EQ(list.GetIconSize(), CSize(16, 16));

    const QRgb colours[] = {kRed, kGreen, kBlue};
    for (int i = 0; i < 3; ++i) {
        const QImage image =
            Paint([&](CDC& dc) { EXPECT_TRUE(list.Draw(&dc, i, CPoint(2, 3), ILD_TRANSPARENT)); });
        EXPECT_EQ(Painted(image), QRect(2, 3, 16, 16)) << i;
        EXPECT_EQ(image.pixel(2, 3), i == 0 ? kYellow : colours[i]) << i;
        EXPECT_EQ(image.pixel(7, 8), i == 1 ? kYellow : colours[i]) << i;
        EXPECT_EQ(image.pixel(17, 18), colours[i]) << i;
    }
    Paint([&](CDC& dc) {
        EXPECT_FALSE(list.Draw(&dc, 3, CPoint(0, 0), ILD_TRANSPARENT));
        EXPECT_FALSE(list.Draw(&dc, -1, CPoint(0, 0), ILD_TRANSPARENT));
    });
    CDC measuring(nullptr, nullptr);
    EXPECT_FALSE(list.Draw(&measuring, 0, CPoint(0, 0), ILD_TRANSPARENT));
}

TEST(CImageList, RefusesUnusableStripsAndKeepsWhatItHad) {
    StripFile file;
    CImageList list;
    ASSERT_TRUE(list.Create(file.path, 16, 0, kMask));
    struct Case {
        QString path;
        int cx;
    };
    for (const Case& c : {Case{file.dir.filePath("missing.png"), 16}, Case{file.path, 0},
                          Case{file.path, -16}, Case{file.path, 54}}) {
        EXPECT_FALSE(list.Create(c.path, c.cx, 0, kMask)) << c.path.toStdString() << " " << c.cx;
        EXPECT_EQ(list.GetImageCount(), 3);
    }
    EXPECT_TRUE(list.Create(file.path, 53, 0, kMask));  // exactly one image
    EXPECT_EQ(list.GetImageCount(), 1);
    EXPECT_EQ(list.GetIconSize(), CSize(53, 16));
}

TEST(CImageList, CopyIsIndependentOfItsSource) {
    StripFile file;
    auto source = std::make_unique<CImageList>();
    ASSERT_TRUE(source->Create(file.path, 16, 0, kMask));
    CImageList copy;
    ASSERT_TRUE(copy.Create(*source));
    source.reset();
    EXPECT_EQ(copy.GetImageCount(), 3);
    EXPECT_EQ(copy.GetIconSize(), CSize(16, 16));
    const QImage image = Paint([&](CDC& dc) { copy.Draw(&dc, 1, CPoint(0, 0), ILD_TRANSPARENT); });
    EXPECT_EQ(image.pixel(5, 5), kYellow);
    EXPECT_EQ(image.pixel(6, 5), kGreen);

    CImageList empty;
    EXPECT_FALSE(copy.Create(empty));
    EXPECT_EQ(copy.GetImageCount(), 3);
    copy.DeleteImageList();
    EXPECT_TRUE(copy.IsEmpty());
    EXPECT_EQ(copy.GetIconSize(), CSize(0, 0));
    EXPECT_TRUE(copy.GetImage(0).isNull());
}

TEST(CImageList, AddTakesImagesOfTheFirstOnesSize) {
    CImageList list;
    QPixmap box(13, 13);
    box.fill(Qt::black);
    EXPECT_EQ(list.Add(QPixmap()), -1);
    EXPECT_EQ(list.Add(box), 0);
    EXPECT_EQ(list.GetIconSize(), CSize(13, 13));
    EXPECT_EQ(list.Add(box), 1);
    EXPECT_EQ(list.Add(QPixmap(16, 13)), -1);
    EXPECT_EQ(list.GetImageCount(), 2);
    const QImage image = Paint([&](CDC& dc) { list.Draw(&dc, 1, CPoint(4, 4), ILD_NORMAL); });
    EXPECT_EQ(Painted(image), QRect(4, 4, 13, 13));
}

TEST(CImageList, DrawExClipsToTheGivenSize) {
    StripFile file;
    CImageList list;
    ASSERT_TRUE(list.Create(file.path, 16, 0, kMask));
    struct Case {
        CSize size;
        QRect painted;
    };
    for (const Case& c :
         {Case{CSize(10, 6), QRect(3, 2, 10, 6)}, Case{CSize(16, 16), QRect(3, 2, 16, 16)},
          Case{CSize(0, 0), QRect(3, 2, 16, 16)}, Case{CSize(30, 30), QRect(3, 2, 16, 16)}}) {
        const QImage image = Paint([&](CDC& dc) {
            EXPECT_TRUE(list.DrawEx(&dc, 2, CPoint(3, 2), c.size, CLR_DEFAULT, CLR_DEFAULT,
                                    ILD_TRANSPARENT));
        });
        EXPECT_EQ(Painted(image), c.painted) << c.size.cx << "x" << c.size.cy;
    }
}

TEST(CImageList, Blend50DrawsAtHalfStrength) {
    StripFile file;
    CImageList list;
    ASSERT_TRUE(list.Create(file.path, 16, 0, kMask));
    const QImage image = Paint([&](CDC& dc) {
        list.DrawEx(&dc, 0, CPoint(0, 0), CSize(16, 16), CLR_DEFAULT, CLR_DEFAULT,
                    ILD_TRANSPARENT | ILD_BLEND50);
    });
    // Red over yellow at half strength: red stays, green halves; the masked pixel stays yellow.
    const QRgb mixed = image.pixel(8, 8);
    EXPECT_EQ(qRed(mixed), 255);
    EXPECT_NEAR(qGreen(mixed), 128, 3);
    EXPECT_EQ(qBlue(mixed), 0);
    EXPECT_EQ(image.pixel(0, 0), kYellow);
}

}  // namespace
