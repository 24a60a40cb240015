#pragma once

#include <QString>

class CFavouriteServers;

// The favourite servers between runs: the settings' section "Favourites", key "Servers", a list
// of "host:port" texts in the order they were added (an INI list: "Servers=a:1, b:2").

// Loads the favourites from the settings (CFavouriteServers::Load: entries that are not valid
// are dropped, the first kMaxFavourites kept); returns the status-bar line about what was
// dropped, empty when nothing was. The file is left as it is. O(entries).
QString LoadFavouriteSettings(CFavouriteServers& favourites);
// Writes the favourites' texts (none: the key is removed).
void SaveFavouriteSettings(const CFavouriteServers& favourites);
