// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringList>

#include <vector>

class CGridItemInfo;

// What the filter bar asks of the server rows. The default filter lets every row through.
struct ServerFilter {
    QString m_strSearch;        // words separated by blanks; each must be found (see below)
    bool m_bHideEmpty = false;  // hide servers with 0 players
    bool m_bHideFull = false;   // hide servers whose players reach their maximum
    int m_nMaxPing = 0;         // hide servers with a greater ping; 0: no limit
    bool m_bFavouritesOnly = false;

    bool IsActive() const;
    bool operator==(const ServerFilter&) const = default;
};

// The sub-texts the search words are looked for in: name, map, mod and address.
std::vector<int> SearchableSubTexts();

// A filter made ready for matching many rows: the search words are split once.
class ServerRowMatcher {
public:
    // searched: the sub-texts to look in, a part of SearchableSubTexts (the grid leaves out those
    // of hidden columns: a player finds nothing by a text they cannot see).
    explicit ServerRowMatcher(const ServerFilter& filter,
                              std::vector<int> searched = SearchableSubTexts());

    // The row data of a server row (sub-texts ping, name, map, players "n/m", mod, "", "",
    // address) passes when every search word occurs, ignoring case, in one of the searched
    // sub-texts, and, unless it is a favourite, when it is not hidden as empty, full or over the
    // ping limit (an unanswered "9999" is over any limit). "Favourites only" lets favourites
    // alone through. Cost O(words x text length).
    bool Matches(const CGridItemInfo& info, bool bFavourite) const;

private:
    ServerFilter m_filter;
    QStringList m_words;
    std::vector<int> m_searched;
};
