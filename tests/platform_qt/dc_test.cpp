#include "platform/qt/dc.h"

#include <gtest/gtest.h>

#include <QImage>
#include <QWidget>

#include <functional>
#include <set>
#include <vector>

namespace {

using Pixels = std::set<std::pair<int, int>>;
constexpr QRgb kWhite = 0xFFFFFFFF;

// Paints through a CDC into a w x h image filled with background.
QImage Render(int w, int h, const std::function<void(CDC&, QPainter&)>& paint,
              QRgb background = kWhite) {
    QImage image(w, h, QImage::Format_RGB32);
    image.fill(background);
    QPainter painter(&image);
    CDC dc(&painter, nullptr);
    paint(dc, painter);
    return image;
}

Pixels Changed(const QImage& image, QRgb background = kWhite) {
    Pixels out;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            if (image.pixel(x, y) != background) {
                out.insert({x, y});
            }
        }
    }
    return out;
}

// Bounds of the dark (text) pixels.
QRect Ink(const QImage& image) {
    QRect bounds;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            if (qGray(image.pixel(x, y)) < 128) {
                bounds |= QRect(x, y, 1, 1);
            }
        }
    }
    return bounds;
}

TEST(CDC, LinesLeaveOutTheirEndPoint) {
    struct Case {
        std::vector<CPoint> path;  // MoveTo the first point, LineTo the others
        int width;
        Pixels expected;
    };
    const Case cases[] = {
        {{{2, 5}, {6, 5}}, 1, {{2, 5}, {3, 5}, {4, 5}, {5, 5}}},
        {{{6, 5}, {2, 5}}, 1, {{6, 5}, {5, 5}, {4, 5}, {3, 5}}},
        {{{4, 4}, {4, 1}}, 1, {{4, 4}, {4, 3}, {4, 2}}},
        {{{0, 0}, {3, 3}}, 1, {{0, 0}, {1, 1}, {2, 2}}},
        {{{1, 1}, {4, 1}, {4, 3}}, 1, {{1, 1}, {2, 1}, {3, 1}, {4, 1}, {4, 2}}},
        {{{1, 5}, {3, 5}}, 3, {{1, 4}, {2, 4}, {1, 5}, {2, 5}, {1, 6}, {2, 6}}},
    };
    for (size_t n = 0; n < std::size(cases); ++n) {
        const Case& c = cases[n];
        CPen pen(PS_SOLID, c.width, RGB(200, 0, 0));
        const QImage image = Render(10, 10, [&](CDC& dc, QPainter&) {
            dc.SelectObject(&pen);
            dc.MoveTo(c.path[0].x, c.path[0].y);
            for (size_t i = 1; i < c.path.size(); ++i) {
                dc.LineTo(c.path[i].x, c.path[i].y);
            }
        });
        EXPECT_EQ(Changed(image), c.expected) << "case " << n;
        EXPECT_EQ(image.pixel(c.path[0].x, c.path[0].y), qRgb(200, 0, 0)) << "case " << n;
    }
}

TEST(CDC, RectanglesAndFillsKeepToTheirExclusiveEdges) {
    CPen blue(PS_SOLID, 1, RGB(0, 0, 255));
    CBrush green(RGB(0, 255, 0));
    const QImage image = Render(20, 12, [&](CDC& dc, QPainter&) {
        CPen* stockPen = dc.SelectObject(&blue);
        CBrush* stockBrush = dc.SelectObject(&green);
        dc.Rectangle(CRect(2, 3, 8, 7));
        EXPECT_EQ(dc.SelectObject(stockPen), &blue);  // the previous object comes back
        EXPECT_EQ(dc.SelectObject(stockBrush), &green);
        dc.Rectangle(CRect(10, 3, 13, 6));  // stock: black frame, white inside
        dc.FillSolidRect(CRect(15, 1, 17, 3), RGB(200, 100, 0));
        EXPECT_EQ(dc.GetBkColor(), RGB(200, 100, 0));  // FillSolidRect leaves it set
        dc.FillRect(CRect(15, 8, 16, 10), &green);
        dc.FillSolidRect(CRect(18, 8, 18, 9), RGB(0, 0, 0));  // empty
    });
    for (int y = 0; y < 12; ++y) {
        for (int x = 0; x < 9; ++x) {
            const bool inside = x >= 2 && x < 8 && y >= 3 && y < 7;
            const bool edge = inside && (x == 2 || x == 7 || y == 3 || y == 6);
            const QRgb want = !inside ? kWhite : (edge ? qRgb(0, 0, 255) : qRgb(0, 255, 0));
            ASSERT_EQ(image.pixel(x, y), want) << x << "," << y;
        }
    }
    EXPECT_EQ(image.pixel(12, 5), qRgb(0, 0, 0));
    EXPECT_EQ(image.pixel(11, 4), kWhite);
    EXPECT_EQ(image.pixel(16, 2), qRgb(200, 100, 0));
    EXPECT_EQ(image.pixel(17, 2), kWhite);
    EXPECT_EQ(image.pixel(15, 9), qRgb(0, 255, 0));
    EXPECT_EQ(image.pixel(16, 9), kWhite);
    EXPECT_EQ(image.pixel(18, 8), kWhite);
}

