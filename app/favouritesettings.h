// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringList>

class CFavouriteServers;

// The favourite servers between runs: the settings' section "Favourites", key "Servers", a list
// of "host:port" texts in the order they were added (an INI list: "Servers=a:1, b:2").
//
// The file's list belongs to every window at once: a window reads what it understands of it and
// writes back only its own changes, each applied to the list as the file holds it at that time.
// So entries that no window understands (no favourite address, past kMaxFavourites) stay as they
// are, and what another window added or removed meanwhile is kept. The read and the write are
// not one step: two windows that change the file at the same instant can still lose one change.
// Threads: the user-interface thread only.
class CFavouriteSettings {
public:
    // Loads the favourites from the settings (CFavouriteServers::Load: entries that are not valid
    // are dropped from the list, the first kMaxFavourites kept); returns the status-bar line
    // about what was dropped, empty when nothing was. The file is left as it is. O(entries).
    QString Load(CFavouriteServers& favourites);
    // Applies to the file's current list what changed in the favourites since the last Load or
    // successful Save: a text that is new is appended (unless the file has it), a text that is
    // gone is removed (every copy); nothing else changes. Reads the file again when another
    // process changed it, writes it, and returns the status-bar line when the write failed (the
    // change is then applied again with the next Save), empty otherwise.
    // O(entries in the file + favourites).
    QString Save(const CFavouriteServers& favourites);

private:
    QStringList m_saved;  // the favourites as the file is known to hold them
};
