// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <chrono>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "net/favouriteaddress.h"

class IRefreshHost;

// The name lookups of a refresh (the master's, the favourites'), made so that they cannot hold
// the thread that runs it. A lookup (getaddrinfo) cannot be cancelled, so each runs on a lookup
// thread of the process: at most kMaxLookupThreads at once, started when lookups wait and ended
// when none waits. The caller waits through its host (IRefreshHost::WaitForWorkerEnd: a window
// keeps handling its events) until every lookup has ended, the time allowed has passed or
// g_refreshStop is set. A lookup still running then is left to end on its own and its result is
// dropped; one not yet begun never runs.

// The IPv4 address (network byte order) a host text names, or nullopt; may block for long.
using HostLookup = std::function<std::optional<uint32_t>(const std::string& host)>;

constexpr int kMaxLookupThreads = 16;
constexpr std::chrono::milliseconds kNameLookupTime{5000};  // for all the names of one call

// Looks up every host as above, with `time` for all of them: the address of each, nullopt for
// one that names none or whose lookup did not end in time. Returns within `time`, or once a
// stop is asked for. Costs a thread start per lookup thread needed and one for the time limit.
std::vector<std::optional<uint32_t>> ResolveHosts(IRefreshHost& host,
                                                  std::vector<std::string> hosts,
                                                  std::chrono::milliseconds time = kNameLookupTime);

// Resolves each favourite's host through ResolveHosts, in the time SetNameLookup gave: a text
// that is not a favourite address (ParseFavouriteAddress) and a host not resolved in time stay
// unresolved.
std::vector<ResolvedFavourite> ResolveFavourites(IRefreshHost& host,
                                                 const std::vector<std::string>& texts);

// The lookup ResolveHosts makes and the time ResolveFavourites allows: ResolveHostIPv4 (also for
// a null lookup) and kNameLookupTime until set. Set on the thread that runs refreshes, between
// refreshes.
void SetNameLookup(HostLookup lookup, std::chrono::milliseconds favouritesTime = kNameLookupTime);
