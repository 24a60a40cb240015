// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/qt/wintypes.h"

// The input state as the latest input events left it, for code written against the message
// state of the window system. UI thread only.

// Starts following the application's key and mouse events. Call once a QApplication exists;
// further calls do nothing.
void TrackInputState();

// Negative while the key is down (its latest key event was a press), else 0. Only VK_ESCAPE is
// followed; every other key reads 0. A deactivated window clears it (its release may go
// elsewhere).
short GetKeyState(int nVirtKey);

// Screen position of the pointer in the latest mouse event; the cursor's position before any.
CPoint GetMessagePos();
