// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/mastersettings.h"

#include <algorithm>

#include <gtest/gtest.h>
#include <QLabel>

#include "app/gamesettingsdlg.h"
#include "app/profilesettings.h"

namespace {

std::vector<std::string> MasterTexts() {
    std::vector<std::string> texts;
    for (const MasterEndpoint& master : MasterServers()) {
        texts.push_back(master.host + ":" + std::to_string(master.port));
    }
    return texts;
}

// Game Settings holds the masters: the compiled-in one at first; what OK keeps is used from then
// on, lines that are not HOST[:PORT] named and left out; the one that answered is tried first on
// the next start; the command line's masters win over the settings.
TEST(MasterSettingsTest, GameSettingsListTheMastersAndTheOneThatAnsweredComesFirst) {
    CGameSettingsDlg dialog;
    auto* edit = dialog.findChild<CMasterListEdit*>();
    ASSERT_NE(edit, nullptr);
    EXPECT_EQ(edit->toPlainText(), "127.0.0.1:18444");
    edit->setPlainText("a.test:1\nnot a master\n b.test \n");
    const QList<QLabel*> labels = dialog.findChildren<QLabel*>();
    EXPECT_TRUE(std::any_of(labels.begin(), labels.end(), [](const QLabel* label) {
        return !label->isHidden() &&
               label->text() == "Not HOST[:PORT], will not be kept: not a master";
    }));
    dialog.accept();
    EXPECT_EQ(CProfileSettings().value("Masters/Servers").toStringList(),
              QStringList({"a.test:1", "b.test:18444"}));
    EXPECT_EQ(MasterTexts(), (std::vector<std::string>{"a.test:1", "b.test:18444"}));

    PutMasterFirst({"b.test", 18444});  // as a refresh does when the second one answered
    RememberAnsweredMaster();
    SetMasterServer(kDefaultMasterHost, kDefaultMasterPort);
    ApplyMasterSettings();  // the next start
    EXPECT_EQ(MasterTexts(), (std::vector<std::string>{"b.test:18444", "a.test:1"}));

    UseCommandLineMasters({{"c.test", 5}});
    ApplyMasterSettings();
    RememberAnsweredMaster();
    EXPECT_EQ(std::tuple(MasterTexts(), CProfileSettings().value("Masters/Answered").toString()),
              std::tuple(std::vector<std::string>{"c.test:5"}, QString("b.test:18444")));
    SetMasterServer(kDefaultMasterHost, kDefaultMasterPort);
}

}  // namespace
