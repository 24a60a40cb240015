// SPDX-License-Identifier: GPL-3.0-or-later
#include "serverlist/pingsort.h"

#include "serverlist/servergrid.h"
#include "serverlist/sortorder.h"

#include <algorithm>
#include <climits>
#include <utility>
#include <vector>

namespace {

bool IsBlank(QChar c) {
    return c == u' ' || c == u'\t' || c == u'\n' || c == u'\v' || c == u'\f' || c == u'\r';
}

int NodePing(const CGridTreeItem* node) {
    return node != nullptr && node->m_pInfo != nullptr
               ? PingTextValue(node->m_pInfo->m_arrSubTexts.view(0))
               : 0;
}

// Puts the nodes of the list in ping order through one array of their pointers, each with its
// ping read once, which is then written back position by position. Equal nodes keep their order.
void SortNodeList(GridNodeList& nodes) {
    std::vector<std::pair<int, CGridTreeItem*>> sorted;
    sorted.reserve(nodes.size());
    for (std::size_t i = 0; i < nodes.size(); ++i) {
        PrefetchAhead(nodes, i);
        sorted.emplace_back(NodePing(nodes[i]), nodes[i]);
    }
    std::stable_sort(sorted.begin(), sorted.end(),
                     [](const auto& a, const auto& b) { return a.first < b.first; });
    auto slot = nodes.begin();
    for (const auto& entry : sorted) {
        *slot++ = entry.second;
    }
}

}  // namespace

int PingTextValue(QStringView text) {
    qsizetype i = 0;
    while (i < text.size() && IsBlank(text[i])) {
        ++i;
    }
    bool negative = false;
    if (i < text.size() && (text[i] == u'+' || text[i] == u'-')) {
        negative = text[i] == u'-';
        ++i;
    }
    constexpr long long kLimit = static_cast<long long>(INT_MAX) + 1;  // magnitude of INT_MIN
    long long value = 0;
    for (; i < text.size() && text[i] >= u'0' && text[i] <= u'9'; ++i) {
        value = std::min(value * 10 + (text[i].unicode() - u'0'), kLimit);
    }
    return static_cast<int>(negative ? -value : std::min(value, kLimit - 1));
}

int ComparePingText(const CGridTreeItem* a, const CGridTreeItem* b) {
    const int pingA = NodePing(a);
    const int pingB = NodePing(b);
    return (pingA > pingB) - (pingA < pingB);
}

void CServerGrid::SortChildNodes(CGridTreeItem* node, BOOL bRecursive) {
    if (node == nullptr) {
        return;
    }
    if (node->m_listChildren.size() > 1) {
        SortServerNodes(node->m_listChildren, m_sortOrder, m_collationRanks);
    }
    if (bRecursive && node->m_nBranchChildren > 0) {  // leaves have nothing to sort
        for (CGridTreeItem* child : node->m_listChildren) {
            SortChildNodes(child, TRUE);
        }
    }
}

void CServerGrid::SortTree(BOOL bSortChildren) {
    if (m_listRoots.empty()) {
        return;
    }
    // Collapsing before any reordering removes the rows while they still follow the tree.
    for (CGridTreeItem* root : m_listRoots) {
        CollapseNode(root);
    }
    if (bSortChildren) {
        m_collationRanks.Trim();
        for (CGridTreeItem* root : m_listRoots) {
            SortChildNodes(root, TRUE);
        }
    }
    DeleteAllItems();
    SortNodeList(m_listRoots);
    int row = 0;
    for (CGridTreeItem* root : m_listRoots) {
        InsertNodeRow(root, row++, root->m_nLevel, FALSE);
    }
    RenumberRows();
}

void CServerGrid::SetSortOrder(const SortOrder& order) {
    m_sortOrder = order;
}

void CServerGrid::Resort() {
    const int top = GetTopIndex();
    m_collationRanks.Trim();
    for (CGridTreeItem* root : m_listRoots) {
        SortChildNodes(root, TRUE);
    }
    SetHiddenNodes([](const CGridTreeItem* node) { return node->m_bHidden != FALSE; });
    Scroll(CSize(0, (top - GetTopIndex()) * GetRowHeight()));
}
