// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "gridctrl/cellmap.h"
#include "gridctrl/subtextlist.h"
#include "platform/qt/wintypes.h"

#include <QString>
#include <QStringList>

#include <cstdint>

// m_mapCellKind value of a cell that is edited with a drop-down list and drawn with its button.
constexpr int kCellKindDropDown = 1;

// The row data of one grid node: the texts of its cells and their per-cell attributes.
// In every map, key k stands for sub-item k, that is column k + 1. A plain value: copying it
// copies everything, the choices lists included, and each copy owns its own lists.
// Memory: 88 bytes (a 96-byte heap block), plus one block for the sub-texts (see CSubTextList),
// for each map that is not empty a small array, and for a column-0 text one string.
class CGridItemInfo {
public:
    // Element k of m_arrSubTexts; an empty text when k is not an index of it.
    QString GetSubText(int k) const;

    std::uint32_t m_nUserData = 0;           // carried along by copies, never read by the grid
    std::uint32_t m_nSortSlot = 0;           // the owner's sort cache, never read by the grid
    TCellMap<int> m_mapCellKind;             // kCellKindDropDown, else a plain text cell
    TCellMap<COLORREF> m_mapCellBackColor;   // cell fill; kNoColor: none
    TCellMap<QStringList> m_mapCellChoices;  // choices of a drop-down cell
    QString m_strText;                       // column 0, the tree column
    CSubTextList m_arrSubTexts;              // element k: column k + 1
    BOOL m_bChecked = FALSE;                 // the row's check box
    int m_nImage = -1;                       // column-0 image the owner may use; -1: none
    TCellMap<int> m_mapCellImage;            // index into the grid's cell images; -1: none
    COLORREF m_crRowBack = kNoColor;         // background of column 0's text; kNoColor: none
};
