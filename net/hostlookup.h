// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <optional>
#include <string>

// Host texts as the query socket, the favourites and join links take them: a dotted quad, or a
// host name that an IPv4 name lookup resolves. No other numeric form is taken ("010.0.0.1",
// "127.1", "2130706433", "0x7f.1"), as resolvers read those differently: a text taken names the
// same host to this program, to the system's resolver and to the game.

// Four decimal numbers 0..255 separated by '.', none with a leading zero ("0" is one). O(length).
bool IsDottedQuad(const std::string& text);

// Labels of 1 to 63 letters, digits and '-', none beginning or ending with '-', separated by
// '.' (one may end the text), 253 characters at most in all, the last label not a number (all
// digits, or "0x" and hex digits): a text that can name a host, that no resolver reads as an
// address and that no program reads as an option. Anything else is refused without asking a
// resolver. O(length).
bool IsHostName(const std::string& text);

// A dotted quad or a host name. O(length).
bool IsHostText(const std::string& text);

// The IPv4 address (network byte order) the host text names: a dotted quad directly, a host
// name by an IPv4 name lookup (getaddrinfo). "255.255.255.255" is left to the lookup too, as the
// classic conversion could not tell it from an error. Any other text, or a name under "invalid",
// is refused without a lookup. nullopt when it names none. Blocks the calling thread for the
// lookup; reports nothing. Safe on any thread.
std::optional<uint32_t> ResolveHostIPv4(const std::string& host);

// "%d.%d.%d.%d" of an address in network byte order.
std::string DottedQuadText(uint32_t address);
