// SPDX-License-Identifier: GPL-3.0-or-later
#include <cstdio>

#include "tools/korvath-query/resultwriters.h"

namespace {

constexpr size_t kAddressWidth = 21;  // "255.255.255.255:65535"

// Appends the text with controls as "?", one column per byte (bytes are Latin-1 characters),
// fitted to `width` columns: padded with blanks, or cut to width - 1 and ended with "…" so the
// columns after it stay in place. Width 0: the whole text, unpadded (the last column).
void AppendCell(std::string& out, const std::string& text, size_t width) {
    const bool cut = width != 0 && text.size() > width;
    const size_t shown = cut ? width - 1 : text.size();
    for (size_t i = 0; i < shown; ++i) {
        const auto byte = static_cast<unsigned char>(text[i]);
        if (byte < 0x20 || (byte >= 0x7F && byte <= 0x9F)) {
            out += '?';
        } else if (byte < 0x80) {
            out += text[i];
        } else {
            out += static_cast<char>(0xC0 | (byte >> 6));
            out += static_cast<char>(0x80 | (byte & 0x3F));
        }
    }
    if (cut) {
        out += "\u2026";
    } else if (shown < width) {
        out.append(width - shown, ' ');
    }
}

void AppendRightAligned(std::string& out, const std::string& text, size_t width) {
    if (text.size() < width) {
        out.append(width - text.size(), ' ');
    }
    AppendCell(out, text, text.size() > width ? width : 0);
}

// One server's line up to its Ip:Port: Ping, Server, Map, Players, Mod and the two marks.
void AppendServerLine(std::string& out, const ServerRecord& server) {
    AppendRightAligned(out, server.m_pingText, 5);
    out += "  ";
    AppendCell(out, server.m_name, 24);
    out += "  ";
    AppendCell(out, server.m_map, 16);
    out += "  ";
    AppendRightAligned(out, server.m_playersText, 7);
    out += "  ";
    AppendCell(out, server.m_mod, 12);
    out += server.m_private ? "  P" : "  -";
    out += server.m_dedicated ? "  D  " : "  -  ";
}

}  // namespace

std::string FormatTable(const QueryResult& result) {
    std::string out;
    out +=
        " Ping  Server                    Map               Players  Mod           P  D  "
        "Ip:Port\n";
    for (const QueryResult::Group& group : result.groups) {
        out += group.version + " " + group.gameType + "\n";
        for (const ServerRecord& server : group.servers) {
            AppendServerLine(out, server);
            AppendCell(out, server.m_address, 0);
            out += "\n";
        }
    }
    if (!result.ungrouped.empty()) {
        out += "Not grouped (no answer, or an unknown version or game type)\n";
        for (const ServerRecord& server : result.ungrouped) {
            AppendServerLine(out, server);
            AppendCell(out, server.m_address, kAddressWidth);
            out += "  ";
            AppendCell(out, server.m_version.empty() ? "-" : server.m_version, 4);
            out += " ";
            AppendCell(out, server.m_gameType.empty() ? "-" : server.m_gameType, 0);
            out += "\n";
        }
    }
    char count[32];
    std::snprintf(count, sizeof(count), "%d server(s)\n", static_cast<int>(result.listed));
    out += count;
    return out;
}
