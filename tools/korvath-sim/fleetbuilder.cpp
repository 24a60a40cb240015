// SPDX-License-Identifier: GPL-3.0-or-later
#include "tools/korvath-sim/fleetbuilder.h"

#include <algorithm>
#include <initializer_list>
#include <utility>

#include "tools/korvath-sim/inforeply.h"
#include "tools/korvath-sim/simrandom.h"

namespace {

template <typename T>
T PickWeighted(SimRandom& random, std::initializer_list<std::pair<T, int>> choices) {
    int total = 0;
    for (const auto& choice : choices) {
        total += choice.second;
    }
    int roll = static_cast<int>(random.Below(static_cast<std::uint32_t>(total)));
    for (const auto& choice : choices) {
        if (roll < choice.second) {
            return choice.first;
        }
        roll -= choice.second;
    }
    return choices.begin()->first;
}

template <typename T, std::size_t N>
const T& Pick(SimRandom& random, const T (&items)[N]) {
    return items[random.Below(N)];
}

template <typename T>
void Shuffle(std::vector<T>& items, SimRandom& random) {
    for (std::size_t i = items.size(); i > 1; --i) {
        std::swap(items[i - 1], items[random.Below(static_cast<std::uint32_t>(i))]);
    }
}

const char* const kPrefixes[] = {"[EU] ", "[US] ", "[AU] ", "(NL) ", "-= ", ":: ", "[DE] "};
const char* const kCrews[] = {
    "Night Owls",  "Rusty Anvil",     "Iron Ferrets",     "Grey Heron",   "Copper Kettle",
    "Lone Pine",   "Paper Lantern",   "Ash & Ember",      "Late Shift",   "Old Timers",
    "Thunder Den", "Salt Flats Crew", "Moonlit Ramparts", "Pixel Pushers"};
const char* const kSuffixes[] = {
    " Public",      " #2",      " | 24/7 TDM",     " (newbies welcome)",
    " Clan Server", " Fast DL", " - Friday Night", " No Rules"};
const char* const kOwners[] = {"Kestrel", "Ozzo", "Vex", "Dunk", "Mothwing", "Pike", "Bramble"};
const char* const kPlaces[] = {"Basement", "Playground", "Garage", "Bunker", "Hideout", "Yard"};
const char* const kMaps[] = {"Dust Basin",      "Iron Quarry",   "Frost Hollow", "Ember Keep",
                             "Sunken Yard",     "Glass Canyon",  "Old Refinery", "Cinder Flats",
                             "Tidewater Docks", "Ashfall Ridge", "Hollow Spire", "Red Mesa",
                             "Saltworks",       "Gallows Pass",  "Lantern Bay",  "Crater Nine"};
const char* const kMods[] = {"lowgrav", "classic-rules", "sparkfall", "hardcore",
                             "onehit",  "arena-plus",    "night-ops"};
const int kPlayerLimits[] = {8, 10, 12, 16, 16, 20, 24, 32};

std::string TypicalName(SimRandom& random) {
    if (random.Chance(20)) {
        return std::string(Pick(random, kOwners)) + "'s " + Pick(random, kPlaces);
    }
    std::string name = random.Chance(35) ? Pick(random, kPrefixes) : "";
    name += Pick(random, kCrews);
    if (random.Chance(50)) {
        name += Pick(random, kSuffixes);
    }
    return name;
}

FleetServer TypicalServer(SimRandom& random) {
    FleetServer server;
    server.version = PickWeighted<std::uint8_t>(
        random, {{0x91, 40}, {0x89, 30}, {0x87, 15}, {0x85, 10}, {0x86, 3}, {0x93, 2}});
    server.gameType =
        PickWeighted<std::int8_t>(random, {{0, 40}, {2, 35}, {1, 23}, {3, 1}, {-1, 1}});
    const int limit = Pick(random, kPlayerLimits);
    const int players = random.Chance(30)   ? 0
                        : random.Chance(15) ? limit
                                            : random.Between(1, limit - 1);
    server.players = static_cast<std::int8_t>(players);
    server.maxPlayers = static_cast<std::int8_t>(limit);
    server.flags =
        static_cast<std::uint8_t>((random.Chance(80) ? 0x01 : 0) | (random.Chance(15) ? 0x04 : 0));
    server.name = TypicalName(random);
    server.map = Pick(random, kMaps);
    server.mod = random.Chance(85) ? "" : Pick(random, kMods);
    return server;
}

// How a covering server's name or map is made.
enum class Text { Typical, Empty, Short, Long, FillsBuffer, HighBytes, ControlChars };

struct Coverage {
    std::uint8_t version;
    std::int8_t gameType;
    std::uint8_t flags;
    int players;     // -1: keep the typical count
    int maxPlayers;  // the byte as sent, 0..255
    Text name;
    Text map;
    const char* mod;
};

const Coverage kCoverage[] = {
    {0x85, 0, 0x00, 0, 16, Text::Typical, Text::Typical, ""},
    {0x87, 1, 0x01, 12, 12, Text::Typical, Text::Typical, "classic-rules"},
    {0x89, 2, 0x04, -1, 20, Text::Empty, Text::Typical, ""},
    {0x91, 0, 0x05, -1, 24, Text::HighBytes, Text::Empty, "lowgrav"},
    {0x86, 1, 0x02, -1, 16, Text::ControlChars, Text::Short, ""},
    {0x89, 3, 0xFA, -1, 12, Text::Short, Text::Typical, "onehit"},
    {0x91, -1, 0xFF, -1, 32, Text::Typical, Text::HighBytes, ""},
    {0x00, 2, 0x01, 3, 200, Text::Typical, Text::ControlChars, ""},
    {0x89, 2, 0x05, 8, 8, Text::FillsBuffer, Text::Empty, ""},
    {0x91, 1, 0x01, -1, 16, Text::Short, Text::FillsBuffer, "night-ops"},
    {0x87, 0, 0x03, -1, 16, Text::Long, Text::Long, "arena-plus"},
    {0xFF, 127, 0x04, 255, 255, Text::Typical, Text::Typical, "sparkfall"},
    {0x85, 2, 0x01, -1, 10, Text::Typical, Text::Typical, ""},
    {0x87, -128, 0x05, 0, 0, Text::Typical, Text::Typical, ""},
};

std::string LongText(SimRandom& random, std::size_t length) {
    static const char kLetters[] =
        "abcdefghijklmnopqrstuvwxyz ABCDEFGHIJKLMNOPQRSTUVWXYZ-0123456789";
    std::string text;
    text.reserve(length);
    while (text.size() < length) {
        text += kLetters[random.Below(sizeof(kLetters) - 1)];
    }
    return text;
}

std::string MakeText(Text kind, const std::string& typical, SimRandom& random) {
    switch (kind) {
        case Text::Typical:
            return typical;
        case Text::Empty:
            return "";
        case Text::Short:
            return std::string(1, static_cast<char>('a' + random.Below(26)));
        case Text::Long:
            return LongText(random, static_cast<std::size_t>(random.Between(200, 300)));
        case Text::FillsBuffer:
            return "";  // filled once the other texts are known
        case Text::HighBytes:
            return "Caf\xE9 \xAB"
                   "Ch\xE2teau\xBB \xA9\x80\xFF\xA0" +
                   typical;
        case Text::ControlChars:
            return "Evil\x1B[31mRed\x07\tTab\nLine\r\x7F\x01" + typical;
    }
    return typical;
}

void ApplyCoverage(FleetServer& server, const Coverage& coverage, SimRandom& random) {
    server.version = coverage.version;
    server.gameType = coverage.gameType;
    server.flags = coverage.flags;
    server.maxPlayers = static_cast<std::int8_t>(coverage.maxPlayers);
    server.players = static_cast<std::int8_t>(
        coverage.players >= 0 ? coverage.players : random.Between(1, coverage.maxPlayers - 1));
    server.name = MakeText(coverage.name, server.name, random);
    server.map = MakeText(coverage.map, server.map, random);
    server.mod = coverage.mod;
    // A buffer-filling text makes the whole reply exactly as long as the client's buffer.
    const std::size_t room = kReplyBufferSize - kReplyFixedBytes - server.name.size() -
                             server.map.size() - server.mod.size();
    if (coverage.name == Text::FillsBuffer) {
        server.name = LongText(random, room);
    } else if (coverage.map == Text::FillsBuffer) {
        server.map = LongText(random, room);
    }
}

ReplyHeader RandomHeader(SimRandom& random) {
    const std::uint64_t bits = random.Next();
    return {static_cast<std::uint8_t>(bits), static_cast<std::uint8_t>(bits >> 8),
            static_cast<std::uint8_t>(bits >> 16), static_cast<std::uint8_t>(bits >> 24)};
}

// Gives an ok server the reply of the mode: well-formed (padded to 4096 bytes for Full), broken
// (Garbage, Unterminated) or unheard (Late, OtherPort); with bFullFirst a well-formed one also
// gets its reply as a full server.
void Answer(FleetServer& server, ReplyMode mode, const ReplyHeader& header, SimRandom& random,
            bool bFullFirst) {
    switch (mode) {
        case ReplyMode::Garbage: {
            std::string bytes(
                static_cast<std::size_t>(random.Between(1, static_cast<int>(kReplyBufferSize))), 0);
            for (char& byte : bytes) {
                byte = static_cast<char>(random.Next());
            }
            server = DecodeReply(bytes);
            server.kind = ServerKind::Malformed;
            return;
        }
        case ReplyMode::Unterminated:
            MakeMalformed(server, MalformedForm::NoTerminator, header);
            return;
        case ReplyMode::Full: {
            const std::size_t length = EncodeInfoReply(server, header).size();
            server.name += LongText(random, kReplyBufferSize - std::min(length, kReplyBufferSize));
            break;
        }
        case ReplyMode::Late:
            server.kind = ServerKind::Late;
            break;
        case ReplyMode::OtherPort:
            server.kind = ServerKind::OtherPort;
            break;
        case ReplyMode::Normal:
            break;
    }
    server.reply = EncodeInfoReply(server, header);
    if (bFullFirst) {
        FleetServer full = server;
        full.players = full.maxPlayers;
        server.fullReply = EncodeInfoReply(full, header);
    }
}

// Draws each server's base round trip and marks the flaky share of the servers not silent.
void AddNetwork(std::vector<FleetServer>& servers, const SimOptions& options) {
    SimRandom random(options.random ^ 0x5254547Full);
    std::vector<std::size_t> heard;
    for (std::size_t i = 0; i < servers.size(); ++i) {
        servers[i].rttMs = random.Between(options.rttMinMs, options.rttMaxMs);
        if (servers[i].kind != ServerKind::Silent) {
            heard.push_back(i);
        }
    }
    Shuffle(heard, random);
    const std::size_t flaky = std::min(
        heard.size(), (servers.size() * static_cast<std::size_t>(options.flakyPercent) + 50) / 100);
    for (std::size_t i = 0; i < flaky; ++i) {
        servers[heard[i]].flaky = true;
    }
}

}  // namespace

