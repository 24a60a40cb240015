// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/appicons.h"

#include <QBitmap>
#include <QPixmap>

namespace {
constexpr int kProgramIconSizes[] = {16, 24, 32, 48, 64, 128, 256};
}  // namespace

QIcon ProgramIcon() {
    QIcon icon;
    for (const int size : kProgramIconSizes) {
        icon.addFile(QString(":/res/icons/korvath-browser-%1.png").arg(size), QSize(size, size));
    }
    return icon;
}

QIcon ToolBarIcon(int n) {
    const QPixmap strip(":/res/toolbar.png");
    if (strip.isNull()) {
        return QIcon();
    }
    QPixmap button = strip.copy(n * kToolButtonWidth, 0, kToolButtonWidth, kToolButtonHeight);
    button.setMask(button.createMaskFromColor(QColor(0, 255, 255)));
    QIcon icon(button);
    const QPixmap large(":/res/toolbar@2x.png");
    if (!large.isNull()) {
        QPixmap button2x =
            large.copy(2 * n * kToolButtonWidth, 0, 2 * kToolButtonWidth, 2 * kToolButtonHeight);
        button2x.setDevicePixelRatio(2.0);
        icon.addPixmap(button2x);
    }
    return icon;
}
