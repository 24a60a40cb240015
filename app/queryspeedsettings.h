// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "net/queryspeed.h"

#include <QComboBox>

// The query speed between runs: the settings' group "Query", key "Speed", "Fast" for the fast
// speed (kFastSpeed); anything else, or nothing, is the described speed (kDescribedSpeed), the
// default. Read on the thread that runs the refresh (the user-interface thread); one settings
// read a call.
QuerySpeed LoadQuerySpeed();
// Saves the fast speed, or the described one.
void SaveQuerySpeed(bool bFast);

// "Query speed" in Game Settings: "As described" or "Fast", showing the saved choice. Save writes
// the one shown; the dialog calls it when OK closes it.
class CQuerySpeedChoice : public QComboBox {
    Q_OBJECT
public:
    explicit CQuerySpeedChoice(QWidget* parent = nullptr);

    void Save() const;
};
