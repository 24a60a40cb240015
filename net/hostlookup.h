#pragma once

#include <cstdint>
#include <optional>
#include <string>

// Host texts as the query socket and the favourites take them: a strict dotted IPv4 text, or a
// host name that an IPv4 name lookup resolves.

// Labels of 1 to 63 letters, digits and '-', none beginning or ending with '-', separated by
// '.' (one may end the text), 253 characters at most in all: a text that can name a host and
// that no program reads as an option. Anything else is refused without asking a resolver.
// O(length).
bool IsHostName(const std::string& text);

// The IPv4 address (network byte order) the host text names: four decimal numbers 0..255
// directly, anything else by an IPv4 name lookup (getaddrinfo). A text that cannot name a host,
// or a name under "invalid", is refused without a lookup. nullopt when it names none. Blocks the
// calling thread for the lookup; reports nothing.
std::optional<uint32_t> ResolveHostIPv4(const std::string& host);

// "%d.%d.%d.%d" of an address in network byte order.
std::string DottedQuadText(uint32_t address);
