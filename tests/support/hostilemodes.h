// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstddef>
#include <string>
#include <vector>

#include "tests/support/simprocess.h"

namespace kr::test {

// The hostile peers that korvath-sim plays, as the end-to-end tests and hostile_bench run them,
// with what a client must make of each.
struct HostileMode {
    const char* what;
    std::vector<std::string> simOptions;
    std::size_t listed;  // addresses recorded ("servers.txt")
    int copies;          // times each server is filed; 0: no rows (download failed or stopped)
    bool endless;  // cut at 65,535 addresses, whose refresh (20 ms replies: 131 s) the test stops

    // The download breaks off: korvath-query exits with 1, the window shows the failure box.
    bool Fails() const { return copies == 0 && !endless; }
};

inline const std::vector<HostileMode>& HostileModes() {
    static const std::vector<HostileMode> modes = {
        {"never the last page", Words("--servers 40 --per-page 255 --master-endless --delay 20"),
         65535, 0, true},
        {"count past the datagram", Words("--servers 30 --per-page 7 --master-overcount"), 30, 1,
         false},
        {"pages repeated", Words("--servers 30 --per-page 7 --master-repeat"), 60, 2, false},
        {"silent mid-list", Words("--servers 30 --per-page 7 --master-stop-after 2"), 14, 0, false},
        {"garbage replies", Words("--servers 30 --reply garbage --random 3"), 30, 1, false},
        {"no terminators", Words("--servers 30 --reply unterminated"), 30, 1, false},
        {"4096-byte replies", Words("--servers 30 --reply full"), 30, 1, false},
        {"late replies", Words("--servers 10 --reply late"), 10, 1, false},
        {"replies from another port", Words("--servers 10 --reply other-port"), 10, 1, false},
    };
    return modes;
}

}  // namespace kr::test
