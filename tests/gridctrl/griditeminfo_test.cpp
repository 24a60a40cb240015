#include "gridctrl/griditeminfo.h"

#include <gtest/gtest.h>

TEST(CGridItemInfo, GetSubTextIsEmptyOutsideTheSubTexts) {
    CGridItemInfo info;
    info.m_arrSubTexts = QStringList{"zero", "one"};
    const std::pair<int, const char*> cases[] = {
        {0, "zero"}, {1, "one"}, {2, ""}, {-1, ""}, {1000, ""}};
    for (const auto& [k, expected] : cases) {
        EXPECT_EQ(info.GetSubText(k), QString(expected)) << k;
    }
}
