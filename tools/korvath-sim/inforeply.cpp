// SPDX-License-Identifier: GPL-3.0-or-later
#include "tools/korvath-sim/inforeply.h"

#include <algorithm>

namespace {

std::string HeaderBytes(const ReplyHeader& header) {
    return std::string(header.begin(), header.end());
}

}  // namespace

std::string EncodeInfoReply(const FleetServer& server, const ReplyHeader& header) {
    std::string reply = HeaderBytes(header);
    reply += static_cast<char>(server.version);
    reply += server.name;
    reply += '\0';
    reply += static_cast<char>(server.gameType);
    reply += static_cast<char>(server.players);
    reply += static_cast<char>(server.maxPlayers);
    reply += server.map;
    reply += '\0';
    reply += server.mod;
    reply += '\0';
    reply += static_cast<char>(server.flags);
    return reply;
}

FleetServer DecodeReply(const std::string& reply) {
    std::string buffer = reply.substr(0, kReplyBufferSize);
    buffer.resize(kReplyBufferSize, '\0');
    std::size_t at = 5;
    const auto byte = [&](std::size_t offset) {
        return offset < buffer.size() ? buffer[offset] : '\0';
    };
    const auto text = [&] {
        const std::size_t end =
            std::min(buffer.find('\0', std::min(at, buffer.size())), buffer.size());
        std::string read = at < end ? buffer.substr(at, end - at) : std::string();
        at = std::max(at, end) + 1;
        return read;
    };
    FleetServer server;
    server.version = static_cast<std::uint8_t>(byte(4));
    server.name = text();
    server.gameType = static_cast<std::int8_t>(byte(at));
    server.players = static_cast<std::int8_t>(byte(at + 1));
    server.maxPlayers = static_cast<std::int8_t>(byte(at + 2));
    at += 3;
    server.map = text();
    server.mod = text();
    server.flags = static_cast<std::uint8_t>(byte(at));
    server.reply = reply;
    return server;
}

void MakeMalformed(FleetServer& server, MalformedForm form, const ReplyHeader& header) {
    const std::string version(1, static_cast<char>(server.version));
    std::string reply;
    switch (form) {
        case MalformedForm::SingleByte:
            reply = HeaderBytes(header).substr(0, 1);
            break;
        case MalformedForm::HeaderOnly:
            reply = HeaderBytes(header);
            break;
        case MalformedForm::NoTerminator: {
            const std::string pattern = server.name.empty() ? std::string("?") : server.name;
            reply = HeaderBytes(header) + version;
            while (reply.size() < kReplyBufferSize) {
                reply += pattern;
            }
            reply.resize(kReplyBufferSize);
            break;
        }
        case MalformedForm::TruncatedName:
            reply = HeaderBytes(header) + version + server.name.substr(0, server.name.size() / 2);
            break;
        case MalformedForm::FlagsMissing:
            reply = EncodeInfoReply(server, header);
            reply.pop_back();
            break;
    }
    server = DecodeReply(reply);
    server.kind = ServerKind::Malformed;
}
