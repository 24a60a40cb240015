// SPDX-License-Identifier: GPL-3.0-or-later
#include <cstdio>

#include "tools/korvath-query/resultwriters.h"

namespace {

// Appends a JSON string literal of the bytes, each byte read as the code point of its value.
void AppendQuoted(std::string& out, const std::string& text) {
    out += '"';
    for (char c : text) {
        const auto byte = static_cast<unsigned char>(c);
        switch (byte) {
            case '"':
                out += "\\\"";
                continue;
            case '\\':
                out += "\\\\";
                continue;
            case '\n':
                out += "\\n";
                continue;
            case '\r':
                out += "\\r";
                continue;
            case '\t':
                out += "\\t";
                continue;
            default:
                break;
        }
        if (byte < 0x20 || (byte >= 0x7F && byte <= 0x9F)) {
            char escape[8];
            std::snprintf(escape, sizeof(escape), "\\u%04x", byte);
            out += escape;
        } else if (byte < 0x80) {
            out += c;
        } else {
            out += static_cast<char>(0xC0 | (byte >> 6));
            out += static_cast<char>(0x80 | (byte & 0x3F));
        }
    }
    out += '"';
}

// The key arguments below hold what goes before the value: a separator or brace, the quoted name
// and the colon.
void AppendText(std::string& out, const char* key, const std::string& text) {
    out += key;
    AppendQuoted(out, text);
}

void AppendNumber(std::string& out, const char* key, long long value) {
    out += key;
    out += std::to_string(value);
}

void AppendBool(std::string& out, const char* key, bool value) {
    out += key;
    out += value ? "true" : "false";
}

// The server's members after the opening brace, without the closing one.
void AppendServerMembers(std::string& out, const ServerRecord& server) {
    AppendText(out, "{\"address\": ", server.m_address);
    AppendNumber(out, ", \"ping\": ", server.m_ping);
    AppendText(out, ", \"name\": ", server.m_name);
    AppendText(out, ", \"map\": ", server.m_map);
    AppendText(out, ", \"mod\": ", server.m_mod);
    AppendNumber(out, ", \"players\": ", server.m_players);
    AppendNumber(out, ", \"maxPlayers\": ", server.m_maxPlayers);
    AppendText(out, ", \"playersText\": ", server.m_playersText);
    AppendBool(out, ", \"private\": ", server.m_private);
    AppendBool(out, ", \"dedicated\": ", server.m_dedicated);
}

// Bytes reserved per server for the output, about what one server's object takes.
constexpr std::size_t kBytesPerServer = 256;

}  // namespace

std::string FormatJson(const QueryResult& result, const ListSource& source) {
    std::string out;
    out.reserve((result.listed + 1) * kBytesPerServer);
    if (source.kind == ListSource::Kind::LastList) {
        out += "{\"master\": null";
        AppendNumber(out, ", \"list\": {\"source\": \"last-list\", \"time\": ", source.time);
    } else {
        const std::string master = source.master.host + ":" + std::to_string(source.master.port);
        AppendText(out, "{\"master\": ", master);
        AppendText(out, ", \"list\": {\"source\": \"master\", \"master\": ", master);
    }
    out += '}';
    AppendNumber(out, ", \"listed\": ", static_cast<long long>(result.listed));
    AppendNumber(out, ", \"answered\": ", static_cast<long long>(result.answered));
    out += ", \"groups\": [";
    const char* groupSeparator = "\n  ";
    for (const QueryResult::Group& group : result.groups) {
        out += groupSeparator;
        groupSeparator = ",\n  ";
        AppendText(out, "{\"version\": ", group.version);
        AppendText(out, ", \"gameType\": ", group.gameType);
        out += ", \"servers\": [";
        const char* serverSeparator = "\n    ";
        for (const ServerRecord& server : group.servers) {
            out += serverSeparator;
            serverSeparator = ",\n    ";
            AppendServerMembers(out, server);
            out += '}';
        }
        out += "]}";
    }
    out += "],\n \"ungrouped\": [";
    const char* separator = "\n  ";
    for (const ServerRecord& server : result.ungrouped) {
        out += separator;
        separator = ",\n  ";
        AppendServerMembers(out, server);
        AppendText(out, ", \"version\": ", server.m_version);
        AppendText(out, ", \"gameType\": ", server.m_gameType);
        out += '}';
    }
    out += "]}\n";
    return out;
}
