#include "platform/qt/syscolors.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QWidget>

namespace {

TEST(SysColors, ComeFromTheWidgetsPaletteElseTheApplications) {
    QWidget widget;
    QPalette palette = widget.palette();
    palette.setColor(QPalette::Active, QPalette::Highlight, QColor(7, 8, 9));
    palette.setColor(QPalette::Active, QPalette::Base, QColor(1, 2, 3));
    palette.setColor(QPalette::Disabled, QPalette::Text, QColor(16, 17, 18));
    widget.setPalette(palette);
    EXPECT_EQ(GetSysColor(COLOR_HIGHLIGHT, &widget), RGB(7, 8, 9));
    EXPECT_EQ(GetSysColor(COLOR_WINDOW, &widget), RGB(1, 2, 3));
    EXPECT_EQ(GetSysColor(COLOR_GRAYTEXT, &widget), RGB(16, 17, 18));
    const QColor text = QApplication::palette().color(QPalette::Active, QPalette::HighlightedText);
    EXPECT_EQ(GetSysColor(COLOR_HIGHLIGHTTEXT), RGB(text.red(), text.green(), text.blue()));
    EXPECT_EQ(GetSysColor(999, &widget), RGB(0, 0, 0));
    EXPECT_GT(GetSystemMetrics(SM_CXVSCROLL), 5);
}

}  // namespace
