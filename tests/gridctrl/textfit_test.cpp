// SPDX-License-Identifier: GPL-3.0-or-later
#include "gridctrl/textfit.h"

#include <gtest/gtest.h>

// With the grid's real font the fit is held by the right-aligned text of the drawing tests.
TEST(TextFit, KeepsOrShortensToTheLongestFittingRestInFewMeasures) {
    const struct {
        const char* text;
        int width, offset;
        const char* result;
        int measures;  // at most
    } cases[] = {
        {"", 0, 2, "", 0},
        {"abcd", 42, 2, "abcd", 1},        // 40 + 2 fits exactly
        {"abcd", 41, 2, "a...", 4},        // nothing shorter fits: the first character stays
        {"abcdefgh", 67, 6, "abc...", 5},  // 30 + 30 + 6 < 67
        {"abcdefgh", 66, 6, "ab...", 5},   // 66 is not less than 66
        {"abcdefghijklmnopqrstuvwxyzabcdefghijklmnopqrstuvwxyzabcdefghijklmnopqrstuvwxyz", 700, 6,
         "abcdefghijklmnopqrstuvwxyzabcdefghijklmnopqrstuvwxyzabcdefghijklmn...", 9},
    };
    for (const auto& c : cases) {
        int measures = 0;
        auto tenPerCharacter = [&](const QString& s) { return ++measures, 10 * int(s.size()); };
        const FittedText fitted = FitTextToWidthBy(tenPerCharacter, c.text, c.width, c.offset);
        EXPECT_EQ(fitted.text, c.result) << c.text << " in " << c.width;
        EXPECT_LE(measures, c.measures) << c.text << " in " << c.width;
    }
}
