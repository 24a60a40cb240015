// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/qt/wintypes.h"

class QWidget;

// System colours and metrics, taken from Qt's palette and style so the grid follows the desktop's
// theme. Needs a QApplication. UI thread only.

// COLOR_WINDOW / COLOR_WINDOWTEXT are the palette's Base / Text (the background and text of lists),
// COLOR_HIGHLIGHT / COLOR_HIGHLIGHTTEXT its Highlight / HighlightedText, COLOR_BTNFACE its Button,
// COLOR_GRAYTEXT the disabled Text. From the widget's palette when one is given, else the
// application's. An unknown index gives black.
COLORREF GetSysColor(int index, const QWidget* widget = nullptr);

// The colour `weight` / 255 of the way from `from` to `to`, channel by channel (rounded).
COLORREF BlendColors(COLORREF from, COLORREF to, int weight);
// SM_CXVSCROLL: the width of a vertical scroll bar in the application style. Unknown: 0.
int GetSystemMetrics(int index);
