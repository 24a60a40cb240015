// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>

class MasterPacket;

// The records that a page of `length` bytes with the parsed header really holds: its record count
// cut to the whole 6-byte records after the 15-byte header (0 for a shorter datagram).
int PageRecordCount(const MasterPacket& header, int length);

// Records the addresses of one master page: one line per address appended to "servers.txt" in
// the current folder ("%3d.%3d.%3d.%3d:%5d\n"; the file is opened in append mode and closed again
// for every page) and one entry appended to g_serverAddresses.
class ServerListWriter {
public:
    virtual ~ServerListWriter();

    // Records the page held in the first `length` bytes of the buffer (the receive buffer: at
    // least 11 bytes readable, as the header is read whatever the length). A datagram that does not
    // start with 2, 6 records nothing. The record count of the header is cut to the records that
    // the datagram really holds. When "servers.txt" cannot be opened the addresses still reach
    // g_serverAddresses and the result is false; otherwise true.
    bool AppendPage(const uint8_t* buffer, int length);
};
