// SPDX-License-Identifier: GPL-3.0-or-later
// The view's commands on the selected server or group row, "Refresh List" and "Query Shown
// Servers".

#include "app/browserview.h"
#include "app/commandids.h"
#include "app/joinlink.h"
#include "app/privatejoin.h"

#include <QClipboard>
#include <QGuiApplication>

bool CBrowserView::OnServerCommand(int id) {
    switch (id) {
        case ID_REFRESH_LIST:
            RunRefresh(&CServerGrid::RefreshListAgain);
            return true;
        case ID_QUERY_SHOWN:
            RunRefresh(&CServerGrid::QueryShownServers);
            return true;
        case ID_JOIN_SERVER:
            OnJoinServer();
            return true;
        case ID_QUICK_JOIN:
            OnQuickJoin();
            return true;
        case ID_QUERY_AGAIN:
            m_wndGrid.OnReturnKey();
            return true;
        case ID_EDIT_COPY:
            CopySelectedAddress(false);
            return true;
        case ID_COPY_JOIN_LINK:
            CopySelectedAddress(true);
            return true;
        case ID_FAVOURITE_TOGGLE:
            m_wndGrid.ToggleSelectedFavourite();
            return true;
        case ID_FORGET_PASSWORD:
            ForgetServerPassword(m_wndGrid.SelectedServerAddress(), this);
            return true;
        case ID_GROUP_EXPAND_ALL:
            SendKeyDown(Qt::Key_Asterisk, Qt::KeypadModifier);
            return true;
        case ID_GROUP_COLLAPSE:
            SendKeyDown(Qt::Key_Minus, Qt::KeypadModifier);
            return true;
        default:
            return false;
    }
}

void CBrowserView::CopySelectedAddress(bool bAsJoinLink) {
    const QString address = m_wndGrid.SelectedServerAddress();
    if (!address.isEmpty()) {
        QGuiApplication::clipboard()->setText(bAsJoinLink ? JoinLinkFor(address) : address);
    }
}
