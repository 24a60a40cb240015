// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>

#include "tools/korvath-sim/fleetserver.h"

// The info reply of a game server: 4 header bytes, version code, name\0, game type, players,
// player limit, map\0, mod\0, flags.

// The client's receive buffer; no reply is longer.
constexpr std::size_t kReplyBufferSize = 4096;
// Bytes of a well-formed reply besides the three strings' characters.
constexpr std::size_t kReplyFixedBytes = 12;

using ReplyHeader = std::array<std::uint8_t, 4>;

// The well-formed reply for the server's fields.
std::string EncodeInfoReply(const FleetServer& server, const ReplyHeader& header);

// The kinds of broken reply the fleet sends.
enum class MalformedForm {
    SingleByte,     // one byte: not even the whole header
    HeaderOnly,     // the 4 header bytes and nothing else
    NoTerminator,   // 4096 bytes: version code, then a name without a zero byte to the end
    TruncatedName,  // the datagram ends inside the name
    FlagsMissing,   // everything up to the mod's zero byte, but no flags byte
};
constexpr int kMalformedFormCount = 5;

// Sets the server's reply to the given broken form, built from its current fields, and then
// rewrites the fields to what a client decodes from that reply; the kind becomes Malformed.
void MakeMalformed(FleetServer& server, MalformedForm form, const ReplyHeader& header);

// A server whose reply is the given bytes, with the fields a client decodes from them when it
// reads them into a zero-filled 4096-byte buffer (bytes past it are cut, texts end at a zero byte
// or the buffer's end, fields past the texts read as zero). Kind Ok.
FleetServer DecodeReply(const std::string& reply);
