#include "gridctrl/griditeminfo.h"

#include <gtest/gtest.h>

namespace {

TEST(CGridItemInfo, GetSubTextIsEmptyOutsideTheSubTexts) {
    CGridItemInfo info;
    info.m_arrSubTexts << "zero"
                       << "one";
    const struct {
        int k;
        const char* expected;
    } cases[] = {{0, "zero"}, {1, "one"}, {2, ""}, {-1, ""}, {1000, ""}};
    for (const auto& c : cases) {
        EXPECT_EQ(info.GetSubText(c.k), QString(c.expected)) << c.k;
    }
}

TEST(CGridItemInfo, CopiesOwnTheirChoices) {
    CGridItemInfo info;
    info.m_mapCellChoices[3] << "ListItem 0"
                             << "ListItem 1";
    CGridItemInfo copy = info;
    copy.m_mapCellChoices[3].append("ListItem 2");
    EXPECT_EQ(info.m_mapCellChoices[3].size(), 2);
}

}  // namespace
