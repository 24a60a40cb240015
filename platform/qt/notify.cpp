// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/qt/notify.h"

#include "platform/qt/listctrl.h"

LRESULT SendNotify(QWidget* pParent, UINT, NMHDR* pNMHDR) {
    if (pParent == nullptr || pNMHDR == nullptr) {
        return 0;
    }
    auto* control = qobject_cast<CListCtrl*>(pNMHDR->hwndFrom);
    LRESULT result = 0;
    if (control != nullptr && control->parentWidget() == pParent) {
        control->OnChildNotify(pNMHDR, &result);
    }
    return result;
}