TEST(CDC, TextOutputFillsWithTheBackgroundAsTheModeSays) {
    const CRect rect(3, 2, 40, 20);
    const QImage opaque = Render(50, 30, [&](CDC& dc, QPainter&) {
        EXPECT_EQ(dc.SetBkColor(RGB(0, 128, 0)), RGB(255, 255, 255));
        dc.ExtTextOut(rect.left, rect.top, ETO_OPAQUE, &rect, QString());
    });
    EXPECT_EQ(Changed(opaque).size(), static_cast<size_t>(rect.Width() * rect.Height()));
    EXPECT_EQ(opaque.pixel(rect.left, rect.top), qRgb(0, 128, 0));
    EXPECT_EQ(opaque.pixel(rect.right - 1, rect.bottom - 1), qRgb(0, 128, 0));

    for (const int mode : {OPAQUE, TRANSPARENT}) {
        CSize extent;
        const QImage image = Render(60, 40, [&](CDC& dc, QPainter&) {
            EXPECT_EQ(dc.SetBkMode(mode), OPAQUE);  // the default
            dc.SetBkColor(RGB(0, 0, 255));
            dc.TextOut(5, 5, "ace");
            extent = dc.GetTextExtent("ace");
        });
        // The cell's top-right pixel lies above the lowercase letters.
        EXPECT_EQ(image.pixel(5 + extent.cx - 1, 5), mode == OPAQUE ? qRgb(0, 0, 255) : kWhite);
        EXPECT_EQ(image.pixel(5 + extent.cx, 5), kWhite);
        EXPECT_TRUE(Ink(image).isValid());
    }
}

TEST(CDC, DrawTextAlignsCentresAndClips) {
    const CRect rect(10, 4, 190, 44);
    for (const UINT align : {DT_LEFT, DT_CENTER, DT_RIGHT}) {
        TEXTMETRIC tm;
        const QRect ink = Ink(Render(200, 50, [&](CDC& dc, QPainter&) {
            dc.SetBkMode(TRANSPARENT);
            dc.GetTextMetrics(&tm);
            dc.DrawText("Mm", rect, align | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX);
        }));
        ASSERT_TRUE(ink.isValid()) << align;
        const int inkCentre = (ink.left() + ink.right() + 1) / 2;
        const int off = align == DT_LEFT    ? ink.left() - rect.left
                        : align == DT_RIGHT ? ink.right() + 1 - rect.right
                                            : inkCentre - 100;
        EXPECT_LE(std::abs(off), 3) << align;
        const int top = rect.top + (rect.Height() - tm.tmHeight) / 2;
        EXPECT_GE(ink.top(), top) << align;
        EXPECT_LT(ink.bottom(), top + tm.tmHeight) << align;
    }
    for (const UINT noClip : {0u, DT_NOCLIP}) {
        const CRect narrow(20, 5, 40, 35);
        const QRect ink = Ink(Render(200, 40, [&](CDC& dc, QPainter&) {
            dc.DrawText("A long line of text", narrow, DT_SINGLELINE | DT_NOPREFIX | noClip);
        }));
        EXPECT_GE(ink.left(), narrow.left);
        EXPECT_EQ(ink.right() >= narrow.right, noClip != 0);
    }
}

