// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <utility>

#include "net/serverrecord.h"

class UdpQuerySocket;

// The game server info query: 4 zero bytes out, one reply datagram back (at most 2000 ms).

constexpr int kInfoRequestLength = 4;
constexpr int kInfoReplyBufferSize = 4096;

// Resets the record, sets its address text to "%s:%d" of host and port, and when a reply comes
// sets the ping (tick count difference from just before the send to just after the receive)
// and decodes the reply. A server that does not answer leaves the placeholders (ping 9999).
// Connection failures are reported by the socket. Blocks up to 2 seconds; touches only its own
// socket, buffer and the record.
void QueryServer(const std::string& host, int port, ServerRecord& record);

// QueryServer's two halves around its exchange, for queries made elsewhere (RunServerQueries).
// Before: resets the record, ping 9999, the address text.
void PrepareQueryRecord(const std::string& host, int port, ServerRecord& record);
// Sends the 4 zero bytes over a connected socket; true when all went out.
bool SendInfoRequest(UdpQuerySocket& socket);
// After an answer of `length` bytes (1..4096) in `buffer`: zeroes the bytes past it, sets the
// ping from the tick count `sentAt` taken just before the send, and decodes the answer.
void TakeInfoReply(std::span<uint8_t, kInfoReplyBufferSize> buffer, int length, uint32_t sentAt,
                   ServerRecord& record);

// Splits "host:port" at its first colon: the host is the text before it, the port the text after
// it read like atol (leading blanks, a sign, digits; 0 when there are none). nullopt when the text
// holds no colon, or the host part is longer than 15 characters, or the port part longer than 7.
std::optional<std::pair<std::string, int>> SplitServerAddress(const std::string& address);

// Queries the server of a "host:port" text (SplitServerAddress). Does nothing, record untouched,
// when the text does not split.
void QueryServerByAddress(const std::string& address, ServerRecord& record);
