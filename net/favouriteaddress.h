// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstddef>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "net/serveraddress.h"

// A favourite server as the user added it: the text "host:port", kept as it is (a name stays a
// name and is resolved again by every refresh).

// The favourite's host text (in m_ip) and port when the text is one: a host text (IsHostText: a
// dotted quad, or a host name of letters, digits, '-' and '.' that no resolver reads as a number),
// one colon, and a port of 1 to 5 decimal digits without a leading zero, 1..65535. nullopt for
// anything else: empty, no colon or port, port 0 or above 65535, blanks, control characters, long
// texts. O(length), and O(1) past kMaxFavouriteAddressLength.
constexpr std::size_t kMaxFavouriteAddressLength = 253 + 1 + 5;  // host, colon, port
std::optional<ServerAddress> ParseFavouriteAddress(std::string_view text);

// A favourite and the address a refresh queries it at.
struct ResolvedFavourite {
    std::string text;     // as the user added it
    std::string address;  // "a.b.c.d:port"; empty when its host cannot be resolved
};

// What a refresh queries after the listed servers: every resolved favourite whose address is not
// listed, each address once, in the favourites' order. O(listed + favourites).
std::vector<ServerAddress> UnlistedFavourites(std::span<const ResolvedFavourite> favourites,
                                              std::span<const ServerAddress> listed);
