// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/queryspeedsettings.h"
#include "app/gamesettingsdlg.h"
#include "app/profilesettings.h"

#include <gtest/gtest.h>

namespace {

// Only "Fast" stored is the fast speed; anything else, hostile or missing, is the described one.
// Game Settings shows the stored choice, and OK saves the one chosen, Cancel nothing.
TEST(QuerySpeedSettingsTest, OnlyFastIsFastAndOkSavesTheChoice) {
    const std::pair<QVariant, QuerySpeed> cases[] = {
        {QVariant(), kDescribedSpeed}, {"Fast", kFastSpeed},
        {"fast", kDescribedSpeed},     {QStringList{"Fast", "Fast"}, kDescribedSpeed},
        {100, kDescribedSpeed},
    };
    for (const auto& [stored, speed] : cases) {
        SCOPED_TRACE(stored.toString().left(20).toStdString());
        CProfileSettings().setValue("Query/Speed", stored);
        EXPECT_EQ(LoadQuerySpeed(), speed);
    }
    for (const bool ok : {true, false}) {
        CGameSettingsDlg dialog;
        auto* choice = dialog.findChild<CQuerySpeedChoice*>();
        ASSERT_NE(choice, nullptr);
        EXPECT_EQ(choice->currentText(), ok ? "As described" : "Fast");
        choice->setCurrentIndex(ok ? 1 : 0);
        ok ? dialog.accept() : dialog.reject();
        EXPECT_EQ(LoadQuerySpeed(), kFastSpeed);
    }
    CProfileSettings().remove("Query");
}

}  // namespace
