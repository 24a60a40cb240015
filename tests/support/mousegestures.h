// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Mouse gestures on a widget as a real pointer makes them: a move with buttons held, the press and
// move past the drag distance that begin a drag, and the drop. Header-only: the support library
// is also built without Qt, and only the widget test programs include this.

#include <QApplication>
#include <QMouseEvent>
#include <QTest>

namespace kr::test {

// A move to `to` with the buttons held, which QTest's own move does not carry.
inline void MoveMouse(QWidget* widget, QPoint to, Qt::MouseButtons buttons = Qt::LeftButton) {
    QMouseEvent move(QEvent::MouseMove, to, widget->mapToGlobal(to), Qt::NoButton, buttons,
                     Qt::NoModifier);
    QApplication::sendEvent(widget, &move);
}

// Presses the left button at `at` and moves just past the drag distance: a drag begins where one
// may. The press is handled first, as a screen shows it before the pointer moves on.
inline void BeginDrag(QWidget* widget, QPoint at) {
    QTest::mousePress(widget, Qt::LeftButton, {}, at);
    QCoreApplication::processEvents();
    MoveMouse(widget, at + QPoint(QApplication::startDragDistance() + 2, 0));
}

// Moves to `at` with the left button held and releases it there.
inline void DropAt(QWidget* widget, QPoint at) {
    MoveMouse(widget, at);
    QTest::mouseRelease(widget, Qt::LeftButton, {}, at);
}

}  // namespace kr::test
