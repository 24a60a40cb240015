#include "app/favouritesettings.h"

#include "app/profilesettings.h"
#include "serverlist/favouriteservers.h"

namespace {
constexpr char kSection[] = "Favourites";
constexpr char kServers[] = "Servers";
}  // namespace

QString LoadFavouriteSettings(CFavouriteServers& favourites) {
    CProfileSettings settings;
    settings.beginGroup(kSection);
    return FavouriteLoadText(favourites.Load(settings.value(kServers).toStringList()));
}

void SaveFavouriteSettings(const CFavouriteServers& favourites) {
    CProfileSettings settings;
    settings.beginGroup(kSection);
    if (favourites.IsEmpty()) {
        settings.remove(kServers);
    } else {
        settings.setValue(kServers, favourites.Entries());
    }
}
