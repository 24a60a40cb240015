#pragma once

#include "gridctrl/griditeminfo.h"
#include "platform/qt/wintypes.h"

#include <cstddef>
#include <list>

class CGridTreeItem;
using GridNodeList = std::list<CGridTreeItem*>;

// A place in a list of grid nodes, handed out by the grid's Get...Position calls and advanced by
// its GetNext... calls; null (false) after the last node. A position stays valid while nodes are
// added to its list or other nodes are removed from it.
class POSITION {
public:
    POSITION() = default;
    POSITION(std::nullptr_t) {}
    explicit operator bool() const { return m_bValid; }
    bool operator==(std::nullptr_t) const { return !m_bValid; }

private:
    friend class CGridTreeCtrl;
    explicit POSITION(GridNodeList::const_iterator it) : m_it(it), m_bValid(true) {}

    GridNodeList::const_iterator m_it{};
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
        m_listChildren.clear();
    }

    GridNodeList m_listChildren;         // in insertion order; owned
    CGridTreeItem* m_pParent = nullptr;  // null for a root
    CGridItemInfo* m_pInfo = nullptr;    // row data
    BOOL m_bCollapsed = FALSE;           // the children have no rows
    BOOL m_bHidden = FALSE;              // filtered out: no row for it or anything below it
    int m_nRow = -1;                     // the row as last numbered; meaningful while shown
    int m_nLevel = 0;                    // 1 for a root, the parent's level + 1 below
};
