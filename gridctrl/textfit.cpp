// SPDX-License-Identifier: GPL-3.0-or-later
#include "gridctrl/textfit.h"

#include "platform/qt/dc.h"

FittedText FitTextToWidth(const CDC& dc, const QString& text, int width, int offset,
                          const QString& ellipsis) {
    return FitTextToWidthBy([&dc](const QString& s) { return dc.GetTextExtent(s).cx; }, text, width,
                            offset, ellipsis);
}
