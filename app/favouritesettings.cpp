// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/favouritesettings.h"

#include "app/profilesettings.h"
#include "serverlist/favouriteservers.h"

#include <QCoreApplication>
#include <QSet>

namespace {
constexpr char kSection[] = "Favourites";
constexpr char kServers[] = "Servers";
}  // namespace

QString CFavouriteSettings::Load(CFavouriteServers& favourites) {
    CProfileSettings settings;
    settings.beginGroup(kSection);
    const QString dropped =
        FavouriteLoadText(favourites.Load(settings.value(kServers).toStringList()));
    m_saved = favourites.Entries();
    return dropped;
}

QString CFavouriteSettings::Save(const CFavouriteServers& favourites) {
    const QStringList& now = favourites.Entries();
    const QSet<QString> kept(now.begin(), now.end());
    const QSet<QString> saved(m_saved.begin(), m_saved.end());
    CProfileSettings settings;
    settings.sync();  // takes in what another process wrote since
    settings.beginGroup(kSection);
    QStringList entries = settings.value(kServers).toStringList();
    entries.removeIf(
        [&](const QString& entry) { return saved.contains(entry) && !kept.contains(entry); });
    for (const QString& text : now) {
        if (!saved.contains(text) && !entries.contains(text)) {
            entries.append(text);
        }
    }
    if (entries.isEmpty()) {
        settings.remove(kServers);
    } else {
        settings.setValue(kServers, entries);
    }
    settings.sync();
    if (settings.status() != QSettings::NoError) {
        return QCoreApplication::translate("CFavouriteSettings",
                                           "The favourites could not be saved to %1")
            .arg(settings.fileName());
    }
    m_saved = now;
    return QString();
}
