#include "tools/korvath-sim/inforeply.h"

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

void MakeMalformed(FleetServer& server, MalformedForm form, const ReplyHeader& header) {
    FleetServer decoded;  // all zero and empty: what a client reads from missing bytes
    decoded.kind = ServerKind::Malformed;
    switch (form) {
        case MalformedForm::SingleByte:
            decoded.reply = HeaderBytes(header).substr(0, 1);
            break;
        case MalformedForm::HeaderOnly:
            decoded.reply = HeaderBytes(header);
            break;
        case MalformedForm::NoTerminator: {
            decoded.version = server.version;
            const std::string pattern = server.name.empty() ? std::string("?") : server.name;
            while (decoded.name.size() < kReplyBufferSize - 5) {
                decoded.name += pattern;
            }
            decoded.name.resize(kReplyBufferSize - 5);
            decoded.reply = HeaderBytes(header) + static_cast<char>(server.version) + decoded.name;
            break;
        }
        case MalformedForm::TruncatedName:
            decoded.version = server.version;
            decoded.name = server.name.substr(0, server.name.size() / 2);
            decoded.reply = HeaderBytes(header) + static_cast<char>(server.version) + decoded.name;
            break;
        case MalformedForm::FlagsMissing:
            decoded = server;
            decoded.kind = ServerKind::Malformed;
            decoded.flags = 0;
            decoded.reply = EncodeInfoReply(server, header);
            decoded.reply.pop_back();
            break;
    }
    server = std::move(decoded);
}
