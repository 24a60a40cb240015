// SPDX-License-Identifier: GPL-3.0-or-later
// Join: the selected server is queried again, the user asked when it cannot take a player and
// for the password of a private server, and the game started on its address.

#include "app/browserview.h"
#include "app/gamecommand.h"
#include "app/gamelauncher.h"
#include "app/privatejoin.h"
#include "net/favouriteaddress.h"

#include <QMessageBox>

namespace {

// The question for a server that cannot take a player now; empty for one that can.
QString JoinAnywayQuestion(ServerAvailability availability, const QString& address) {
    switch (availability) {
        case ServerAvailability::Full:
            return CBrowserView::tr("The server %1 is full. Join it anyway?").arg(address);
        case ServerAvailability::NoAnswer:
            return CBrowserView::tr("The server %1 does not answer. Join it anyway?").arg(address);
        case ServerAvailability::Open:
            break;
    }
    return QString();
}

}  // namespace

void CBrowserView::OnJoinServer() {
    CGridTreeItem* node = m_wndGrid.SelectedServerNode();
    if (node == nullptr) {
        return;
    }
    // The row holds "ip:port" as the master listed it (its port may be 0), or under "Favourites
    // (no answer)" the text the user added. One that no game can join is not queried again.
    const QString address = m_wndGrid.GetInfo(node)->GetSubText(kAddressSubText);
    const std::optional<ServerAddress> server = ParseFavouriteAddress(address.toStdString());
    if (!server) {
        ShowJoinWarning(UnjoinableAddressReason(address), this);
        return;
    }
    m_wndGrid.OnReturnKey();  // blocks for up to the query's time-out; the node stays
    const ServerAvailability availability = ReadServerAvailability(*m_wndGrid.GetInfo(node));
    const QString question = JoinAnywayQuestion(availability, address);
    if (availability == ServerAvailability::Full) {
        if (!AskToJoinFullServer(question, node)) {  // it may start a wait for a slot
            return;
        }
    } else if (!question.isEmpty() && QMessageBox::question(this, JoinBoxTitle(), question,
                                                            QMessageBox::Yes | QMessageBox::No,
                                                            QMessageBox::No) != QMessageBox::Yes) {
        return;
    }
    JoinServerRow(*m_wndGrid.GetInfo(node), *server, PasswordFrom::Prompt, this);
}
