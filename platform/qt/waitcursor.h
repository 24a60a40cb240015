// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QApplication>

// The wait cursor over the whole application for the object's lifetime. UI thread only.
class CWaitCursor {
public:
    CWaitCursor() { QApplication::setOverrideCursor(Qt::WaitCursor); }
    ~CWaitCursor() { QApplication::restoreOverrideCursor(); }
    CWaitCursor(const CWaitCursor&) = delete;
    CWaitCursor& operator=(const CWaitCursor&) = delete;
};
