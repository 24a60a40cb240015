// Quick Join: the best server the filter shows is queried again and joined; when it filled up or
// went silent meanwhile, the next one is tried.

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
    if (m_bRefreshing) {
        return;  // the refresh may free rows
    }
    const std::vector<CGridTreeItem*> candidates =
        QuickJoinCandidates(m_wndGrid, RememberedPasswordAddresses());
    if (candidates.empty()) {
        emit quickJoinFailed(tr("Quick Join: no open server answers within %1 ms")
                                 .arg(QuickJoinPingLimit(m_wndGrid.GetFilter())));
        return;
    }
    // The query handles no window events, so no row goes meanwhile.
    for (size_t n = 0; n < std::min(candidates.size(), kQuickJoinTries); ++n) {
        CGridTreeItem* node = candidates[n];
        const std::optional<ServerAddress> server = ParseFavouriteAddress(
            m_wndGrid.GetInfo(node)->GetSubText(kAddressSubText).toStdString());
        m_wndGrid.QueryRowAgain(node);
        if (server &&
            ReadServerAvailability(*m_wndGrid.GetInfo(node)) == ServerAvailability::Open) {
            JoinServerRow(*m_wndGrid.GetInfo(node), *server, PasswordFrom::Remembered, this);
            return;
        }
    }
    emit quickJoinFailed(tr("Quick Join: the servers tried were full or did not answer"));
}
