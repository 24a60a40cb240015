// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QIcon>

// The program's icon, from 16 to 256 pixels, for the window and the About box.
QIcon ProgramIcon();

// Size of one toolbar button image.
inline constexpr int kToolButtonWidth = 16;
inline constexpr int kToolButtonHeight = 15;

// Button n of the toolbar strip: 16 x 15 pixels, RGB(0,255,255) transparent, with a drawing of
// twice the size for screens of device pixel ratio 2, so the buttons stay sharp there. An empty
// icon when the strip is missing.
QIcon ToolBarIcon(int n);
