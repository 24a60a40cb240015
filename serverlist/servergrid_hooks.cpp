// SPDX-License-Identifier: GPL-3.0-or-later
// The server grid's answers to the control's hooks: a read-only list whose only changeable cells
// are drop-down cells, drags gated by m_bDragEnabled and dropped onto group rows only, copies
// that keep their data, and Enter querying the selected server again.

#include "gridctrl/gridcellcombo.h"
#include "net/serverquery.h"
#include "net/serverrecord.h"
#include "platform/qt/waitcursor.h"
#include "serverlist/servergrid.h"

#include <algorithm>
#include <memory>

namespace {

// Sub-texts 0 to 7 of a server row are its reply's texts.
constexpr int kServerSubTextCount = 8;
// The drop-down cell's rectangle reaches this many rows down, so ten entries show below it.
constexpr int kComboRows = 11;

const QString kImpossible = QStringLiteral("Bugs: Impossible");
const QString kImpossibleRemark = QStringLiteral(" ( ya right )");

}  // namespace

void CServerGrid::OnCellClicked(UINT, CPoint, LVHITTESTINFO* hit) {
    const CGridItemInfo* info = hit != nullptr ? GetInfo(NodeFromRow(hit->iItem)) : nullptr;
    if (info == nullptr) {
        return;
    }
    const int key = hit->iSubItem - 1;
    const auto kind = info->m_mapCellKind.find(key);
    if (kind == info->m_mapCellKind.end() || kind->second != kCellKindDropDown) {
        return;
    }
    const auto choices = info->m_mapCellChoices.find(key);
    OpenDropDown(hit->iItem, hit->iSubItem,
                 choices != info->m_mapCellChoices.end() ? choices->second : QStringList());
}

void CServerGrid::OpenDropDown(int nRow, int nCol, const QStringList& choices) {
    CRect rect;
    if (!GetCellEditorRect(nRow, nCol, rect)) {
        return;
    }
    rect.bottom = rect.top + kComboRows * GetRowHeight();
    auto combo = std::make_unique<CGridCellCombo>(nRow, nCol, choices);
    if (!combo->Create(kComboStyle, rect, this, kComboId)) {
        return;
    }
    combo->ModifyStyleEx(0, WS_EX_CLIENTEDGE);
    int widest = -1;
    for (const QString& choice : choices) {
        widest = std::max(widest, combo->fontMetrics().horizontalAdvance(choice));
    }
    combo->SetHorizontalExtent(choices.isEmpty() ? 0 : widest + 6);
    combo->ShowDropDown(TRUE);
    combo->SelectString(-1, GetItemText(nRow, nCol));
    combo.release();  // it owns itself from now on
}

void CServerGrid::OnCellTextChanged(CGridTreeItem* node, LVITEM* item) {
    if (item == nullptr || item->pszText != kImpossible) {
        CGridTreeCtrl::OnCellTextChanged(node, item);
        return;
    }
    LVITEM remarked = *item;
    remarked.pszText = kImpossible + kImpossibleRemark;
    CGridTreeCtrl::OnCellTextChanged(node, &remarked);
}

CGridItemInfo* CServerGrid::CloneInfo(CGridItemInfo* pSource) {
    if (pSource == nullptr) {
        return nullptr;
    }
    auto copy = std::make_unique<CGridItemInfo>();
    copy->m_strText = pSource->m_strText;
    copy->m_arrSubTexts = pSource->m_arrSubTexts;
    for (int k = 0; k < pSource->m_arrSubTexts.size(); ++k) {
        const auto kind = pSource->m_mapCellKind.find(k);
        if (kind == pSource->m_mapCellKind.end()) {
            continue;
        }
        copy->m_mapCellKind[k] = kind->second;
        const auto choices = pSource->m_mapCellChoices.find(k);
        if (choices != pSource->m_mapCellChoices.end()) {
            copy->m_mapCellChoices[k] = choices->second;
        }
    }
    copy->m_mapCellBackColor = pSource->m_mapCellBackColor;
    copy->m_bChecked = pSource->m_bChecked;
    copy->m_nImage = pSource->m_nImage;
    copy->m_nUserData = pSource->m_nUserData;
    copy->m_crRowBack = pSource->m_crRowBack;
    for (const auto& [key, image] : pSource->m_mapCellImage) {
        if (image != -1) {
            copy->m_mapCellImage[key] = image;
        }
    }
    return copy.release();
}

bool CServerGrid::IsVersionOrTypeRow(const CGridTreeItem* node) const {
    return node != nullptr &&
           std::any_of(m_groupNodes.begin(), m_groupNodes.end(),
                       [node](const GroupNodeEntry& entry) { return entry.m_pNode == node; });
}

bool CServerGrid::IsGroupRow(const CGridTreeItem* node) const {
    return node != nullptr && (node == NoAnswerRoot() || IsVersionOrTypeRow(node));
}

std::unique_ptr<CImageList> CServerGrid::CreateDragImage(int) {
    return m_bDragEnabled && !IsGroupRow(NodeFromRow(m_nDragRow))
               ? CGridTreeCtrl::CreateDragImage(m_nDragRow)
               : nullptr;
}

BOOL CServerGrid::OnDropping(CGridTreeItem*, CGridTreeItem* target) {
    return IsGroupRow(target);
}

BOOL CServerGrid::OnReturnKey() {
    const int row = GetSelectedRow();
    CGridTreeItem* node = row != -1 && m_nFocusColumn != -1 ? NodeFromRow(row) : nullptr;
    return QueryRowAgain(node) ? TRUE : FALSE;
}

bool CServerGrid::QueryRowAgain(CGridTreeItem* node) {
    const CGridItemInfo* info = GetInfo(node);
    if (info == nullptr) {
        return false;
    }
    // A row whose address names no server (a group row has none) keeps its texts: nothing would
    // be sent, and writing an empty record over it would wipe its label.
    const std::string address = info->GetSubText(kAddressSubText).toLatin1().toStdString();
    if (!SplitServerAddress(address)) {
        return false;
    }
    ServerRecord record;
    {
        const CWaitCursor wait;  // the query blocks this thread for up to its time-out
        QueryServerByAddress(address, record);
    }
    TakeQueriedAgain(node, record);
    return true;
}

void CServerGrid::RewriteServerRow(CGridTreeItem* node, const ServerRecord& record,
                                   bool bKeepAddress) {
    CGridItemInfo* info = GetInfo(node);
    const std::unique_ptr<CGridItemInfo> fresh = MakeServerRowInfo(record);
    if (bKeepAddress) {
        fresh->m_arrSubTexts.set(kAddressSubText, info->GetSubText(kAddressSubText));
    }
    info->m_strText.clear();
    QStringList texts = info->m_arrSubTexts.toList();  // texts past the server's own stay
    texts.resize(std::max(texts.size(), qsizetype{kServerSubTextCount}));
    for (int k = 0; k < kServerSubTextCount; ++k) {
        texts[k] = fresh->m_arrSubTexts.at(k);
    }
    info->m_arrSubTexts = texts;
    info->m_mapCellImage[kPrivateCellKey] = record.m_private ? kCellImagePrivate : -1;
    info->m_mapCellImage[kDedicatedCellKey] = record.m_dedicated ? kCellImageDedicated : -1;
    SetDimmed(node, FALSE);
    SetInfo(node, info, TRUE);
    SetNodeHidden(node, !PassesFilter(*info));
    emit serverRowsChanged();
}
