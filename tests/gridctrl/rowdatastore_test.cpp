// SPDX-License-Identifier: GPL-3.0-or-later
// The row data's compact stores: the sub-texts' single block and the per-cell maps.

#include "gridctrl/cellmap.h"
#include "gridctrl/subtextlist.h"

#include <gtest/gtest.h>

namespace {

TEST(SubTextList, KeepsEveryTextAsGivenThroughChangesAndCopies) {
    CSubTextList texts =
        CSubTextList::FromLatin1({"12", "", "caf\xE9", std::string_view("a\0b", 3)});
    EXPECT_EQ(texts.toList(),
              QStringList({"12", "", u"caf\u00e9"_qs, QString::fromLatin1("a\0b", 3)}));
    const CSubTextList copy = texts;
    texts.set(6, u"\u043a\u0430\u0440\u0442\u0430 \U0001F5FA"_qs);  // grows with empty texts
    texts.set(0, "123456789");
    texts.set(-1, "refused");
    EXPECT_EQ(texts.toList(),
              QStringList({"123456789", "", u"caf\u00e9"_qs, QString::fromLatin1("a\0b", 3), "", "",
                           u"\u043a\u0430\u0440\u0442\u0430 \U0001F5FA"_qs}));
    EXPECT_EQ(copy.toList().size(), 4);  // the copy has a block of its own
    EXPECT_EQ(copy.view(2), u"caf\u00e9");
    for (const int outside : {-1, 7, 1000}) {
        EXPECT_TRUE(texts.view(outside).isEmpty() && texts.at(outside).isNull()) << outside;
    }
    EXPECT_EQ(CSubTextList(texts.toList()).toList(), texts.toList());
    EXPECT_TRUE(CSubTextList().isEmpty() && CSubTextList(QStringList()).view(0).isEmpty());
}

TEST(CellMap, KeepsKeysInOrderAndCopiesApart) {
    TCellMap<int> map;
    EXPECT_TRUE(map.empty() && map.find(3) == map.end() && map.begin() == map.end());
    for (const int key : {6, 2, 9, 2}) {
        map[key] += key;
    }
    TCellMap<int> copy = map;
    copy[1] = -1;
    EXPECT_EQ(map, (TCellMap<int>{{2, 4}, {6, 6}, {9, 9}}));
    EXPECT_EQ(copy.size(), 4u);
    EXPECT_EQ(copy.begin()->first, 1);
    EXPECT_TRUE(map.find(6) != map.end() && map.find(6)->second == 6 && map.find(5) == map.end());
}

}  // namespace
