#include "platform/qt/dc.h"

#include <gtest/gtest.h>

#include <QImage>
#include <QPainter>
#include <QWidget>

#include <functional>
#include <set>
#include <utility>
#include <vector>

namespace {

constexpr QRgb kWhite = 0xFFFFFFFF;

// Paints into a white w x h image through a CDC and returns the image.
QImage Render(int w, int h, const std::function<void(CDC&, QPainter&)>& paint,
              QRgb background = kWhite) {
    QImage image(w, h, QImage::Format_RGB32);
    image.fill(background);
    QPainter painter(&image);
    {
        CDC dc(&painter, nullptr);
        paint(dc, painter);
    }
    return image;
}

std::set<std::pair<int, int>> PixelsNot(const QImage& image, QRgb background) {
    std::set<std::pair<int, int>> out;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            if (image.pixel(x, y) != background) {
                out.insert({x, y});
            }
        }
    }
    return out;
}

// Bounds of the dark (text) pixels; an invalid rectangle when there are none.
QRect DarkBounds(const QImage& image) {
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

TEST(CDC, LinesPaintUpToButNotIncludingTheirEndPoint) {
    struct Case {
        const char* name;
        std::vector<CPoint> path;  // MoveTo the first point, LineTo each further one
        int width;
        std::set<std::pair<int, int>> expected;
    };
    const std::vector<Case> cases = {
        {"right", {{2, 5}, {6, 5}}, 1, {{2, 5}, {3, 5}, {4, 5}, {5, 5}}},
        {"left", {{6, 5}, {2, 5}}, 1, {{6, 5}, {5, 5}, {4, 5}, {3, 5}}},
        {"down", {{4, 1}, {4, 4}}, 1, {{4, 1}, {4, 2}, {4, 3}}},
        {"up", {{4, 4}, {4, 1}}, 1, {{4, 4}, {4, 3}, {4, 2}}},
        {"zero length", {{3, 3}, {3, 3}}, 1, {}},
        {"diagonal", {{0, 0}, {3, 3}}, 1, {{0, 0}, {1, 1}, {2, 2}}},
        {"corner", {{1, 1}, {4, 1}, {4, 3}}, 1, {{1, 1}, {2, 1}, {3, 1}, {4, 1}, {4, 2}}},
        {"wide", {{1, 5}, {3, 5}}, 3, {{1, 4}, {2, 4}, {1, 5}, {2, 5}, {1, 6}, {2, 6}}},
    };
    for (const Case& c : cases) {
        CPen pen(PS_SOLID, c.width, RGB(200, 0, 0));
        const QImage image = Render(10, 10, [&](CDC& dc, QPainter&) {
            dc.SelectObject(&pen);
            dc.MoveTo(c.path[0].x, c.path[0].y);
            for (size_t i = 1; i < c.path.size(); ++i) {
                dc.LineTo(c.path[i].x, c.path[i].y);
            }
        });
        EXPECT_EQ(PixelsNot(image, kWhite), c.expected) << c.name;
        for (const auto& [x, y] : c.expected) {
            EXPECT_EQ(image.pixel(x, y), qRgb(200, 0, 0)) << c.name;
        }
    }
}

TEST(CDC, SelectObjectReturnsThePreviousObjectForRestoring) {
    CPen red(PS_SOLID, 1, RGB(255, 0, 0));
    CBrush green(RGB(0, 255, 0));
    const QImage image = Render(10, 10, [&](CDC& dc, QPainter&) {
        CPen* stockPen = dc.SelectObject(&red);
        ASSERT_NE(stockPen, nullptr);
        EXPECT_EQ(dc.SelectObject(static_cast<CPen*>(nullptr)), nullptr);  // keeps red
        dc.MoveTo(0, 0);
        dc.LineTo(5, 0);
        EXPECT_EQ(dc.SelectObject(stockPen), &red);
        dc.MoveTo(0, 1);
        dc.LineTo(5, 1);
        CBrush* stockBrush = dc.SelectObject(&green);
        dc.Rectangle(CRect(0, 3, 4, 7));
        EXPECT_EQ(dc.SelectObject(stockBrush), &green);
        dc.Rectangle(CRect(5, 3, 9, 7));
    });
    EXPECT_EQ(image.pixel(0, 0), qRgb(255, 0, 0));
    EXPECT_EQ(image.pixel(0, 1), qRgb(0, 0, 0));    // the stock pen is black
    EXPECT_EQ(image.pixel(1, 4), qRgb(0, 255, 0));  // inside, selected brush
    EXPECT_EQ(image.pixel(6, 4), kWhite);           // inside, stock brush is white
}

TEST(CDC, SelectedFontDrivesMeasuresAndIsRestored) {
    QFont big;
    big.setPixelSize(40);
    CFont bigFont(big);
    Render(10, 10, [&](CDC& dc, QPainter& painter) {
        const CSize before = dc.GetTextExtent("Wide text");
        CFont* old = dc.SelectObject(&bigFont);
        EXPECT_EQ(dc.GetCurrentFont(), &bigFont);
        EXPECT_EQ(painter.font().pixelSize(), 40);
        const CSize large = dc.GetTextExtent("Wide text");
        EXPECT_GT(large.cx, before.cx);
        EXPECT_GT(large.cy, before.cy);
        dc.SelectObject(old);
        EXPECT_EQ(dc.GetTextExtent("Wide text"), before);
    });
}

TEST(CDC, RectangleFramesInsideWithPenAndFillsWithBrush) {
    CPen blue(PS_SOLID, 1, RGB(0, 0, 255));
    CBrush green(RGB(0, 255, 0));
    const QImage image = Render(12, 12, [&](CDC& dc, QPainter&) {
        dc.SelectObject(&blue);
        dc.SelectObject(&green);
        dc.Rectangle(CRect(2, 3, 8, 7));
    });
    for (int y = 0; y < 12; ++y) {
        for (int x = 0; x < 12; ++x) {
            const bool inside = x >= 2 && x < 8 && y >= 3 && y < 7;
            const bool edge = inside && (x == 2 || x == 7 || y == 3 || y == 6);
            const QRgb want = !inside ? kWhite : (edge ? qRgb(0, 0, 255) : qRgb(0, 255, 0));
            ASSERT_EQ(image.pixel(x, y), want) << x << "," << y;
        }
    }
}

TEST(CDC, FillsCoverExactlyTheRectangle) {
    CBrush brush(RGB(10, 20, 30));
    const QImage image = Render(10, 10, [&](CDC& dc, QPainter&) {
        dc.FillSolidRect(CRect(1, 1, 4, 3), RGB(200, 100, 0));
        EXPECT_EQ(dc.GetBkColor(), RGB(200, 100, 0));  // as the original leaves it
        EXPECT_TRUE(dc.FillRect(CRect(5, 5, 7, 6), &brush));
        EXPECT_EQ(dc.GetBkColor(), RGB(200, 100, 0));
        dc.FillSolidRect(CRect(8, 8, 8, 9), RGB(0, 0, 0));  // empty: nothing
    });
    const std::set<std::pair<int, int>> expected = {{1, 1}, {2, 1}, {3, 1}, {1, 2},
                                                    {2, 2}, {3, 2}, {5, 5}, {6, 5}};
    EXPECT_EQ(PixelsNot(image, kWhite), expected);
    EXPECT_EQ(image.pixel(3, 2), qRgb(200, 100, 0));
    EXPECT_EQ(image.pixel(6, 5), qRgb(10, 20, 30));
}

TEST(CDC, OpaqueExtTextOutFillsTheRectangleWithTheBackgroundColour) {
    const CRect rect(3, 2, 40, 20);
    const QImage blank = Render(50, 30, [&](CDC& dc, QPainter&) {
        EXPECT_EQ(dc.SetBkColor(RGB(0, 128, 0)), RGB(255, 255, 255));
        dc.ExtTextOut(rect.left, rect.top, ETO_OPAQUE, &rect, QString());
    });
    std::set<std::pair<int, int>> area;
    for (int y = rect.top; y < rect.bottom; ++y) {
        for (int x = rect.left; x < rect.right; ++x) {
            area.insert({x, y});
            ASSERT_EQ(blank.pixel(x, y), qRgb(0, 128, 0));
        }
    }
    EXPECT_EQ(PixelsNot(blank, kWhite), area);

    const QImage text = Render(50, 30, [&](CDC& dc, QPainter&) {
        dc.SetBkColor(RGB(0, 128, 0));
        dc.SetTextColor(RGB(255, 255, 255));
        dc.ExtTextOut(rect.left, rect.top, ETO_OPAQUE, &rect, "Hi");
    });
    int light = 0;
    for (const auto& [x, y] : area) {
        light += qGray(text.pixel(x, y)) > 200 ? 1 : 0;
    }
    EXPECT_GT(light, 3);
}

TEST(CDC, BackgroundModeDecidesWhetherTextFillsItsCell) {
    for (const int mode : {OPAQUE, TRANSPARENT}) {
        CSize extent;
        const QImage image = Render(60, 40, [&](CDC& dc, QPainter&) {
            EXPECT_EQ(dc.GetBkMode(), OPAQUE);  // the default
            dc.SetBkMode(mode);
            dc.SetBkColor(RGB(0, 0, 255));
            dc.TextOut(5, 5, "ace");
            extent = dc.GetTextExtent("ace");
        });
        // The top-right pixel of the text cell lies above lowercase letters.
        const QRgb corner = image.pixel(5 + extent.cx - 1, 5);
        EXPECT_EQ(corner, mode == OPAQUE ? qRgb(0, 0, 255) : kWhite) << mode;
        EXPECT_EQ(image.pixel(5 + extent.cx, 5), kWhite) << mode;
    }
}

TEST(CDC, DrawTextAlignsAndCentresVertically) {
    const CRect rect(10, 4, 190, 44);
    struct Case {
        UINT align;
        const char* name;
    };
    for (const Case& c :
         {Case{DT_LEFT, "left"}, Case{DT_CENTER, "center"}, Case{DT_RIGHT, "right"}}) {
        TEXTMETRIC tm;
        const QImage image = Render(200, 50, [&](CDC& dc, QPainter&) {
            dc.SetBkMode(TRANSPARENT);
            dc.GetTextMetrics(&tm);
            dc.DrawText("Mm", rect, c.align | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX);
        });
        const QRect ink = DarkBounds(image);
        ASSERT_TRUE(ink.isValid()) << c.name;
        if (c.align == DT_LEFT) {
            EXPECT_LE(std::abs(ink.left() - rect.left), 3) << c.name;
        } else if (c.align == DT_RIGHT) {
            EXPECT_LE(std::abs(ink.right() + 1 - rect.right), 3) << c.name;
        } else {
            EXPECT_LE(std::abs((ink.left() + ink.right() + 1) / 2 - 100), 2) << c.name;
        }
        const int top = rect.top + (rect.Height() - tm.tmHeight) / 2;
        EXPECT_GE(ink.top(), top) << c.name;
        EXPECT_LT(ink.bottom(), top + tm.tmHeight) << c.name;
        EXPECT_GT(ink.top(), rect.top + 2) << c.name;  // really moved down
    }
}

TEST(CDC, DrawTextClipsUnlessToldNotTo) {
    const CRect narrow(20, 5, 40, 35);
    for (const bool noClip : {false, true}) {
        const QImage image = Render(200, 40, [&](CDC& dc, QPainter&) {
            dc.SetBkMode(TRANSPARENT);
            const UINT flags = DT_LEFT | DT_SINGLELINE | DT_NOPREFIX | (noClip ? DT_NOCLIP : 0);
            dc.DrawText("A long line of text", narrow, flags);
        });
        const QRect ink = DarkBounds(image);
        ASSERT_TRUE(ink.isValid());
        EXPECT_GE(ink.left(), narrow.left);
        if (noClip) {
            EXPECT_GE(ink.right(), narrow.right);
        } else {
            EXPECT_LT(ink.right(), narrow.right);
        }
    }
}

TEST(CDC, DrawTextPrefixesAndLines) {
    auto draw = [](const QString& text, UINT flags) {
        return Render(120, 60, [&](CDC& dc, QPainter&) {
            dc.SetBkMode(TRANSPARENT);
            dc.DrawText(text, CRect(0, 0, 120, 60), flags);
        });
    };
    const UINT single = DT_LEFT | DT_SINGLELINE;
    EXPECT_EQ(draw("a&b&&c", single), draw("ab&c", single | DT_NOPREFIX));
    EXPECT_NE(draw("a&b", single | DT_NOPREFIX), draw("ab", single | DT_NOPREFIX));
    Render(10, 10, [](CDC& dc, QPainter&) {
        TEXTMETRIC tm;
        dc.GetTextMetrics(&tm);
        EXPECT_EQ(dc.DrawText("one\ntwo", CRect(0, 0, 10, 10), DT_LEFT | DT_NOCLIP),
                  2 * tm.tmHeight);
        EXPECT_EQ(dc.DrawText("one\ntwo", CRect(0, 0, 10, 10), DT_SINGLELINE), tm.tmHeight);
    });
}

TEST(CDC, MeasuresMatchTheFontAndWorkWithoutAPainter) {
    QWidget widget;
    QFont font;
    font.setPixelSize(17);
    widget.setFont(font);
    CDC measuring(nullptr, &widget);
    TEXTMETRIC tm;
    ASSERT_TRUE(measuring.GetTextMetrics(&tm));
    EXPECT_EQ(tm.tmHeight, tm.tmAscent + tm.tmDescent);
    EXPECT_GE(tm.tmHeight, 17);
    EXPECT_GT(tm.tmAveCharWidth, 0);
    EXPECT_GE(tm.tmExternalLeading, 0);
    EXPECT_EQ(measuring.GetTextExtent(""), CSize(0, tm.tmHeight));
    EXPECT_GT(measuring.GetTextExtent("abc").cx, measuring.GetTextExtent("ab").cx);
    // Drawing needs a painter.
    EXPECT_FALSE(measuring.LineTo(3, 3));
    EXPECT_FALSE(measuring.Rectangle(CRect(0, 0, 3, 3)));
    EXPECT_FALSE(measuring.TextOut(0, 0, "x"));
    CRect clip(1, 1, 2, 2);
    EXPECT_FALSE(measuring.GetClipBox(&clip));
    EXPECT_TRUE(clip.IsRectNull());

    // A painting context on the same widget measures the same.
    QImage image(10, 10, QImage::Format_RGB32);
    QPainter painter(&image);
    CDC painting(&painter, &widget);
    EXPECT_EQ(painting.GetTextExtent("Korvath"), measuring.GetTextExtent("Korvath"));
}

TEST(CDC, ClipBoxIsThePainterClipInLogicalCoordinates) {
    struct Case {
        const char* name;
        std::function<void(QPainter&)> setUp;
        CRect expected;
    };
    const std::vector<Case> cases = {
        {"unclipped", [](QPainter&) {}, CRect(0, 0, 50, 40)},
        {"clipped", [](QPainter& p) { p.setClipRect(5, 6, 10, 10); }, CRect(5, 6, 15, 16)},
        {"scrolled", [](QPainter& p) { p.translate(-10, 0); }, CRect(10, 0, 60, 40)},
        {"past the edge", [](QPainter& p) { p.setClipRect(40, 30, 20, 20); },
         CRect(40, 30, 50, 40)},
    };
    for (const Case& c : cases) {
        Render(50, 40, [&](CDC& dc, QPainter& painter) {
            c.setUp(painter);
            CRect box;
            EXPECT_TRUE(dc.GetClipBox(&box)) << c.name;
            EXPECT_EQ(box, c.expected) << c.name;
        });
    }
}

TEST(CDC, FocusRectInvertsEveryOtherEdgePixelInsideTheRectangle) {
    const QRgb red = qRgb(255, 0, 0);
    const CRect rect(3, 4, 13, 10);
    const QImage once = Render(
        20, 20, [&](CDC& dc, QPainter&) { dc.DrawFocusRect(rect); }, red);
    std::set<std::pair<int, int>> expected;
    for (int y = rect.top; y < rect.bottom; ++y) {
        for (int x = rect.left; x < rect.right; ++x) {
            const bool edge =
                x == rect.left || x == rect.right - 1 || y == rect.top || y == rect.bottom - 1;
            if (edge && (x - rect.left + y - rect.top) % 2 == 0) {
                expected.insert({x, y});
            }
        }
    }
    EXPECT_EQ(PixelsNot(once, red), expected);
    EXPECT_EQ(once.pixel(3, 4), qRgb(0, 255, 255));
    EXPECT_EQ(once.pixel(11, 9), red);  // odd distance from the corner: left alone

    const QImage twice = Render(
        20, 20,
        [&](CDC& dc, QPainter&) {
            dc.DrawFocusRect(rect);
            dc.DrawFocusRect(rect);
        },
        red);
    EXPECT_TRUE(PixelsNot(twice, red).empty());
}

TEST(CDC, DropDownFrameControlDrawsAnArrowButtonWithinItsRectangle) {
    const QRgb magenta = qRgb(255, 0, 255);
    const CRect rect(5, 5, 21, 23);
    const QImage image = Render(
        30, 30,
        [&](CDC& dc, QPainter&) {
            EXPECT_TRUE(dc.DrawFrameControl(rect, DFC_SCROLL, DFCS_SCROLLDOWN));
        },
        magenta);
    const auto changed = PixelsNot(image, magenta);
    EXPECT_GT(changed.size(), static_cast<size_t>(rect.Width() * rect.Height() / 2));
    for (const auto& [x, y] : changed) {
        ASSERT_TRUE(rect.PtInRect(CPoint(x, y))) << x << "," << y;
    }
    // The arrow is darker than the button face around it.
    int darkest = 255;
    for (int y = 9; y < 19; ++y) {
        for (int x = 9; x < 17; ++x) {
            darkest = std::min(darkest, qGray(image.pixel(x, y)));
        }
    }
    EXPECT_LT(darkest, 100);

    const QImage none = Render(
        30, 30,
        [&](CDC& dc, QPainter&) {
            EXPECT_FALSE(dc.DrawFrameControl(rect, DFC_SCROLL + 1, DFCS_SCROLLDOWN));
        },
        magenta);
    EXPECT_TRUE(PixelsNot(none, magenta).empty());
}

TEST(CDC, LeavesThePainterAsItFoundIt) {
    QImage image(10, 10, QImage::Format_RGB32);
    QPainter painter(&image);
    const QFont before = painter.font();
    QFont big;
    big.setPixelSize(33);
    CFont bigFont(big);
    {
        CDC dc(&painter, nullptr);
        dc.SelectObject(&bigFont);
        dc.TextOut(0, 0, "x");
    }
    EXPECT_EQ(painter.font(), before);
}

}  // namespace
