// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QVariant>
#include <QWidget>

// Control ids of child windows (a status bar is 59393, a progress bar in it 1), kept as a widget
// property so a window can be found among its parent's descendants by id.

inline void SetDlgCtrlID(QWidget* widget, int id) {
    widget->setProperty("kr_ctrlId", id);
}

// The widget's control id; 0 when it has none.
inline int GetDlgCtrlID(const QWidget* widget) {
    return widget->property("kr_ctrlId").toInt();
}
