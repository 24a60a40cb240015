// SPDX-License-Identifier: GPL-3.0-or-later
// An info reply as it arrives, against the decoder into ServerRecord: read from the zero-filled
// 4096-byte receive buffer (as QueryServer does) and from the datagram's bytes alone.
#include <array>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <set>
#include <span>
#include <string>

#include "fuzz/require.h"
#include "net/serverrecord.h"

namespace {

// The fields of a record as one text, to compare two decodings.
std::string Fields(const ServerRecord& r) {
    return r.m_version + '|' + r.m_name + '|' + r.m_gameType + '|' + std::to_string(r.m_players) +
           '|' + std::to_string(r.m_maxPlayers) + '|' + r.m_map + '|' + r.m_mod + '|' +
           std::to_string(r.m_dedicated) + std::to_string(r.m_private) + '|' + r.m_pingText + '|' +
           r.m_playersText;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const size_t length = std::min<size_t>(size, 4096);  // recv cuts a longer datagram
    std::array<uint8_t, 4096> buffer{};
    std::memcpy(buffer.data(), data, length);

    ServerRecord record;
    record.Reset();
    record.m_ping = static_cast<uint32_t>(length * 7);  // any measured ping
    record.ParseInfoReply(buffer);

    static const std::set<std::string> versions = {"1.00", "1.10", "1.20", "1.30", "1.??"};
    static const std::set<std::string> types = {"DM", "VLD", "TDM", "???"};
    Require(versions.count(record.m_version) == 1, "a known version text");
    Require(types.count(record.m_gameType) == 1, "a known game type text");
    const size_t texts = record.m_name.size() + record.m_map.size() + record.m_mod.size();
    Require(texts <= (length > 5 ? length - 5 : 0), "the texts are bounded by the datagram");
    const std::string all = record.m_name + record.m_map + record.m_mod;
    Require(all.find('\0') == std::string::npos, "texts hold no zero byte");
    const std::string received(reinterpret_cast<const char*>(buffer.data()), buffer.size());
    Require(received.compare(5, record.m_name.size(), record.m_name) == 0, "the name at offset 5");
    const size_t map = 5 + record.m_name.size() + 4;
    Require(record.m_map.empty() || received.compare(map, record.m_map.size(), record.m_map) == 0,
            "the map after the name, game type and counts");
    const size_t mod = map + record.m_map.size() + 1;
    Require(record.m_mod.empty() || received.compare(mod, record.m_mod.size(), record.m_mod) == 0,
            "the mod after the map");
    Require(record.m_pingText == std::to_string(record.m_ping), "the ping text is the ping");
    int players = 0, limit = 0, used = 0;
    Require(std::sscanf(record.m_playersText.c_str(), "%d/%d%n", &players, &limit, &used) == 2 &&
                used == static_cast<int>(record.m_playersText.size()) &&
                players == record.m_players && limit == record.m_maxPlayers && players >= -128 &&
                players <= 127 && limit >= -128 && limit <= 127,
            "the players text is the two signed counts");

    // Reading past the datagram's end is reading zero bytes: the datagram alone decodes alike.
    ServerRecord alone;
    alone.Reset();
    alone.m_ping = record.m_ping;
    alone.ParseInfoReply(std::span<const uint8_t>(data, length));
    Require(Fields(alone) == Fields(record),
            "the datagram alone decodes as the zero-filled buffer");
    return 0;
}
