// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "net/favouriteaddress.h"

#include <QHash>
#include <QString>
#include <QStringList>

#include <span>

// The user's favourite servers: "host:port" texts in the order they were added (a name stays a
// name), and the addresses the last refresh resolved them to. A favourite is found by its text
// or by its resolved address in O(1). At most kMaxFavourites.
// Threads: the grid's thread only.
class CFavouriteServers {
public:
    // Each favourite that does not answer costs a refresh 2 s / 10 (its time-out in one of the 10
    // query slots): 256 silent favourites add about 51 s, and a real list is a few dozen.
    static constexpr int kMaxFavourites = 256;

    // What Load kept out.
    struct LoadResult {
        int invalid = 0;  // entries that are not favourite addresses (ParseFavouriteAddress)
        int cut = 0;      // valid entries past kMaxFavourites
    };

    // The text is a favourite address (ParseFavouriteAddress); O(1) for a long text.
    static bool IsAddress(const QString& text);

    // Replaces the favourites with the valid entries, in order, a repeated one once, the first
    // kMaxFavourites of them. Forgets the resolved addresses. O(entries), an entry's cost bounded
    // by ParseFavouriteAddress.
    LoadResult Load(const QStringList& entries);
    // The favourites' texts, in the order added.
    const QStringList& Entries() const { return m_texts; }
    bool IsEmpty() const { return m_texts.isEmpty(); }

    // The favourite whose text or resolved address the address text is; empty when none.
    QString Find(const QString& address) const { return m_byAddress.value(address); }
    bool Contains(const QString& address) const { return m_byAddress.contains(address); }
    // Adds the text as the last favourite; false (nothing changes) when it is not a favourite
    // address, is one already, or the list is full.
    bool Add(const QString& text);
    // Removes the favourite that the address text names (Find); false when none.
    bool Remove(const QString& address);
    // The addresses of a refresh's resolution; texts that are no favourite are ignored.
    void SetResolved(std::span<const ResolvedFavourite> resolved);

private:
    // Rebuilds m_byAddress from the texts and their resolved addresses; a text wins over another
    // favourite's resolved address, the earlier favourite over a later one. O(favourites).
    void Index();

    QStringList m_texts;
    QHash<QString, QString> m_resolved;   // text -> "a.b.c.d:port"
    QHash<QString, QString> m_byAddress;  // text or resolved address -> text
};

// The status-bar line about the entries a load kept out, e.g. "2 favourite entries were not
// valid and were dropped"; empty when it kept out none.
QString FavouriteLoadText(const CFavouriteServers::LoadResult& result);
