// SPDX-License-Identifier: GPL-3.0-or-later
#include "serverlist/serverfilter.h"

#include "gridctrl/griditeminfo.h"
#include "serverlist/pingsort.h"
#include "serverlist/serverrowtexts.h"

#include <utility>

bool ServerFilter::IsActive() const {
    return !m_strSearch.trimmed().isEmpty() || m_bHideEmpty || m_bHideFull || m_nMaxPing > 0 ||
           m_bFavouritesOnly;
}

std::vector<int> SearchableSubTexts() {
    return {kNameSubText, kMapSubText, kModSubText, kAddressSubText};
}

ServerRowMatcher::ServerRowMatcher(const ServerFilter& filter, std::vector<int> searched)
    : m_filter(filter),
      m_words(filter.m_strSearch.split(u' ', Qt::SkipEmptyParts)),
      m_searched(std::move(searched)) {}

bool ServerRowMatcher::Matches(const CGridItemInfo& info, bool bFavourite) const {
    if (m_filter.m_bFavouritesOnly && !bFavourite) {
        return false;
    }
    for (const QString& word : m_words) {
        bool found = false;
        for (const int field : m_searched) {
            found = found || ServerRowField(info, field).contains(word, Qt::CaseInsensitive);
        }
        if (!found) {
            return false;
        }
    }
    if (bFavourite) {
        return true;
    }
    const int ping = PingTextValue(ServerRowField(info, kPingSubText));
    if (m_filter.m_nMaxPing > 0 && (ping > m_filter.m_nMaxPing || ping >= kUnansweredPing)) {
        return false;
    }
    int players = 0;
    int maximum = 0;
    if (!ReadServerPlayers(ServerRowField(info, kPlayersSubText), players, maximum)) {
        return true;  // unknown: neither empty nor full
    }
    return !(m_filter.m_bHideEmpty && players == 0) &&
           !(m_filter.m_bHideFull && maximum > 0 && players >= maximum);
}
