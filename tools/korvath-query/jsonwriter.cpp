#include <cstdio>

#include "tools/korvath-query/resultwriters.h"

namespace {

// A JSON string literal of the bytes, each byte read as the code point of its value.
std::string Quoted(const std::string& text) {
    std::string out = "\"";
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
    return out + "\"";
}

std::string Bool(bool value) {
    return value ? "true" : "false";
}

void AppendServer(std::string& out, const ServerRecord& server) {
    out += "{\"address\": " + Quoted(server.m_address);
    out += ", \"ping\": " + std::to_string(server.m_ping);
    out += ", \"name\": " + Quoted(server.m_name);
    out += ", \"map\": " + Quoted(server.m_map);
    out += ", \"mod\": " + Quoted(server.m_mod);
    out += ", \"players\": " + std::to_string(server.m_players);
    out += ", \"maxPlayers\": " + std::to_string(server.m_maxPlayers);
    out += ", \"playersText\": " + Quoted(server.m_playersText);
    out += ", \"private\": " + Bool(server.m_private);
    out += ", \"dedicated\": " + Bool(server.m_dedicated) + "}";
}

}  // namespace

std::string FormatJson(const QueryResult& result, const std::string& master) {
    std::string out = "{\"master\": " + Quoted(master);
    out += ", \"listed\": " + std::to_string(result.listed);
    out += ", \"answered\": " + std::to_string(result.answered);
    out += ", \"groups\": [";
    const char* groupSeparator = "\n  ";
    for (const QueryResult::Group& group : result.groups) {
        out += groupSeparator;
        groupSeparator = ",\n  ";
        out += "{\"version\": " + Quoted(group.version) +
               ", \"gameType\": " + Quoted(group.gameType) + ", \"servers\": [";
        const char* serverSeparator = "\n    ";
        for (const ServerRecord& server : group.servers) {
            out += serverSeparator;
            serverSeparator = ",\n    ";
            AppendServer(out, server);
        }
        out += "]}";
    }
    out += "],\n \"ungrouped\": [";
    const char* separator = "\n  ";
    for (const QueryResult::Ungrouped& server : result.ungrouped) {
        out += separator;
        separator = ",\n  ";
        out += "{\"address\": " + Quoted(server.address) +
               ", \"ping\": " + std::to_string(server.ping) +
               ", \"version\": " + Quoted(server.version) +
               ", \"gameType\": " + Quoted(server.gameType) + "}";
    }
    out += "]}\n";
    return out;
}
