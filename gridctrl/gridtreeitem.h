// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "gridctrl/griditeminfo.h"
#include "platform/qt/wintypes.h"

#include <cstddef>
#include <vector>

class CGridTreeItem;
// Children in one array: walking them reads consecutive memory, and each child costs one pointer.
using GridNodeList = std::vector<CGridTreeItem*>;

// A place in a list of grid nodes, handed out by the grid's Get...Position calls and advanced by
// its GetNext... calls; null (false) after the last node. A position is an index into its list:
// it stays valid while nodes are added to the list; a node removed before it moves it one node on.
class POSITION {
public:
    POSITION() = default;
    POSITION(std::nullptr_t) {}
    explicit operator bool() const { return m_bValid; }
    bool operator==(std::nullptr_t) const { return !m_bValid; }

private:
    friend class CGridTreeCtrl;
    explicit POSITION(std::size_t index) : m_index(index), m_bValid(true) {}

    std::size_t m_index = 0;
    bool m_bValid = false;
};

// One node of the grid's tree. The node owns its children and they own their row data: freeing a
// node frees its whole subtree with the row data of every node below it, but not its own m_pInfo
// (whoever frees a node frees that first). The grid reads and changes nodes through its own
// accessors; the fields are open for the grid's owners that reorder children (sorting).
class CGridTreeItem {
public:
    CGridTreeItem() = default;
    CGridTreeItem(const CGridTreeItem&) = delete;
    CGridTreeItem& operator=(const CGridTreeItem&) = delete;
    ~CGridTreeItem() {
        for (CGridTreeItem* child : m_listChildren) {
            delete child->m_pInfo;
            delete child;
        }
    }

    GridNodeList m_listChildren;         // in insertion order; owned
    CGridTreeItem* m_pParent = nullptr;  // null for a root
    CGridItemInfo* m_pInfo = nullptr;    // row data
    int m_nRow = -1;                     // the row as last numbered; meaningful while shown
    int m_nLevel = 0;                    // 1 for a root, the parent's level + 1 below
    // Children that have children of their own; kept by the grid as it adds and removes nodes
    // (reordering children leaves it right), so that collapsing a node whose children are all
    // leaves looks at none of them.
    int m_nBranchChildren = 0;
    // Flags as single bytes: the node stays at 56 bytes, which the allocator keeps in a 64-byte
    // block (at 64 bytes it takes 80).
    bool m_bCollapsed = false;  // the children have no rows
    bool m_bHidden = false;     // filtered out: no row for it or anything below it
    bool m_bDimmed = false;     // drawn in the disabled text colour
};
static_assert(sizeof(void*) != 8 || sizeof(CGridTreeItem) <= 56, "a node outgrew its block");

// Asks for node i + 16 of the list and for the row data of node i + 8 ahead of their turn, for a
// walk over many nodes that reads each node and its row data: nodes and row data lie apart on
// the heap, and reads asked for ahead overlap instead of waiting one after another.
// Always inlined: the compiler drops a call to a function without side effects.
[[gnu::always_inline]] inline void PrefetchAhead(const GridNodeList& nodes, std::size_t i) {
    constexpr std::size_t kAhead = 8;
    if (i + 2 * kAhead < nodes.size()) {
        __builtin_prefetch(nodes[i + 2 * kAhead]);
    }
    if (i + kAhead < nodes.size()) {
        __builtin_prefetch(nodes[i + kAhead]->m_pInfo);
    }
}
