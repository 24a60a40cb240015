// SPDX-License-Identifier: GPL-3.0-or-later
#include "tools/korvath-sim/fleetfile.h"

#include <cstdio>

namespace {

const char* KindText(ServerKind kind) {
    switch (kind) {
        case ServerKind::Ok:
            return "ok";
        case ServerKind::Silent:
            return "silent";
        case ServerKind::Malformed:
            return "malformed";
        case ServerKind::Late:
            return "late";
        case ServerKind::OtherPort:
            return "other-port";
    }
    return "ok";
}

void WriteHex(std::FILE* file, const std::string& bytes) {
    std::fputc('\t', file);
    for (const char byte : bytes) {
        std::fprintf(file, "%02x", static_cast<unsigned char>(byte));
    }
}

}  // namespace

bool WriteFleetFile(const std::string& path, const std::vector<FleetServer>& servers,
                    const std::vector<int>& ports) {
    std::FILE* file = std::fopen(path.c_str(), "w");
    if (file == nullptr) {
        return false;
    }
    for (std::size_t i = 0; i < servers.size() && i < ports.size(); ++i) {
        const FleetServer& server = servers[i];
        std::fprintf(file, "127.0.0.1:%d\t%u\t%d\t%d\t%d\t%u\t%s", ports[i], server.version,
                     server.gameType, server.players, server.maxPlayers, server.flags,
                     KindText(server.kind));
        WriteHex(file, server.name);
        WriteHex(file, server.map);
        WriteHex(file, server.mod);
        std::fprintf(file, "\t%d\t%d\n", server.rttMs, server.flaky ? 1 : 0);
    }
    const bool written = std::ferror(file) == 0;
    return std::fclose(file) == 0 && written;
}
