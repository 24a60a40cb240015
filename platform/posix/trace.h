// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Trace lines: what the window-free code tells a developer who asks (TMutex's waits), never the
// user. Off unless a front end installs a sink: the browser sends them to its logging category
// "korvath.trace", korvath-query to standard error when KR_TRACE=1, tests to a file of their own.

// Takes one line, its line end included. Called from any thread, also while the process ends
// (a pooled thread's last lines), so it must need nothing that static destruction takes away.
using TraceSink = void (*)(const char* line);

// Installs the process-wide sink (nullptr: none, the default). Install before any thread traces.
void SetTraceSink(TraceSink sink);

// Hands the line to the installed sink; does nothing without one. Callable from any thread; costs
// one atomic load when no sink is installed.
void Trace(const char* line);

// True when the environment variable KR_TRACE is "1": the developer asks for the trace lines.
bool TraceRequested();

// A sink: writes the line to standard error.
void TraceToStandardError(const char* line);
