#include "gridctrl/griditeminfo.h"

QString CGridItemInfo::GetSubText(int k) const {
    return k >= 0 && k < m_arrSubTexts.size() ? m_arrSubTexts[k] : QString();
}
