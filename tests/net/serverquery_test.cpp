#include "net/serverquery.h"

#include <gtest/gtest.h>

#include "platform/posix/tickcount.h"
#include "tests/support/fakegameservers.h"
#include "tests/support/fakenotice.h"

namespace {

using kr::test::Bytes;
using kr::test::FakeGameServers;
using kr::test::FakeNotice;
using kr::test::FakeServerScript;
using kr::test::InfoReply;

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

class ServerQueryTest : public ::testing::Test {
protected:
    void TearDown() override { SetTickCountOffset(0); }
    FakeNotice m_notice;
};

TEST_F(ServerQueryTest, SendsFourZeroBytesAndDecodesTheReply) {
    FakeGameServers servers({{InfoReply(0x89, "Arena", 2, 3, 12, "Dunes", "", 0x05)}});
    ServerRecord record;
    QueryServer("127.0.0.1", servers.Port(0), record);

    EXPECT_EQ(servers.Requests(0), 1);
    EXPECT_EQ(servers.LastRequest(0), (Bytes{0, 0, 0, 0}));
    EXPECT_EQ(record.m_address, "127.0.0.1:" + std::to_string(servers.Port(0)));
    EXPECT_EQ(record.GroupKey(), "1.20TDM");
    EXPECT_EQ(record.m_name, "Arena");
    EXPECT_EQ(record.m_playersText, " 3/12");
    EXPECT_LT(record.m_ping, 2000u);
    EXPECT_EQ(record.m_pingText, std::to_string(record.m_ping));
    EXPECT_TRUE(m_notice.StatusTexts().empty());
}

// Any datagram from the server is decoded, whatever it holds; a short one leaves nothing of an
// earlier, longer reply behind.
TEST_F(ServerQueryTest, AnyReplyIsDecodedFromAFreshBuffer) {
    FakeGameServers servers({{Bytes{0x85}}, {Bytes(4096, 'Z')}});
    ServerRecord record = Marked();
    QueryServer("127.0.0.1", servers.Port(0), record);
    EXPECT_EQ(record.m_version, "1.??");
    EXPECT_EQ(record.m_name, "");
    EXPECT_EQ(record.m_gameType, "DM");
    EXPECT_EQ(record.m_playersText, " 0/ 0");
    EXPECT_NE(record.m_ping, 9999u);

    QueryServer("127.0.0.1", servers.Port(1), record);
    EXPECT_EQ(record.m_name, std::string(4091, 'Z'));
    EXPECT_EQ(record.m_gameType, "DM");
    EXPECT_EQ(record.m_map, "");
}

// The ping is the tick difference across the exchange, right even when the counter wraps.
TEST_F(ServerQueryTest, PingIsTheTickDifferenceAcrossAWrap) {
    FakeServerScript slow;
    slow.reply = InfoReply(0x85, "slow", 1, 1, 8, "m", "", 0);
    slow.delayMs = 40;
    FakeGameServers servers({slow});

    SetTickCountOffset(0xFFFFFFFFu - GetTickCount() - 5u);  // wraps 5 ms into the wait
    ServerRecord record;
    QueryServer("127.0.0.1", servers.Port(0), record);
    EXPECT_GE(record.m_ping, 40u);
    EXPECT_LT(record.m_ping, 2000u);
    EXPECT_EQ(record.m_pingText, std::to_string(record.m_ping));
}

TEST_F(ServerQueryTest, UnresolvableHostIsReportedAndLeavesPlaceholders) {
    ServerRecord record = Marked();
    QueryServer("not a host", 27960, record);
    EXPECT_EQ(record.m_address, "not a host:27960");
    EXPECT_EQ(record.m_ping, 9999u);
    EXPECT_EQ(record.m_name, "?");
    EXPECT_EQ(m_notice.MessageBoxes().size(), 1u);
}

TEST_F(ServerQueryTest, AddressTextIsSplitAtItsFirstColon) {
    FakeGameServers servers({{InfoReply(0x87, "by text", 0, 2, 4, "m", "x", 1)}});
    const std::string port = std::to_string(servers.Port(0));
    const struct {
        std::string text;
        bool queried;
        std::string address;  // the record's address text afterwards
    } cases[] = {
        {"127.0.0.1:" + port, true, "127.0.0.1:" + port},
        {"127.0.0.1:" + port + "xy", true, "127.0.0.1:" + port},  // leading digits count
        {"127.0.0.1:00" + port, true, "127.0.0.1:" + port},       // 7 characters at most
        {"127.0.0.1:abc", false, "127.0.0.1:0"},                  // no digits: port 0
        {"127.0.0.1:", false, "127.0.0.1:0"},
        {"127.0.0.1", false, "unchanged"},                             // no colon: nothing at all
        {"127.000.000.001:" + port, true, "127.000.000.001:" + port},  // 15 characters
        {"0127.000.000.001:" + port, false, "unchanged"},              // host part of 16 characters
        {"127.0.0.1:000" + port, false, "unchanged"},                  // port part of 8 characters
        {"", false, "unchanged"},
    };
    for (const auto& c : cases) {
        const int before = servers.Requests(0);
        ServerRecord record = Marked();
        QueryServerByAddress(c.text, record);
        EXPECT_EQ(servers.Requests(0) - before, c.queried ? 1 : 0) << c.text;
        EXPECT_EQ(record.m_address, c.address) << c.text;
        if (c.queried) {
            EXPECT_EQ(record.m_name, "by text");
            EXPECT_EQ(record.m_version, "1.10");
        } else if (c.address == "unchanged") {
            EXPECT_EQ(record.m_name, "old name");
            EXPECT_EQ(record.m_ping, 5u);
        }
    }
}

}  // namespace
