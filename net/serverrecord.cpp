// SPDX-License-Identifier: GPL-3.0-or-later
#include "net/serverrecord.h"

#include <cstdio>

namespace {

// Reads a reply buffer as if it went on with zero bytes forever.
class ReplyReader {
public:
    explicit ReplyReader(std::span<const uint8_t> buffer) : m_buffer(buffer) {}

    uint8_t Byte(size_t offset) const { return offset < m_buffer.size() ? m_buffer[offset] : 0; }

    // The string at the offset, up to its zero byte or the buffer's end; *next is set to the
    // offset just after its zero byte.
    std::string String(size_t offset, size_t* next) const {
        size_t end = offset;
        while (end < m_buffer.size() && m_buffer[end] != 0) {
            ++end;
        }
        *next = end + 1;
        if (offset >= m_buffer.size()) {
            return std::string();
        }
        return std::string(reinterpret_cast<const char*>(m_buffer.data()) + offset, end - offset);
    }

private:
    std::span<const uint8_t> m_buffer;
};

}  // namespace

const char* VersionText(uint8_t code) {
    switch (code) {
        case 0x85:
            return "1.00";
        case 0x87:
            return "1.10";
        case 0x89:
            return "1.20";
        case 0x91:
            return "1.30";
        default:
            return "1.??";
    }
}

const char* GameTypeText(int8_t value) {
    switch (value) {
        case 0:
            return "DM";
        case 1:
            return "VLD";
        case 2:
            return "TDM";
        default:
            return "???";
    }
}

ServerRecord::ServerRecord()
    : m_players(0), m_maxPlayers(0), m_dedicated(false), m_private(false), m_ping(0) {}

ServerRecord::~ServerRecord() = default;

void ServerRecord::Reset() {
    static const std::string kUnknown = "?";
    m_dedicated = false;
    m_ping = 9999;
    m_map = kUnknown;
    m_mod = kUnknown;
    m_players = 0;
    m_maxPlayers = 0;
    m_private = false;
    m_name = kUnknown;
    m_pingText = "9999";
    m_playersText = "?/?";
}

void ServerRecord::ParseInfoReply(std::span<const uint8_t> buffer) {
    const ReplyReader reply(buffer);
    size_t next = 0;
    m_version = VersionText(reply.Byte(4));
    m_name = reply.String(5, &next);
    const size_t type = next;
    m_gameType = GameTypeText(static_cast<int8_t>(reply.Byte(type)));
    m_players = static_cast<int8_t>(reply.Byte(type + 1));
    m_maxPlayers = static_cast<int8_t>(reply.Byte(type + 2));
    m_map = reply.String(type + 3, &next);
    m_mod = reply.String(next, &next);
    const uint8_t flags = reply.Byte(next);
    m_dedicated = (flags & 0x01) != 0;
    m_private = (flags & 0x04) != 0;

    char text[32];
    std::snprintf(text, sizeof(text), "%u", m_ping);
    m_pingText = text;
    std::snprintf(text, sizeof(text), "%2d/%2d", m_players, m_maxPlayers);
    m_playersText = text;
}
