// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <vector>

#include "tools/korvath-sim/fleetserver.h"
#include "tools/korvath-sim/simoptions.h"

// Makes the fleet in list order, deterministic from the random start value. Most servers look
// like an ordinary evening of play; a fixed set of answering servers (as many as there are)
// covers the corners a client must decode: every version code and game type, unknown ones,
// signed counts, every flag combination, empty, short, long and buffer-filling names and maps,
// bytes 0x80-0xFF and control characters, empty and non-empty mods. The silent and malformed
// shares are rounded to whole servers; the malformed ones cycle through every broken form. The
// reply mode then changes how every remaining (ok) server answers (see ReplyMode). Last, each
// server gets its base round trip (--rtt) and the flaky share (--flaky, rounded, among the servers
// that are not silent) is marked, from a generator of their own: with or without these options
// the rest of the fleet is the same.
// Cost: linear in the count (a few KiB for each of the few long-text servers, 4 KiB for every
// server in the modes of 4096-byte replies).
std::vector<FleetServer> BuildFleet(const SimOptions& options);
