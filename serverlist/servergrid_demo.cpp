// SPDX-License-Identifier: GPL-3.0-or-later
// The server grid's demonstration operations: the sample subtree and the find demonstration.

#include "serverlist/servergrid.h"

#include "platform/posix/usernotice.h"
#include "platform/qt/messagebox.h"

#include <algorithm>
#include <functional>
#include <vector>

namespace {

const char* const kNotFound = "not found";
const char* const kFoundItem = "Found Item";
const char* const kRowGone = "The selected row is gone";

// Equal when the texts differ at most in the letter case of ASCII letters; every other
// character must match exactly, so "\u00c9" and "\u00e9" differ.
bool EqualsIgnoringAsciiCase(QStringView a, QStringView b) {
    if (a.size() != b.size()) {
        return false;
    }
    const auto fold = [](QChar c) {
        const char16_t u = c.unicode();
        return u >= 'A' && u <= 'Z' ? static_cast<char16_t>(u - 'A' + 'a') : u;
    };
    for (qsizetype i = 0; i < a.size(); ++i) {
        if (fold(a[i]) != fold(b[i])) {
            return false;
        }
    }
    return true;
}

}  // namespace

void CServerGrid::InsertSampleItems(CGridTreeItem* parent, const QString& name) {
    if (parent == nullptr) {
        return;
    }
    SetRedraw(FALSE);
    auto info = std::make_unique<CGridItemInfo>();
    info->m_strText = name;
    info->m_arrSubTexts = {"I am", "now", "going to insert", "some items"};
    CGridTreeItem* node = InsertChildNode(parent, info.release(), !IsCollapsed(parent));
    const int m = GetColumnCount();
    for (int i = 0; i < m; ++i) {
        auto item = std::make_unique<CGridItemInfo>();
        item->m_strText = QString("Item %1").arg(i);
        for (int j = 0; j <= m - 2; ++j) {
            item->m_arrSubTexts.append(QString("SubItem %1 of %2").arg(j).arg(item->m_strText));
        }
        item->m_mapCellKind[m - 2] = kCellKindDropDown;
        for (int c = 0; c < 3; ++c) {
            item->m_mapCellChoices[m - 2].append(QString("ListItem %1").arg(c));
        }
        InsertChildNode(node, item.release(), FALSE);
    }
    SetRedraw(TRUE);
    Invalidate(TRUE);
    UpdateWindow();
}

std::vector<CGridTreeItem*> CServerGrid::PreOrderNodes() const {
    std::vector<CGridTreeItem*> nodes;
    const std::function<void(CGridTreeItem*)> visit = [&](CGridTreeItem* node) {
        nodes.push_back(node);
        for (CGridTreeItem* child : node->m_listChildren) {
            visit(child);
        }
    };
    for (CGridTreeItem* root : m_listRoots) {
        visit(root);
    }
    return nodes;
}

CGridTreeItem* CServerGrid::SearchNodes(const QString& text, const QStringList& extras) {
    if (GetItemCount() == 0) {
        return nullptr;
    }
    for (CGridTreeItem* node : PreOrderNodes()) {
        const CGridItemInfo* info = GetInfo(node);
        if (info->m_strText != text) {
            continue;
        }
        const CSubTextList& subTexts = info->m_arrSubTexts;
        const bool allExtrasMatch =
            std::all_of(extras.begin(), extras.end(), [&](const QString& extra) {
                for (int k = 0; k < subTexts.size(); ++k) {
                    if (EqualsIgnoringAsciiCase(subTexts.view(k), extra)) {
                        return true;
                    }
                }
                return false;
            });
        if (allExtrasMatch) {
            return node;
        }
    }
    return nullptr;
}

CGridTreeItem* CServerGrid::SearchSubtree(CGridTreeItem* node, const QString& text) {
    if (node == nullptr) {
        return nullptr;
    }
    if (GetInfo(node)->m_strText == text) {
        return node;
    }
    for (CGridTreeItem* child : node->m_listChildren) {
        if (GetInfo(child)->m_strText == text) {
            return child;
        }
    }
    for (CGridTreeItem* child : node->m_listChildren) {
        if (CGridTreeItem* found = SearchSubtree(child, text)) {
            return found;
        }
    }
    return nullptr;
}

bool CServerGrid::HeldNodeRemains(const CGridTreeItem* node) {
    if (ContainsNode(node)) {
        return true;
    }
    SetStatusText(kRowGone);
    return false;
}

// The node's row is taken again after each box: rows below and above it may have come meanwhile.
void CServerGrid::OfferToDelete(CGridTreeItem* node) {
    AfxMessageBox(QString(kFoundItem) + " " + GetInfo(node)->m_strText);
    if (!HeldNodeRemains(node) || RevealNode(node) == -1 ||
        AfxMessageBox("Do you want to delete it", MB_OKCANCEL) != IDOK || !HeldNodeRemains(node)) {
        return;
    }
    DeleteNodeAndRows(node, RevealNode(node));
}

void CServerGrid::RunFindDemo() {
    // The extra texts of the second and third search are sample sub-texts (InsertSampleItems).
    const auto tell = [this](CGridTreeItem* found, const char* separator) {
        AfxMessageBox(found != nullptr ? QString(kFoundItem) + separator + GetInfo(found)->m_strText
                                       : QString(kNotFound));
    };
    tell(SearchNodes("Hello World", {"Happy", "Programming"}), " ");
    tell(SearchNodes("Mission: Impossible", {"going to insert"}), " ");
    tell(SearchNodes("Training Agent", {"some items"}), "");

    if (CGridTreeItem* found = SearchNodes("BC")) {
        OfferToDelete(found);
    } else {
        AfxMessageBox(kNotFound);
    }

    // The roots are held across the boxes: one that went meanwhile (deleted as a find) is skipped.
    const std::vector<CGridTreeItem*> roots(m_listRoots.begin(), m_listRoots.end());
    CGridTreeItem* found = nullptr;
    for (CGridTreeItem* root : roots) {
        found = ContainsNode(root) ? SearchSubtree(root, "AB") : nullptr;
        if (found != nullptr) {
            OfferToDelete(found);
        }
    }
    if (found == nullptr) {
        AfxMessageBox(kNotFound);
    }
}
