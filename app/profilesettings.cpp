// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/profilesettings.h"

#include <QFileInfo>

namespace {
constexpr char kOrganization[] = "korvath";
constexpr char kApplication[] = "korvath-browser";
constexpr char kOldName[] = "Korvath Servers Browser";  // organisation and application before
}  // namespace

CProfileSettings::CProfileSettings()
    : QSettings(QSettings::NativeFormat, QSettings::UserScope, kOrganization, kApplication) {}

void CarryOverOldProfile() {
    CProfileSettings settings;
    if (QFileInfo::exists(settings.fileName())) {
        return;
    }
    QSettings old(QSettings::NativeFormat, QSettings::UserScope, kOldName, kOldName);
    old.setFallbacksEnabled(false);  // the program's own file, not its organisation's
    for (const QString& key : old.allKeys()) {
        settings.setValue(key, old.value(key));
    }
    settings.sync();
}
