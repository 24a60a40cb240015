// SPDX-License-Identifier: GPL-3.0-or-later
#include "gridctrl/griditeminfo.h"

QString CGridItemInfo::GetSubText(int k) const {
    return m_arrSubTexts.at(k);
}