TEST(CDC, MeasuresFollowTheSelectedFont) {
    QWidget widget;
    QFont font;
    font.setPixelSize(17);
    widget.setFont(font);
    CDC measuring(nullptr, &widget);  // no painter: measures only
    TEXTMETRIC tm;
    ASSERT_TRUE(measuring.GetTextMetrics(&tm));
    EXPECT_EQ(tm.tmHeight, tm.tmAscent + tm.tmDescent);
    EXPECT_GE(tm.tmHeight, 17);
    EXPECT_GT(tm.tmAveCharWidth, 0);
    EXPECT_EQ(measuring.GetTextExtent(""), CSize(0, tm.tmHeight));
    EXPECT_FALSE(measuring.LineTo(3, 3));
    EXPECT_EQ(measuring.DrawText("x", CRect(0, 0, 9, 9), 0), 0);

    QFont big;
    big.setPixelSize(40);
    CFont bigFont(big);
    QImage image(10, 10, QImage::Format_RGB32);
    QPainter painter(&image);
    {
        CDC painting(&painter, &widget);
        const CSize extent = measuring.GetTextExtent("Korvath");
        EXPECT_EQ(painting.GetTextExtent("Korvath"), extent);
        CFont* old = painting.SelectObject(&bigFont);
        EXPECT_GT(painting.GetTextExtent("Korvath").cy, tm.tmHeight);
        EXPECT_EQ(painting.SelectObject(old), &bigFont);
        EXPECT_EQ(painting.GetTextExtent("Korvath"), extent);
        painting.SelectObject(&bigFont);
    }
    EXPECT_NE(painter.font().pixelSize(), 40);  // the painter is given back as it was
}

TEST(CDC, ClipBoxIsThePainterClipInLogicalCoordinates) {
    struct Case {
        std::function<void(QPainter&)> setUp;
        CRect expected;
    };
    const Case cases[] = {
        {[](QPainter&) {}, CRect(0, 0, 50, 40)},
        {[](QPainter& p) { p.translate(-10, 0); }, CRect(10, 0, 60, 40)},
        {[](QPainter& p) { p.setClipRect(40, 30, 20, 20); }, CRect(40, 30, 50, 40)},
    };
    for (const Case& c : cases) {
        Render(50, 40, [&](CDC& dc, QPainter& painter) {
            c.setUp(painter);
            CRect box;
            EXPECT_TRUE(dc.GetClipBox(&box));
            EXPECT_EQ(box, c.expected);
        });
    }
}

TEST(CDC, FocusRectInvertsEveryOtherEdgePixelInsideTheRectangle) {
    const QRgb red = qRgb(255, 0, 0);
    const CRect rect(3, 4, 13, 10);
    const QImage once = Render(
        20, 20, [&](CDC& dc, QPainter&) { dc.DrawFocusRect(rect); }, red);
    Pixels expected;
    for (int y = rect.top; y < rect.bottom; ++y) {
        for (int x = rect.left; x < rect.right; ++x) {
            const bool edge =
                x == rect.left || x == rect.right - 1 || y == rect.top || y == rect.bottom - 1;
            if (edge && (x - rect.left + y - rect.top) % 2 == 0) {
                expected.insert({x, y});
            }
        }
    }
    EXPECT_EQ(Changed(once, red), expected);
    EXPECT_EQ(once.pixel(3, 4), qRgb(0, 255, 255));
    const QImage twice = Render(
        20, 20,
        [&](CDC& dc, QPainter&) {
            dc.DrawFocusRect(rect);
            dc.DrawFocusRect(rect);
        },
        red);
    EXPECT_TRUE(Changed(twice, red).empty());
}

TEST(CDC, DropDownButtonIsDrawnWithinItsRectangle) {
    const QRgb magenta = qRgb(255, 0, 255);
    const CRect rect(5, 5, 21, 23);
    const QImage image = Render(
        30, 30,
        [&](CDC& dc, QPainter&) {
            EXPECT_TRUE(dc.DrawFrameControl(rect, DFC_SCROLL, DFCS_SCROLLDOWN));
            EXPECT_FALSE(dc.DrawFrameControl(CRect(0, 0, 30, 30), DFC_SCROLL + 1, DFCS_SCROLLDOWN));
        },
        magenta);
    const Pixels changed = Changed(image, magenta);
    EXPECT_GT(changed.size(), static_cast<size_t>(rect.Width() * rect.Height() / 2));
    for (const auto& [x, y] : changed) {
        ASSERT_TRUE(rect.PtInRect(CPoint(x, y))) << x << "," << y;
    }
    EXPECT_TRUE(Ink(image.copy(9, 9, 8, 10)).isValid());  // the arrow, darker than the face
}

}  // namespace
