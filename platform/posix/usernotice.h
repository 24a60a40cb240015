// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <vector>

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

// While it lives, what the calling thread reports is collected here instead of going to the
// receiver: status texts, and the texts of message boxes (no box opens). For a thread that may
// outlive the receiver, such as a detached query, whose owner shows the texts when it takes the
// answer. One per thread at a time; other threads report as before.
class ScopedNoticeCapture {
public:
    ScopedNoticeCapture();
    ~ScopedNoticeCapture();
    ScopedNoticeCapture(const ScopedNoticeCapture&) = delete;
    ScopedNoticeCapture& operator=(const ScopedNoticeCapture&) = delete;

    // The texts collected so far, in order; the collection starts again empty.
    std::vector<NoticeText> Take();

private:
    friend void SetStatusText(const NoticeText& text);
    friend void ShowMessageBox(const NoticeText&, const NoticeText&, NoticeIcon);
    std::vector<NoticeText> m_texts;
};
