// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <span>
#include <string>

// What is known about one game server after one query: the decoded info reply, the ping, the
// queried address and two display texts. Texts are byte strings as the server sent them.
// Written only by the thread that runs its query; needs no lock of its own.
//
// Info reply layout (n, m, d: lengths of name, map and mod without their zero byte):
//   4 version code | 5 name\0 | 6+n game type (signed) | 7+n players (signed)
//   8+n player limit (signed) | 9+n map\0 | 10+n+m mod\0 | 11+n+m+d flags (0x01 dedicated,
//   0x04 private). Bytes 0..3 and everything after the flags are ignored.
class ServerRecord {
public:
    ServerRecord();
    virtual ~ServerRecord();
    // Declared, since the virtual destructor would otherwise turn every move into a copy.
    ServerRecord(const ServerRecord&) = default;
    ServerRecord(ServerRecord&&) noexcept = default;
    ServerRecord& operator=(const ServerRecord&) = default;
    ServerRecord& operator=(ServerRecord&&) noexcept = default;

    // Placeholders for a server that has not answered: ping 9999 ("9999"), name, map and mod
    // "?", players 0 of 0 ("?/?"), no flags. Version, game type and address stay as they are.
    void Reset();
    // Decodes the reply held in the buffer (the whole zero-filled receive buffer). Never fails:
    // bytes past the end of the buffer read as zero, strings end at a zero byte or the buffer's
    // end. Sets the ping text from m_ping, which the caller has measured before.
    void ParseInfoReply(std::span<const uint8_t> buffer);

    // m_version + m_gameType is the key of the server's group; empty while it never answered.
    std::string GroupKey() const { return m_version + m_gameType; }

    std::string m_version;  // "1.00", "1.10", "1.20", "1.30" or "1.??"
    std::string m_name;
    std::string m_gameType;  // "DM", "VLD", "TDM" or "???"
    int32_t m_players;
    int32_t m_maxPlayers;
    std::string m_map;
    std::string m_mod;  // empty when the server runs none
    bool m_dedicated;
    bool m_private;
    uint32_t m_ping;        // round trip in ms; 9999: no answer
    std::string m_address;  // "%s:%d" of the queried host text and port
    std::string m_pingText;
    std::string m_playersText;  // "%2d/%2d"
};

// The version text for the reply's version code; "1.??" for unknown codes.
const char* VersionText(uint8_t code);
// The game type text for the reply's signed game type byte; "???" for unknown values.
const char* GameTypeText(int8_t value);
