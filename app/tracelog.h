// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The browser's trace lines (platform/posix/trace.h) as debug messages of the logging category
// "korvath.trace", which is off by default: KR_TRACE=1 turns it on, and so does
// QT_LOGGING_RULES="korvath.trace.debug=true" (which also overrides KR_TRACE). Qt's message
// handler writes them to standard error, one line each, after the category name.

// Installs the sink; repeatable. Call before the first refresh, and SetTraceSink(nullptr) before
// main() returns: the category is a static object, gone while pooled threads still end.
void InstallTraceLog();
