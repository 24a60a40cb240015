// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

class QWidget;

// The program's main window, as the application registers it, so that parts which have no
// pointer to it (the status-bar progress bar) can find it. The pointer clears itself when the
// window is destroyed. UI thread only.
void AfxSetMainWnd(QWidget* window);
// The registered main window, or null.
QWidget* AfxGetMainWnd();
