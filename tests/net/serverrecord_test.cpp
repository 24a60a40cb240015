#include "net/serverrecord.h"

#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "tests/support/fakegameservers.h"

namespace {

using kr::test::Bytes;
using kr::test::InfoReply;

// Decodes the reply as a query does: from a zero-filled 4096-byte buffer, after the ping.
ServerRecord Parsed(const Bytes& reply) {
    Bytes buffer(4096, 0);
    std::copy(reply.begin(), reply.begin() + std::min<size_t>(reply.size(), 4096), buffer.begin());
    ServerRecord record;
    record.Reset();
    record.m_ping = 37;
    record.ParseInfoReply(buffer);
    return record;
}

// The record's texts and flags in one line: version|name|type|players|map|mod|flags|ping.
std::string Summary(const ServerRecord& r) {
    return r.m_version + "|" + r.m_name + "|" + r.m_gameType + "|" + r.m_playersText + "|" +
           r.m_map + "|" + r.m_mod + "|" + (r.m_dedicated ? "D" : "-") + (r.m_private ? "P" : "-") +
           "|" + r.m_pingText;
}

TEST(ServerRecordTest, ResetSetsPlaceholdersAndKeepsGroupAndAddress) {
    ServerRecord fresh;
    fresh.Reset();
    EXPECT_EQ(Summary(fresh), "|?||?/?|?|?|--|9999");
    EXPECT_EQ(fresh.m_ping, 9999u);
    EXPECT_EQ(fresh.m_players + fresh.m_maxPlayers, 0);

    ServerRecord used = Parsed(InfoReply(0x89, "Arena", 2, 3, 12, "Dunes", "Mod", 0x05));
    used.m_address = "10.0.0.5:999";
    used.Reset();
    EXPECT_EQ(Summary(used), "1.20|?|TDM|?/?|?|?|--|9999");
    EXPECT_EQ(used.GroupKey(), "1.20TDM");
    EXPECT_EQ(used.m_address, "10.0.0.5:999");
}

// Every field of the reply: version and game type tables (the type byte is signed), player
// counts as signed bytes in "%2d/%2d", only flag bits 0 and 2, an empty mod.
TEST(ServerRecordTest, DecodesEveryField) {
    const struct {
        Bytes reply;
        const char* summary;
    } cases[] = {
        {InfoReply(0x89, "Arena One", 2, 3, 12, "Dunes", "", 0x05),
         "1.20|Arena One|TDM| 3/12|Dunes||DP|37"},
        {InfoReply(0x85, "a", 0, 5, 16, "m", "x", 0x01), "1.00|a|DM| 5/16|m|x|D-|37"},
        {InfoReply(0x87, "b", 1, 12, 32, "m", "", 0x04), "1.10|b|VLD|12/32|m||-P|37"},
        {InfoReply(0x91, "c", 3, 0, 0, "", "", 0x02), "1.30|c|???| 0/ 0|||--|37"},
        {InfoReply(0x86, "d", 0xFF, 0x80, 5, "m", "", 0xFA), "1.??|d|???|-128/ 5|m||--|37"},
        {InfoReply(0x8B, "e", 0x81, 0xFF, 0x7F, "m", "", 0xFF), "1.??|e|???|-1/127|m||DP|37"},
        {InfoReply(0x00, "", 0x7F, 100, 9, "m", "", 0), "1.??||???|100/ 9|m||--|37"},
        {InfoReply(0xFF, "\xE9\x01", 2, 1, 1, "\xFF", "\x7F", 0),
         "1.??|\xE9\x01|TDM| 1/ 1|\xFF|\x7F|--|37"},
        // One byte: even the version code lies past it; everything else reads as zero.
        {Bytes{0x85}, "1.??||DM| 0/ 0|||--|37"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(Summary(Parsed(c.reply)), c.summary);
    }
    const ServerRecord negative = Parsed(InfoReply(0x85, "n", 0, 0x80, 0xFF, "m", "", 0));
    EXPECT_EQ(negative.m_players, -128);
    EXPECT_EQ(negative.m_maxPlayers, -1);
}

// Strings end at their zero byte or the buffer's end; fields past the end read as zero.
TEST(ServerRecordTest, RepliesFillingTheBufferDecodeWithinIt) {
    Bytes noZero(4096, 'A');  // 4096 bytes, no terminator anywhere
    noZero[4] = 0x91;
    EXPECT_EQ(Summary(Parsed(noZero)), "1.30|" + std::string(4091, 'A') + "|DM| 0/ 0|||--|37");

    Bytes nameToLast(4096, 'B');  // the name's zero is the last byte: the type lies past it
    nameToLast[4] = 0x87;
    nameToLast[4095] = 0;
    EXPECT_EQ(Summary(Parsed(nameToLast)), "1.10|" + std::string(4090, 'B') + "|DM| 0/ 0|||--|37");

    Bytes mapToEnd(4096, 'M');  // the map runs to the end: mod and flags lie past it
    const uint8_t head[] = {0, 0, 0, 0, 0x85, 'n', 0, 1, 2, 3};
    std::copy(std::begin(head), std::end(head), mapToEnd.begin());
    EXPECT_EQ(Summary(Parsed(mapToEnd)), "1.00|n|VLD| 2/ 3|" + std::string(4086, 'M') + "||--|37");
}

}  // namespace
