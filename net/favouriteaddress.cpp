// SPDX-License-Identifier: GPL-3.0-or-later
#include "net/favouriteaddress.h"

#include <unordered_set>

#include "net/hostlookup.h"

namespace {

constexpr std::size_t kMaxPortDigits = 5;
constexpr long kMaxPort = 65535;

std::string AddressText(const ServerAddress& address) {
    return address.m_ip + ":" + std::to_string(address.m_port);
}

}  // namespace

std::optional<ServerAddress> ParseFavouriteAddress(std::string_view text) {
    if (text.size() > kMaxFavouriteAddressLength) {
        return std::nullopt;
    }
    const std::size_t colon = text.find(':');
    if (colon == std::string_view::npos) {
        return std::nullopt;
    }
    const std::string_view port = text.substr(colon + 1);
    if (port.empty() || port.size() > kMaxPortDigits || port.front() == '0') {
        return std::nullopt;
    }
    long value = 0;
    for (const char c : port) {
        if (c < '0' || c > '9') {
            return std::nullopt;
        }
        value = value * 10 + (c - '0');
    }
    std::string host(text.substr(0, colon));
    if (value > kMaxPort || !IsHostText(host)) {
        return std::nullopt;
    }
    return ServerAddress{std::move(host), static_cast<uint32_t>(value)};
}

std::vector<ServerAddress> UnlistedFavourites(std::span<const ResolvedFavourite> favourites,
                                              std::span<const ServerAddress> listed) {
    std::vector<ServerAddress> unlisted;
    if (favourites.empty()) {
        return unlisted;
    }
    std::unordered_set<std::string> seen;
    seen.reserve(listed.size() + favourites.size());
    for (const ServerAddress& address : listed) {
        seen.insert(AddressText(address));
    }
    for (const ResolvedFavourite& favourite : favourites) {
        if (!favourite.address.empty() && seen.insert(favourite.address).second) {
            // A dotted IPv4 text and a port, as ResolveFavourites made it, is a favourite address.
            unlisted.push_back(*ParseFavouriteAddress(favourite.address));
        }
    }
    return unlisted;
}
