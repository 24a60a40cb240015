// SPDX-License-Identifier: GPL-3.0-or-later
#include "net/serverquery.h"

#include <gtest/gtest.h>

#include "net/serverrecord.h"
#include "platform/posix/tickcount.h"
#include "tests/support/fakegameservers.h"
#include "tests/support/fakenotice.h"

namespace {

using namespace kr::test;

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

// A record holding values that a query must overwrite or keep.
ServerRecord Marked() {
    ServerRecord record;
    record.m_version = "1.30";
    record.m_gameType = "VLD";
    record.m_address = "unchanged";
    record.m_name = "old name";
    record.m_ping = 5;
    return record;
}

// Version and game type tables (the type byte is signed), player counts as signed bytes in
// "%2d/%2d", only flag bits 0 and 2; fields past the end read as zero. The info reply fuzz
// target holds where the strings lie and that they stay within the datagram.
TEST(ServerRecordTest, DecodesEveryField) {
    Bytes mapToEnd(4096, 'M');  // the map runs to the end: mod and flags lie past it
    const uint8_t head[] = {0, 0, 0, 0, 0x85, 'n', 0, 1, 2, 3};
    std::copy(std::begin(head), std::end(head), mapToEnd.begin());
    const std::pair<Bytes, std::string> cases[] = {
        {InfoReply(0x89, "Arena One", 2, 3, 12, "Dunes", "", 0x05),
         "1.20|Arena One|TDM| 3/12|Dunes||DP|37"},
        {InfoReply(0x85, "a", 0, 5, 16, "m", "x", 0x01), "1.00|a|DM| 5/16|m|x|D-|37"},
        {InfoReply(0x87, "b", 1, 12, 32, "m", "", 0x04), "1.10|b|VLD|12/32|m||-P|37"},
        {InfoReply(0x91, "c", 3, 0, 0, "", "", 0x02), "1.30|c|???| 0/ 0|||--|37"},
        {InfoReply(0x86, "d", 0xFF, 0x80, 5, "m", "", 0xFA), "1.??|d|???|-128/ 5|m||--|37"},
        {Bytes{0x85}, "1.??||DM| 0/ 0|||--|37"},  // even the version code lies past one byte
        {mapToEnd, "1.00|n|VLD| 2/ 3|" + std::string(4086, 'M') + "||--|37"},
    };
    for (const auto& [reply, summary] : cases) {
        EXPECT_EQ(Summary(Parsed(reply)), summary);
    }
}

class ServerQueryTest : public ::testing::Test {
protected:
    void TearDown() override { SetTickCountOffset(0); }
    FakeNotice m_notice;
};

// Four zero bytes out; any datagram back is decoded from a fresh buffer, so a short one leaves
// nothing of an earlier, longer reply behind. The ping is the tick difference across the
// exchange, right even when the counter wraps.
TEST_F(ServerQueryTest, SendsFourZeroBytesAndDecodesAnyReply) {
    FakeGameServers servers(
        {{InfoReply(0x89, "Arena", 2, 3, 12, "Dunes", "", 0x05), false, 40}, {Bytes{0x85}}});
    ServerRecord record = Marked();
    SetTickCountOffset(0xFFFFFFFFu - GetTickCount() - 5u);  // wraps 5 ms into the wait
    QueryServer("127.0.0.1", servers.Port(0), record);
    EXPECT_EQ(servers.Requests(0), (std::vector<Bytes>{{0, 0, 0, 0}}));
    EXPECT_EQ(record.m_address, servers.Address(0));
    EXPECT_GE(record.m_ping, 40u);
    EXPECT_LT(record.m_ping, 2000u);
    EXPECT_EQ(Summary(record), "1.20|Arena|TDM| 3/12|Dunes||DP|" + std::to_string(record.m_ping));
    QueryServer("127.0.0.1", servers.Port(1), record);
    EXPECT_EQ(Summary(record), "1.??||DM| 0/ 0|||--|" + std::to_string(record.m_ping));
    EXPECT_TRUE(m_notice.StatusTexts().empty());
}

// Host and port are split at the first colon (the address fuzz target holds the lengths); a host
// that cannot be resolved gets its box and leaves the placeholders.
TEST_F(ServerQueryTest, AddressTextIsSplitAtItsFirstColon) {
    FakeGameServers servers({{InfoReply(0x87, "by text", 0, 2, 4, "m", "x", 1)}});
    const std::string port = std::to_string(servers.Port(0));
    const std::string queried = "by text|1.10", unchanged = "old name|1.30",
                      placeholders = "?|1.30";
    const struct {
        std::string text;
        std::string address;  // the record's address text afterwards
        std::string fields;   // its name and version
    } cases[] = {
        {"127.0.0.1:" + port + "xy", "127.0.0.1:" + port, queried},  // leading digits count
        {"127.0.0.1:abc", "127.0.0.1:0", placeholders},              // no digits: port 0
        {"not a host:27960", "not a host:27960", placeholders},
        {"127.0.0.1", "unchanged", unchanged},  // no colon: nothing at all
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        const size_t before = servers.Requests(0).size();
        ServerRecord record = Marked();
        QueryServerByAddress(c.text, record);
        EXPECT_EQ(servers.Requests(0).size() - before, c.fields == queried ? 1u : 0u);
        EXPECT_EQ(record.m_address, c.address);
        EXPECT_EQ(record.m_name + "|" + record.m_version, c.fields);
        EXPECT_EQ(record.m_ping == 9999u, c.fields == placeholders);
    }
    EXPECT_EQ(m_notice.MessageBoxes().size(), 1u) << "for the host that cannot be resolved";
}

}  // namespace
