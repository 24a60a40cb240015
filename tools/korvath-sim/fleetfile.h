// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <vector>

#include "tools/korvath-sim/fleetserver.h"

// Writes the fleet's truth for tests and scripts: one line per server, in the order of the
// master's list, fields separated by one tab:
//   address   "127.0.0.1:PORT"
//   version   version code, unsigned decimal (133 is 0x85)
//   gametype  game type byte, signed decimal (-1 for 0xFF)
//   players   player count byte, signed decimal
//   max       player limit byte, signed decimal
//   flags     flags byte, unsigned decimal (bit 0 dedicated, bit 2 private)
//   kind      "ok", "silent", "malformed", "late" or "other-port"
//   name, map, mod   the bytes in lower-case hexadecimal, two digits each (empty: empty field)
//   rtt       the server's base round trip in ms, decimal (0 without --rtt)
//   flaky     "1" when it answers only some of the queries (--flaky), else "0"
// The fields are what a client decodes from the reply read into a zero-filled 4096-byte
// buffer (see FleetServer); for a silent server, what it would have answered.
// Returns false when the file cannot be written.
bool WriteFleetFile(const std::string& path, const std::vector<FleetServer>& servers,
                    const std::vector<int>& ports);
