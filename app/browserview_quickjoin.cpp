// SPDX-License-Identifier: GPL-3.0-or-later
// Quick Join: the best servers the filter shows are queried again one after the other, off the
// user-interface thread, and the first that still has room is joined.

#include "app/browserview.h"
#include "app/passwordstore.h"
#include "app/privatejoin.h"
#include "net/favouriteaddress.h"
#include "serverlist/quickjoin.h"

#include <algorithm>

namespace {

// Servers queried again before Quick Join gives up.
constexpr size_t kQuickJoinTries = 3;

}  // namespace

void CBrowserView::OnQuickJoin() {
    if (m_bRefreshing || IsQuickJoining()) {
        return;  // the refresh may free rows; a Quick Join runs already
    }
    const std::vector<CGridTreeItem*> candidates =
        QuickJoinCandidates(m_wndGrid, RememberedPasswordAddresses());
    if (candidates.empty()) {
        emit quickJoinFailed(tr("Quick Join: no open server answers within %1 ms")
                                 .arg(QuickJoinPingLimit(m_wndGrid.GetFilter())));
        return;
    }
    // Their addresses, not their rows: rows may go while the queries run.
    for (size_t n = 0; n < std::min(candidates.size(), kQuickJoinTries); ++n) {
        m_quickJoinTries << m_wndGrid.GetInfo(candidates[n])->GetSubText(kAddressSubText);
    }
    connect(&m_quickJoinQuery, &CServerRequery::answered, this, &CBrowserView::OnQuickJoinAnswer,
            Qt::UniqueConnection);
    TryNextQuickJoin();
}

void CBrowserView::TryNextQuickJoin() {
    while (!m_quickJoinTries.isEmpty()) {
        if (m_quickJoinQuery.Start(m_quickJoinTries.takeFirst())) {
            return;
        }
    }
    emit quickJoinFailed(tr("Quick Join: the servers tried were full or did not answer"));
}

void CBrowserView::OnQuickJoinAnswer(const RequeryAnswer& answer) {
    const std::optional<ServerAddress> server = ParseFavouriteAddress(answer.address.toStdString());
    if (!server || answer.availability != ServerAvailability::Open) {
        TryNextQuickJoin();
        return;
    }
    m_quickJoinTries.clear();
    JoinServer(*server, answer.name, answer.query.record.m_private, PasswordFrom::Remembered, this);
}
