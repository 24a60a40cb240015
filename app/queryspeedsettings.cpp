// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/queryspeedsettings.h"

#include "app/profilesettings.h"

namespace {
constexpr char kKey[] = "Query/Speed";
constexpr char kFast[] = "Fast";
constexpr char kDescribed[] = "As described";
}  // namespace

QuerySpeed LoadQuerySpeed() {
    return CProfileSettings().value(kKey).toString() == kFast ? kFastSpeed : kDescribedSpeed;
}

void SaveQuerySpeed(bool bFast) {
    CProfileSettings().setValue(kKey, bFast ? kFast : kDescribed);
}

CQuerySpeedChoice::CQuerySpeedChoice(QWidget* parent) : QComboBox(parent) {
    addItem(tr("As described"), kDescribed);
    addItem(tr("Fast"), kFast);
    setCurrentIndex(LoadQuerySpeed() == kFastSpeed ? 1 : 0);
}

void CQuerySpeedChoice::Save() const {
    SaveQuerySpeed(currentData() == kFast);
}
