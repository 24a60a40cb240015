#pragma once

#include <cstdint>
#include <string>

enum class ServerKind { Ok, Silent, Malformed };

// One game server of the fleet. The fields are what a client decodes from the server's reply
// when it reads it into a zero-filled 4096-byte buffer: for a malformed reply that is the
// decoding of the bytes actually sent (fields past the end read as zero), so the fields are the
// truth a client's result can be checked against.
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
};
