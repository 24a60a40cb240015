// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/joinlink.h"

#include "net/favouriteaddress.h"

namespace {
constexpr char kScheme[] = "korvath:";
}  // namespace

std::optional<ServerAddress> ParseJoinLink(const QString& link) {
    if (link.size() > kMaxJoinLinkLength || !link.startsWith(kScheme, Qt::CaseInsensitive)) {
        return std::nullopt;
    }
    QString address = link.mid(qsizetype(sizeof(kScheme)) - 1);
    if (address.startsWith("//")) {
        address.remove(0, 2);
    }
    if (address.endsWith('/')) {
        address.chop(1);
    }
    return ParseFavouriteAddress(address.toStdString());
}

QString JoinLinkFor(const QString& hostPort) {
    return QString(kScheme) + "//" + hostPort;
}
