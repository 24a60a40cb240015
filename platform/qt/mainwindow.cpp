// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/qt/mainwindow.h"

#include <QPointer>
#include <QWidget>

namespace {

QPointer<QWidget>& MainWindow() {
    static QPointer<QWidget> window;
    return window;
}

}  // namespace

void AfxSetMainWnd(QWidget* window) {
    MainWindow() = window;
}

QWidget* AfxGetMainWnd() {
    return MainWindow().data();
}
