#include "platform/qt/gdiobjects.h"

#include <gtest/gtest.h>

namespace {

TEST(GdiObjects, ColourConversionKeepsTheChannelOrder) {
    const COLORREF c = RGB(0x12, 0x34, 0x56);
    EXPECT_EQ(c, 0x00563412u);
    EXPECT_EQ(ToQColor(c), QColor(0x12, 0x34, 0x56));
    EXPECT_EQ(FromQColor(QColor(0x12, 0x34, 0x56, 0x80)), c);  // alpha is dropped
}

TEST(GdiObjects, PensAreSolidAndAtLeastOnePixelWide) {
    CPen pen;
    EXPECT_EQ(pen.GetColor(), RGB(0, 0, 0));
    EXPECT_EQ(pen.GetWidth(), 1);
    EXPECT_TRUE(pen.CreatePen(PS_SOLID, 0, RGB(1, 2, 3)));
    EXPECT_EQ(pen.GetWidth(), 1);
    EXPECT_EQ(pen.GetColor(), RGB(1, 2, 3));
    EXPECT_FALSE(pen.CreatePen(PS_SOLID + 1, 3, RGB(9, 9, 9)));  // dashed and others: refused
    EXPECT_EQ(pen.GetColor(), RGB(1, 2, 3));
    EXPECT_EQ(CBrush().GetColor(), RGB(255, 255, 255));
}

}  // namespace
