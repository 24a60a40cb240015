// SPDX-License-Identifier: GPL-3.0-or-later
// A refresh result with texts from the input bytes, against korvath-query's JSON and table
// writers: the JSON parses, strictly, back to the very bytes; the table holds no control character,
// is valid UTF-8 (U+0020..U+00FF and the ellipsis of cut texts) and has one line per group heading,
// server and ungrouped entry.
#include <fuzzer/FuzzedDataProvider.h>

#include <cstdint>
#include <string>

#include "fuzz/require.h"
#include "net/servergroups.h"
#include "tests/support/queryjson.h"
#include "tools/korvath-query/resultwriters.h"

namespace {

ServerRecord Server(FuzzedDataProvider& input) {
    ServerRecord server;
    server.m_address = input.ConsumeRandomLengthString(40);
    server.m_name = input.ConsumeRandomLengthString(200);
    server.m_map = input.ConsumeRandomLengthString(60);
    server.m_mod = input.ConsumeRandomLengthString(30);
    server.m_ping = input.ConsumeIntegral<uint32_t>();
    server.m_players = input.ConsumeIntegral<int8_t>();
    server.m_maxPlayers = input.ConsumeIntegral<int8_t>();
    server.m_pingText = input.ConsumeRandomLengthString(12);
    server.m_playersText = input.ConsumeRandomLengthString(12);
    server.m_private = input.ConsumeBool();
    server.m_dedicated = input.ConsumeBool();
    return server;
}

// One table line per group heading, server, ungrouped heading and entry, plus heading and count.
size_t TableLines(const QueryResult& result) {
    size_t lines = 2 + result.groups.size();
    for (const QueryResult::Group& group : result.groups) {
        lines += group.servers.size();
    }
    return lines + (result.ungrouped.empty() ? 0 : 1 + result.ungrouped.size());
}

void CheckTable(const std::string& table, const QueryResult& result) {
    size_t lines = 0;
    for (size_t i = 0; i < table.size(); ++i) {
        const auto byte = static_cast<unsigned char>(table[i]);
        lines += byte == '\n';
        Require(byte >= 0x20 || byte == '\n', "no control character in the table");
        Require(byte != 0x7F, "no delete character in the table");
        if (table.compare(i, 3, "\u2026") == 0) {  // the mark of a text cut to its column
            i += 2;
        } else if (byte >= 0x80) {  // else U+0080..U+00FF only: C2 or C3, then one continuation
            Require((byte == 0xC2 || byte == 0xC3) && i + 1 < table.size() &&
                        (static_cast<unsigned char>(table[i + 1]) & 0xC0) == 0x80,
                    "the table is UTF-8");
            const auto next = static_cast<unsigned char>(table[++i]);
            Require(byte == 0xC3 || next >= 0xA0, "no C1 control character in the table");
        }
    }
    Require(lines == TableLines(result) && !table.empty() && table.back() == '\n',
            "one line per heading, server and entry");
    Require(table.ends_with("\n" + std::to_string(result.listed) + " server(s)\n"),
            "the count line last");
}

void CheckJson(const std::string& text, const QueryResult& result, const std::string& master) {
    using kr::test::Json;
    using kr::test::Text;
    const Json json = kr::test::ParseJson(text);
    Require(json.is_object(), "the JSON output parses");
    Require(Text(json, "master") == master, "the master text comes back byte for byte");
    const Json& groups = json.at("groups");
    const Json& ungrouped = json.at("ungrouped");
    Require(groups.size() == result.groups.size() && ungrouped.size() == result.ungrouped.size(),
            "every group and ungrouped entry");
    for (size_t g = 0; g < result.groups.size(); ++g) {
        const Json& group = groups.at(g);
        Require(Text(group, "version") == result.groups.at(g).version &&
                    Text(group, "gameType") == result.groups.at(g).gameType &&
                    group.at("servers").size() == result.groups.at(g).servers.size(),
                "the group's texts and servers");
        for (size_t s = 0; s < result.groups.at(g).servers.size(); ++s) {
            const ServerRecord& server = result.groups.at(g).servers[s];
            const Json& row = group.at("servers").at(s);
            Require(Text(row, "name") == server.m_name && Text(row, "map") == server.m_map &&
                        Text(row, "mod") == server.m_mod &&
                        Text(row, "address") == server.m_address &&
                        Text(row, "playersText") == server.m_playersText,
                    "every server text comes back byte for byte");
            Require(row.at("ping") == server.m_ping && row.at("players") == server.m_players &&
                        row.at("private") == server.m_private,
                    "the numbers and marks");
        }
    }
    for (size_t u = 0; u < result.ungrouped.size(); ++u) {
        const ServerRecord& server = result.ungrouped[u];
        const Json& entry = ungrouped.at(u);
        Require(Text(entry, "address") == server.m_address &&
                    Text(entry, "name") == server.m_name && Text(entry, "map") == server.m_map &&
                    Text(entry, "playersText") == server.m_playersText &&
                    Text(entry, "version") == server.m_version &&
                    Text(entry, "gameType") == server.m_gameType,
                "every ungrouped server's texts come back byte for byte");
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    FuzzedDataProvider input(data, size);
    ListSource source;
    source.kind = ListSource::Kind::Master;
    source.master = {input.ConsumeRandomLengthString(40), input.ConsumeIntegral<uint16_t>()};
    const std::string master = source.master.host + ":" + std::to_string(source.master.port);
    QueryResult result;
    result.listed = input.ConsumeIntegral<uint16_t>();
    for (int g = input.ConsumeIntegralInRange(0, 3); g > 0; --g) {
        // Group headings are the grid's fixed texts; everything else comes from servers.
        QueryResult::Group group{
            VersionGroupText(input.ConsumeIntegralInRange(0, kVersionGroupCount - 1)),
            GameTypeGroupText(input.ConsumeIntegralInRange(0, kGameTypeGroupCount - 1)),
            {}};
        for (int s = input.ConsumeIntegralInRange(0, 3); s > 0; --s) {
            group.servers.push_back(Server(input));
        }
        result.groups.push_back(std::move(group));
    }
    for (int u = input.ConsumeIntegralInRange(0, 3); u > 0; --u) {
        ServerRecord server = Server(input);
        server.m_version = input.ConsumeRandomLengthString(6);
        server.m_gameType = input.ConsumeRandomLengthString(6);
        result.ungrouped.push_back(std::move(server));
    }
    CheckTable(FormatTable(result), result);
    CheckJson(FormatJson(result, source), result, master);
    return 0;
}