std::vector<FleetServer> BuildFleet(const SimOptions& options) {
    SimRandom random(options.random);
    const int count = options.servers;
    const int silent = std::min(count, (count * options.silentPercent + 50) / 100);
    const int malformed = std::min(count - silent, (count * options.malformedPercent + 50) / 100);

    std::vector<FleetServer> servers;
    servers.reserve(static_cast<std::size_t>(count));
    for (int i = 0; i < count; ++i) {
        servers.push_back(TypicalServer(random));
        servers.back().kind = i < silent               ? ServerKind::Silent
                              : i < silent + malformed ? ServerKind::Malformed
                                                       : ServerKind::Ok;
    }
    Shuffle(servers, random);

    std::vector<std::size_t> answering;
    for (std::size_t i = 0; i < servers.size(); ++i) {
        if (servers[i].kind == ServerKind::Ok) {
            answering.push_back(i);
        }
    }
    Shuffle(answering, random);
    for (std::size_t i = 0; i < answering.size() && i < std::size(kCoverage); ++i) {
        ApplyCoverage(servers[answering[i]], kCoverage[i], random);
    }

    int malformedSeen = 0;
    for (FleetServer& server : servers) {
        const ReplyHeader header = RandomHeader(random);
        if (server.kind == ServerKind::Ok) {
            Answer(server, options.reply, header, random, options.fullFor > 0);
        } else if (server.kind == ServerKind::Malformed) {
            MakeMalformed(server, static_cast<MalformedForm>(malformedSeen++ % kMalformedFormCount),
                          header);
        }
    }
    AddNetwork(servers, options);
    return servers;
}
