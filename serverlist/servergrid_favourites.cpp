// SPDX-License-Identifier: GPL-3.0-or-later
// The server grid's favourites: the star on favourite rows, Ctrl+D on the selected row, and the
// root "Favourites (no answer)" for favourites a refresh could not file into a group.

#include "net/serverrecord.h"
#include "serverlist/servergrid.h"

#include <memory>

bool CServerGrid::IsFavouriteRow(const CGridTreeItem* node) const {
    const CGridItemInfo* info = GetInfo(node);
    return info != nullptr && !HasChildren(node) && HasFavouriteAddress(*info);
}

bool CServerGrid::HasFavouriteAddress(const CGridItemInfo& info) const {
    return !m_favourites.IsEmpty() && m_favourites.Contains(info.GetSubText(kAddressSubText));
}

CServerGrid::FavouriteToggle CServerGrid::SelectedFavouriteToggle() const {
    const CGridTreeItem* node = NodeFromRow(GetSelectedRow());
    const CGridItemInfo* info = GetInfo(node);
    if (info == nullptr || HasChildren(node)) {
        return FavouriteToggle::None;
    }
    const QString address = info->GetSubText(kAddressSubText);
    if (m_favourites.Contains(address)) {
        return FavouriteToggle::Remove;
    }
    return m_favourites.Entries().size() < CFavouriteServers::kMaxFavourites &&
                   CFavouriteServers::IsAddress(address)
               ? FavouriteToggle::Add
               : FavouriteToggle::None;
}

bool CServerGrid::ToggleSelectedFavourite() {
    const FavouriteToggle toggle = SelectedFavouriteToggle();
    if (toggle == FavouriteToggle::None) {
        return false;
    }
    const QString address = GetInfo(NodeFromRow(GetSelectedRow()))->GetSubText(kAddressSubText);
    if (toggle == FavouriteToggle::Add) {
        m_favourites.Add(address);
    } else {
        m_favourites.Remove(address);
    }
    viewport()->update();  // every row of that server changes its image
    emit favouritesChanged();
    return true;
}

CGridTreeItem* CServerGrid::NoAnswerRoot() const {
    return IsRootNode(m_pNoAnswerRoot) ? m_pNoAnswerRoot : nullptr;
}

void CServerGrid::FileUngroupedFavourite(const ServerRecord& record) {
    if (m_favourites.IsEmpty()) {
        return;
    }
    const QString favourite = m_favourites.Find(QString::fromLatin1(record.m_address.c_str()));
    if (favourite.isEmpty()) {
        return;
    }
    CGridTreeItem* root = NoAnswerRoot();
    if (root == nullptr) {
        // Its ping text compares like the versions', so the sort, which keeps equal roots in
        // order, leaves it last.
        auto info = std::make_unique<CGridItemInfo>();
        info->m_strText = tr("Favourites (no answer)");
        info->m_nImage = kTreeImageFavourite;
        info->m_arrSubTexts.append(QStringLiteral(" "));
        root = m_pNoAnswerRoot = InsertRootNode(info.release());
    }
    std::unique_ptr<CGridItemInfo> info = MakeServerRowInfo(record);
    info->m_arrSubTexts.set(kAddressSubText, favourite);
    InsertServerNode(root, std::move(info));
}
