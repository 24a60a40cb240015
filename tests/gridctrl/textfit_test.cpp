#include "gridctrl/textfit.h"

#include "platform/qt/dc.h"

#include <gtest/gtest.h>

#include <QImage>
#include <QPainter>
#include <QWidget>

TEST(TextFit, KeepsOrShortensToTheLongestFittingRestInFewMeasures) {
    const struct {
        const char* text;
        int width, offset;
        const char* result;
        int measures;  // at most
    } cases[] = {
        {"", 0, 2, "", 0},
        {"abcd", 42, 2, "abcd", 1},  // 40 + 2 fits exactly
        {"abcd", 41, 2, "a...", 4},  // nothing shorter fits: the first character stays
        {"abcdefgh", 70, 6, "abc...", 5},
        {"abcdefgh", 67, 6, "abc...", 5},  // 30 + 30 + 6 < 67
        {"abcdefgh", 66, 6, "ab...", 5},   // 66 is not less than 66
        {"x", 5, 0, "x...", 2},
        {"abcdefghijklmnopqrstuvwxyzabcdefghijklmnopqrstuvwxyzabcdefghijklmnopqrstuvwxyz", 700, 6,
         "abcdefghijklmnopqrstuvwxyzabcdefghijklmnopqrstuvwxyzabcdefghijklmn...", 9},
    };
    for (const auto& c : cases) {
        int measures = 0;
        auto tenPerCharacter = [&](const QString& s) { return ++measures, 10 * int(s.size()); };
        const FittedText fitted = FitTextToWidthBy(tenPerCharacter, c.text, c.width, c.offset);
        EXPECT_EQ(fitted.text, c.result) << c.text << " in " << c.width;
        EXPECT_EQ(fitted.bShortened, fitted.text != c.text) << c.text << " in " << c.width;
        EXPECT_LE(measures, c.measures) << c.text << " in " << c.width;
    }
}

TEST(TextFit, MeasuresWithTheContextsFont) {
    QWidget widget;
    QImage image(10, 10, QImage::Format_RGB32);
    QPainter painter(&image);
    CDC dc(&painter, &widget);
    const QString text = "Deathmatch server";
    const int width = dc.GetTextExtent(text).cx;
    EXPECT_EQ(FitTextToWidth(dc, text, width + 6, 6).text, text);
    const FittedText cut = FitTextToWidth(dc, text, width + 5, 6);
    EXPECT_TRUE(cut.bShortened && cut.text.endsWith("..."));
    EXPECT_LT(dc.GetTextExtent(cut.text.chopped(3)).cx + dc.GetTextExtent("...").cx + 6, width + 5);
}
