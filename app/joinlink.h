// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "net/favouriteaddress.h"
#include "net/serveraddress.h"

#include <QString>

#include <optional>

// Join links name one game server: "korvath://HOST:PORT" or "korvath:HOST:PORT", the scheme in
// any case, one trailing "/" allowed. HOST:PORT is a favourite address (ParseFavouriteAddress: a
// dotted quad or a host name, port 1..65535), so nothing else a link carries reaches the game.

// The longest link that can parse: "korvath://", the address and a "/".
constexpr qsizetype kMaxJoinLinkLength = 10 + qsizetype(kMaxFavouriteAddressLength) + 1;

// The server a link names (its host text in m_ip, as written); nullopt for anything else.
// O(length), and O(1) past kMaxJoinLinkLength.
std::optional<ServerAddress> ParseJoinLink(const QString& link);

// The link of a "host:port" text: "korvath://host:port".
QString JoinLinkFor(const QString& hostPort);
