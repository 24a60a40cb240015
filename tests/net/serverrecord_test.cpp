#include "net/serverrecord.h"

#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "tests/support/fakegameservers.h"

namespace {

using kr::test::Bytes;
using kr::test::InfoReply;

// The receive buffer: zero-filled, 4096 bytes, the reply at its start.
Bytes Buffer(const Bytes& reply) {
    Bytes buffer(4096, 0);
    std::copy(reply.begin(), reply.begin() + std::min<size_t>(reply.size(), 4096), buffer.begin());
    return buffer;
}

ServerRecord Parsed(const Bytes& reply, uint32_t ping = 42) {
    ServerRecord record;
    record.Reset();
    record.m_ping = ping;
    record.ParseInfoReply(Buffer(reply));
    return record;
}

TEST(ServerRecordTest, ResetSetsPlaceholdersAndKeepsGroupAndAddress) {
    ServerRecord fresh;
    fresh.Reset();
    EXPECT_EQ(fresh.m_name, "?");
    EXPECT_EQ(fresh.m_map, "?");
    EXPECT_EQ(fresh.m_mod, "?");
    EXPECT_EQ(fresh.m_pingText, "9999");
    EXPECT_EQ(fresh.m_playersText, "?/?");
    EXPECT_EQ(fresh.m_ping, 9999u);
    EXPECT_EQ(fresh.m_players, 0);
    EXPECT_EQ(fresh.m_maxPlayers, 0);
    EXPECT_FALSE(fresh.m_dedicated);
    EXPECT_FALSE(fresh.m_private);
    EXPECT_EQ(fresh.GroupKey(), "");

    ServerRecord used = Parsed(InfoReply(0x89, "Arena", 2, 3, 12, "Dunes", "Mod", 0x05));
    used.m_address = "10.0.0.5:999";
    used.Reset();
    EXPECT_EQ(used.m_version, "1.20");
    EXPECT_EQ(used.m_gameType, "TDM");
    EXPECT_EQ(used.m_address, "10.0.0.5:999");
    EXPECT_EQ(used.GroupKey(), "1.20TDM");
    EXPECT_EQ(used.m_name, "?");
    EXPECT_EQ(used.m_mod, "?");
    EXPECT_EQ(used.m_pingText, "9999");
    EXPECT_EQ(used.m_playersText, "?/?");
    EXPECT_FALSE(used.m_dedicated);
    EXPECT_FALSE(used.m_private);
}

TEST(ServerRecordTest, DecodesEveryField) {
    const ServerRecord r = Parsed(InfoReply(0x89, "Arena One", 2, 3, 12, "Dunes", "", 0x05), 37);
    EXPECT_EQ(r.m_version, "1.20");
    EXPECT_EQ(r.m_name, "Arena One");
    EXPECT_EQ(r.m_gameType, "TDM");
    EXPECT_EQ(r.m_players, 3);
    EXPECT_EQ(r.m_maxPlayers, 12);
    EXPECT_EQ(r.m_playersText, " 3/12");
    EXPECT_EQ(r.m_map, "Dunes");
    EXPECT_EQ(r.m_mod, "");
    EXPECT_TRUE(r.m_dedicated);
    EXPECT_TRUE(r.m_private);
    EXPECT_EQ(r.m_ping, 37u);
    EXPECT_EQ(r.m_pingText, "37");
}

TEST(ServerRecordTest, VersionAndGameTypeTables) {
    const std::pair<uint8_t, const char*> versions[] = {
        {0x85, "1.00"}, {0x87, "1.10"}, {0x89, "1.20"}, {0x91, "1.30"}, {0x86, "1.??"},
        {0x8B, "1.??"}, {0x00, "1.??"}, {0xFF, "1.??"}, {0x90, "1.??"}};
    for (const auto& [code, text] : versions) {
        EXPECT_EQ(Parsed(InfoReply(code, "n", 1, 0, 0, "m", "", 0)).m_version, text) << +code;
    }
    // The game type byte is signed: 0xFF is -1, 0x81 is -127; neither names a type.
    const std::pair<uint8_t, const char*> types[] = {
        {0, "DM"}, {1, "VLD"}, {2, "TDM"}, {3, "???"}, {0xFF, "???"}, {0x81, "???"}, {0x7F, "???"}};
    for (const auto& [byte, text] : types) {
        EXPECT_EQ(Parsed(InfoReply(0x85, "n", byte, 0, 0, "m", "", 0)).m_gameType, text) << +byte;
    }
}

TEST(ServerRecordTest, PlayerCountsAreSignedBytesInTwoCharacterColumns) {
    struct Case {
        uint8_t players, limit;
        int32_t expectedPlayers, expectedLimit;
        const char* text;
    } cases[] = {
        {5, 16, 5, 16, " 5/16"},       {12, 32, 12, 32, "12/32"},       {0, 0, 0, 0, " 0/ 0"},
        {0x80, 5, -128, 5, "-128/ 5"}, {0xFF, 0x7F, -1, 127, "-1/127"}, {100, 9, 100, 9, "100/ 9"},
    };
    for (const Case& c : cases) {
        const ServerRecord r = Parsed(InfoReply(0x85, "n", 0, c.players, c.limit, "m", "", 0));
        EXPECT_EQ(r.m_players, c.expectedPlayers);
        EXPECT_EQ(r.m_maxPlayers, c.expectedLimit);
        EXPECT_EQ(r.m_playersText, c.text);
    }
}

TEST(ServerRecordTest, FlagsUseOnlyBitsZeroAndTwo) {
    const struct {
        uint8_t flags;
        bool dedicated, isPrivate;
    } cases[] = {{0x00, false, false}, {0x01, true, false}, {0x02, false, false},
                 {0x04, false, true},  {0x05, true, true},  {0xFA, false, false},
                 {0xFF, true, true}};
    for (const auto& c : cases) {
        const ServerRecord r = Parsed(InfoReply(0x85, "n", 0, 1, 2, "map", "mod", c.flags));
        EXPECT_EQ(r.m_dedicated, c.dedicated) << +c.flags;
        EXPECT_EQ(r.m_private, c.isPrivate) << +c.flags;
        EXPECT_EQ(r.m_mod, "mod");
    }
}

// Nothing is validated: missing bytes read as zero, strings end at the buffer's end.
TEST(ServerRecordTest, ShortAndOverlongRepliesDecodeWithinTheBuffer) {
    const ServerRecord single = Parsed({0x85});  // the version code lies past the one byte
    EXPECT_EQ(single.m_version, "1.??");
    EXPECT_EQ(single.m_name, "");
    EXPECT_EQ(single.m_gameType, "DM");
    EXPECT_EQ(single.m_players, 0);
    EXPECT_EQ(single.m_maxPlayers, 0);
    EXPECT_EQ(single.m_playersText, " 0/ 0");
    EXPECT_EQ(single.m_map, "");
    EXPECT_EQ(single.m_mod, "");
    EXPECT_FALSE(single.m_dedicated || single.m_private);

    // 4096 bytes and no zero byte: the name runs to the buffer's end, the rest reads as zero.
    Bytes full(4096, 'A');
    full[4] = 0x91;
    const ServerRecord overlong = Parsed(full);
    EXPECT_EQ(overlong.m_version, "1.30");
    EXPECT_EQ(overlong.m_name, std::string(4091, 'A'));
    EXPECT_EQ(overlong.m_gameType, "DM");
    EXPECT_EQ(overlong.m_playersText, " 0/ 0");
    EXPECT_EQ(overlong.m_map, "");
    EXPECT_EQ(overlong.m_mod, "");
    EXPECT_FALSE(overlong.m_dedicated || overlong.m_private);

    // The name ends in the last byte; type and counts would lie past the buffer.
    Bytes edge(4096, 'B');
    edge[4] = 0x87;
    edge[4095] = 0;
    const ServerRecord atEdge = Parsed(edge);
    EXPECT_EQ(atEdge.m_name.size(), 4090u);
    EXPECT_EQ(atEdge.m_gameType, "DM");
    EXPECT_EQ(atEdge.m_map, "");

    // The map runs to the end: the mod and flags lie past it.
    Bytes mapToEnd(4096, 'M');
    const uint8_t head[] = {0, 0, 0, 0, 0x85, 'n', 0, 1, 2, 3};
    std::copy(std::begin(head), std::end(head), mapToEnd.begin());
    const ServerRecord longMap = Parsed(mapToEnd);
    EXPECT_EQ(longMap.m_gameType, "VLD");
    EXPECT_EQ(longMap.m_playersText, " 2/ 3");
    EXPECT_EQ(longMap.m_map, std::string(4096 - 10, 'M'));
    EXPECT_EQ(longMap.m_mod, "");
    EXPECT_FALSE(longMap.m_dedicated);
}

TEST(ServerRecordTest, TextsKeepHighBytes) {
    const std::string name = "\xE9t\xE9\x80\x9B\x01";
    const ServerRecord r = Parsed(InfoReply(0x85, name, 0, 1, 1, "\xFF", "\x7F", 0));
    EXPECT_EQ(r.m_name, name);
    EXPECT_EQ(r.m_map, "\xFF");
    EXPECT_EQ(r.m_mod, "\x7F");
}

}  // namespace
