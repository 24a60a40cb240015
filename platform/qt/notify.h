// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/qt/wintypes.h"

class QWidget;

// WM_NOTIFY sent to pParent for its child control idCtrl, handled at once. A parent needs to know
// nothing about it: its default handling hands the notification back to the control named in
// pNMHDR->hwndFrom (OnChildNotify), when that is a list control among pParent's children. So a
// grid reached through its parent works inside a view, a dialog or any other widget. The result
// is the control's, 0 when nobody handled it (no parent, or the control is not pParent's).
// UI thread only; the record need only live for the call.
LRESULT SendNotify(QWidget* pParent, UINT idCtrl, NMHDR* pNMHDR);
