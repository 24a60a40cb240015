// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The document of the one-window program. It holds no data: the servers live in the grid.
class CBrowserDoc {
public:
    // Starts the empty document; always succeeds.
    bool OnNewDocument() { return true; }
};
