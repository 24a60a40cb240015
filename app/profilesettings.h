// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QSettings>

// The program's settings file: korvath/korvath-browser.conf in the user's settings folder
// (~/.config unless XDG_CONFIG_HOME says otherwise), no blanks in the folder or file name. The
// program's name for window titles and message boxes stays "Korvath Servers Browser"; only the
// file's place is set here. Objects on one file share one cache, written back when the last goes.
class CProfileSettings : public QSettings {
public:
    CProfileSettings();
};

// Before the settings are first read: when the settings file does not exist yet, copies every
// value of the one earlier versions kept ("Korvath Servers Browser/Korvath Servers Browser.conf")
// into it, so the next start finds the file and copies nothing again. The old file stays as it
// is. Costs one file test, and on the first start one read of the old file and one write.
void CarryOverOldProfile();
