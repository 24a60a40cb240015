#include "platform/qt/syscolors.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QPalette>
#include <QWidget>

namespace {

TEST(SysColors, ComeFromTheWidgetsPaletteElseTheApplications) {
    QWidget widget;
    QPalette palette = widget.palette();
    struct Case {
        int index;
        QPalette::ColorGroup group;
        QPalette::ColorRole role;
        COLORREF colour;
    };
    const Case cases[] = {
        {COLOR_WINDOW, QPalette::Active, QPalette::Base, RGB(1, 2, 3)},
        {COLOR_WINDOWTEXT, QPalette::Active, QPalette::Text, RGB(4, 5, 6)},
        {COLOR_HIGHLIGHT, QPalette::Active, QPalette::Highlight, RGB(7, 8, 9)},
        {COLOR_HIGHLIGHTTEXT, QPalette::Active, QPalette::HighlightedText, RGB(10, 11, 12)},
        {COLOR_BTNFACE, QPalette::Active, QPalette::Button, RGB(13, 14, 15)},
        {COLOR_GRAYTEXT, QPalette::Disabled, QPalette::Text, RGB(16, 17, 18)},
    };
    for (const Case& c : cases) {
        palette.setColor(c.group, c.role,
                         QColor(GetRValue(c.colour), GetGValue(c.colour), GetBValue(c.colour)));
    }
    widget.setPalette(palette);
    const QPalette app = QApplication::palette();
    for (const Case& c : cases) {
        EXPECT_EQ(GetSysColor(c.index, &widget), c.colour) << c.index;
        const QColor expected = app.color(c.group, c.role);
        EXPECT_EQ(GetSysColor(c.index), RGB(expected.red(), expected.green(), expected.blue()))
            << c.index;
    }
    EXPECT_EQ(GetSysColor(999, &widget), RGB(0, 0, 0));
}

TEST(SysColors, ScrollBarWidthComesFromTheStyle) {
    EXPECT_GT(GetSystemMetrics(SM_CXVSCROLL), 5);
    EXPECT_EQ(GetSystemMetrics(-1), 0);
}

}  // namespace
