// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <string>

// Ok and Malformed servers answer in time from the port queried; Late ones answer after a
// client's time-out and OtherPort ones from another port, so a client hears neither.
enum class ServerKind { Ok, Silent, Malformed, Late, OtherPort };

// One game server of the fleet. The fields are what a client decodes from the server's reply
// when it reads it into a zero-filled 4096-byte buffer: for a malformed reply that is the
// decoding of the bytes actually sent (fields past the end read as zero), so the fields are the
// truth a client's result can be checked against. For a server that a client does not hear
// (Silent, Late, OtherPort) they are what it would have decoded.
struct FleetServer {
    std::uint8_t version = 0;
    std::int8_t gameType = 0;
    std::int8_t players = 0;
    std::int8_t maxPlayers = 0;
    std::uint8_t flags = 0;
    std::string name;  // byte strings without zero bytes
    std::string map;
    std::string mod;
    ServerKind kind = ServerKind::Ok;
    std::string reply;  // the datagram sent back to a query; empty for a silent server
    // With --full-for: the well-formed reply of its first answers, players = player limit (empty
    // without, and for a server whose replies are broken: it always sends `reply`).
    std::string fullReply;
    int rttMs = 0;       // base round trip of its replies (--rtt; 0 without)
    bool flaky = false;  // it answers each query with a chance of 50 % (--flaky)
};
