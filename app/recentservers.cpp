// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/recentservers.h"

#include "app/profilesettings.h"
#include "net/favouriteaddress.h"

#include <algorithm>

namespace {

constexpr char kSection[] = "Recently Played";
constexpr char kServers[] = "Servers";
constexpr char kAddress[] = "Address";
constexpr char kName[] = "Name";
constexpr char kTime[] = "Time";
constexpr int kMaxEntriesRead = 10000;  // bounds the read when the file claims more

void SaveRecentServers(const QList<RecentServer>& servers) {
    CProfileSettings settings;
    settings.beginGroup(kSection);
    settings.remove(kServers);
    if (!servers.isEmpty()) {
        settings.beginWriteArray(kServers, static_cast<int>(servers.size()));
        for (int n = 0; n < servers.size(); ++n) {
            settings.setArrayIndex(n);
            settings.setValue(kAddress, servers[n].address);
            settings.setValue(kName, servers[n].name);
            settings.setValue(kTime, servers[n].time.toUTC().toString(Qt::ISODate));
        }
        settings.endArray();
    }
    settings.sync();
}

}  // namespace

QList<RecentServer> LoadRecentServers() {
    CProfileSettings settings;
    settings.sync();  // takes in what another window wrote since
    settings.beginGroup(kSection);
    const int size = std::min(settings.beginReadArray(kServers), kMaxEntriesRead);
    QList<RecentServer> servers;
    for (int n = 0; n < size && servers.size() < kMaxRecentServers; ++n) {
        settings.setArrayIndex(n);
        RecentServer server{settings.value(kAddress).toString(),
                            settings.value(kName).toString().left(kMaxRecentNameLength),
                            QDateTime::fromString(settings.value(kTime).toString(), Qt::ISODate)};
        const bool known = std::any_of(servers.begin(), servers.end(), [&](const RecentServer& s) {
            return s.address == server.address;
        });
        if (!known && server.time.isValid() &&
            ParseFavouriteAddress(server.address.toStdString())) {
            servers.append(std::move(server));
        }
    }
    settings.endArray();
    return servers;
}

void RecordRecentServer(const QString& address, const QString& name, const QDateTime& time) {
    QList<RecentServer> servers = LoadRecentServers();
    RecentServer joined{address, name.left(kMaxRecentNameLength), time};
    const auto older = std::find_if(servers.begin(), servers.end(),
                                    [&](const RecentServer& s) { return s.address == address; });
    if (older != servers.end()) {
        if (joined.name.isEmpty()) {
            joined.name = older->name;
        }
        servers.erase(older);
    }
    servers.prepend(std::move(joined));
    SaveRecentServers(servers.mid(0, kMaxRecentServers));
}

void ClearRecentServers() {
    SaveRecentServers({});
}
