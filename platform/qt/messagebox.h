// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/qt/wintypes.h"

#include <QString>

// Message box types.
constexpr UINT MB_OK = 0x0000;
constexpr UINT MB_OKCANCEL = 0x0001;

// The application's modal message box: the application's name as its title, the text, an OK
// button (MB_OK) or OK and Cancel (MB_OKCANCEL), and an exclamation icon, as the application's
// boxes have when the caller names no other. Owned by the active window (else the main window).
// Returns IDOK, or IDCANCEL when the box was cancelled or closed. UI thread only; it waits in a
// nested event loop until the box is answered.
int AfxMessageBox(const QString& text, UINT nType = MB_OK);
