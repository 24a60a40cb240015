// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>

#include "platform/posix/noticetext.h"

// Where the window-free code tells the user something: a status text and a modal message box,
// each a NoticeText the window translates.
// Each front end installs its own implementation (the browser shows them in its window,
// korvath-query writes them to standard error, tests record them). With none installed, both
// calls do nothing.

enum class NoticeIcon { None, Exclamation };

class IUserNotice {
public:
    virtual ~IUserNotice() = default;
    // Shows the text in the front end's status area at once. Called from any thread.
    virtual void ShowStatusText(const NoticeText& text) = 0;
    // Shows a message box with an OK button and waits until it is dismissed. Called from any
    // thread; blocks only the calling thread.
    virtual void ShowMessageBox(const NoticeText& text, const NoticeText& title,
                                NoticeIcon icon) = 0;
};

// Installs the process-wide receiver (nullptr: none). Install before any thread may report.
void SetUserNotice(IUserNotice* notice);
// The installed receiver, or nullptr.
IUserNotice* GetUserNotice();

// Shows a status text through the installed receiver; does nothing without one.
void SetStatusText(const NoticeText& text);

// Shows a message box through the installed receiver; does nothing without one.
void ShowMessageBox(const NoticeText& text, const NoticeText& title, NoticeIcon icon);
