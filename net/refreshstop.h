// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "net/tevent.h"

// The request to stop the refresh under way: set from any thread when the user closes the window
// or korvath-query is told to stop. The refresh then starts no more queries, lets those in
// flight end (each within its 2-second time-out), drops the records still waiting for the mutex
// "update", skips the sort and returns RefreshOutcome::Stopped; a master download ends within
// 100 ms (its wait for a page is cut in such steps), and the wait for name lookups at once.
// Manual-reset, so every wait of the query thread sees it. The program never resets it (a refresh
// runs once per program run); tests reset it before a refresh of their own.
extern TEvent g_refreshStop;
