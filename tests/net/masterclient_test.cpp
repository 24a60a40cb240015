// SPDX-License-Identifier: GPL-3.0-or-later
#include "net/masterclient.h"

#include <filesystem>

#include <gtest/gtest.h>

#include "net/serveraddress.h"
#include "net/serverlistwriter.h"
#include "tests/support/fakemaster.h"
#include "tests/support/fakenotice.h"
#include "tests/support/tempdir.h"

namespace {

using namespace kr::test;
using Texts = std::vector<std::string>;

const Bytes kRequest = {0x02, 0x06, 0x05, 0x00, 0x00, 0x00, 0x00, 0x00, 0x0A, 0x00, 0x00};

Bytes Ack(uint8_t echoByte, uint8_t e0, uint8_t e1, uint8_t e2) {
    return {2, 6, 1, 0, echoByte, e0, e1, e2, 10, 0, 0};
}

std::vector<FakeAddress> Addresses(int count, uint8_t third) {
    std::vector<FakeAddress> addresses;
    for (int i = 0; i < count; ++i) {
        addresses.push_back({{10, 1, third, static_cast<uint8_t>(i)}, static_cast<uint16_t>(i)});
    }
    return addresses;
}

Texts Listed() {
    Texts listed;
    for (const ServerAddress& address : g_serverAddresses) {
        listed.push_back(address.m_ip + ":" + std::to_string(address.m_port));
    }
    return listed;
}

// Records a page the way the download does: from a 4096-byte buffer that held earlier data.
bool Append(const Bytes& page) {
    Bytes buffer(4096, 0xAB);
    std::copy(page.begin(), page.end(), buffer.begin());
    return ServerListWriter().AppendPage(buffer.data(), static_cast<int>(page.size()));
}

class MasterListTest : public ::testing::Test {
protected:
    void SetUp() override { g_serverAddresses = {ServerAddress{"9.9.9.9", 9}}; }
    void TearDown() override { SetMasterServer(kDefaultMasterHost, kDefaultMasterPort); }

    int Download(FakeMaster& master, ListDownloadEnd* end = nullptr,
                 std::chrono::milliseconds time = kListDownloadTime) {
        SetMasterServer("127.0.0.1", master.Port());
        return DownloadServerList(end, time);
    }

    ScopedTempDir m_dir{true};
    FakeNotice m_notice;
};

// One aligned line per record the datagram really holds: a record count past the end, a last
// record cut short or a header cut short would record stale bytes of the buffer as addresses.
TEST_F(MasterListTest, WriterAppendsOneAlignedLinePerRecordPresent) {
    Bytes shortOfOneByte = MasterPage(0, {{{1, 22, 133, 0}, 0}, {{9, 9, 9, 9}, 9}});
    shortOfOneByte.pop_back();
    const std::vector<FakeAddress> sevenEight = {{{7, 7, 7, 7}, 7}, {{8, 8, 8, 8}, 8}};
    EXPECT_TRUE(Append(
        MasterPage(0, {{{10, 0, 0, 5}, 999}, {{255, 255, 255, 255}, 65535}}, 0, {0, 0, 0}, 255)));
    EXPECT_TRUE(Append(shortOfOneByte));
    EXPECT_TRUE(Append(MasterPage(0, sevenEight, 0, {0, 0, 0}, 1)));
    EXPECT_TRUE(Append(Bytes{2, 6, 0, 0, 0, 0, 0, 0, 0, 0, 9}));
    EXPECT_EQ(ReadWholeFile("servers.txt"),
              " 10.  0.  0.  5:  999\n"
              "255.255.255.255:65535\n"
              "  1. 22.133.  0:    0\n"
              "  7.  7.  7.  7:    7\n");
}

// Each page up to the last one (type 7) is acknowledged with its echo byte and its echo text up
// to the first zero, and its records (0 to 255) are recorded; the last page's are not. A
// datagram without the 2, 6 mark is neither acknowledged nor recorded.
TEST_F(MasterListTest, PagesAreAcknowledgedAndRecordedUntilTheLastOne) {
    Bytes echoed = MasterPage(0, Addresses(2, 2), 0x22, {0x41, 0x00, 0x42});
    echoed[19] = 0x03;  // port bytes 03 E7 of the first record: 999
    echoed[20] = 0xE7;
    Bytes foreign = MasterPage(0, Addresses(3, 9), 0x99);
    foreign[1] = 7;  // not the 2, 6 mark
    FakeMaster master({MasterPage(0, Addresses(3, 1), 0x11, {'a', 'b', 'c'}), echoed, foreign,
                       MasterPage(0, {}, 0, {0, 'A', 'B'}),
                       MasterPage(0, Addresses(255, 3), 0xFF, {0xFF, 0x80, 0}),
                       MasterPage(7, Addresses(4, 4), 0x33, {'x', 0, 0})});
    EXPECT_EQ(Download(master), 0);
    EXPECT_EQ(
        master.Received(),
        (std::vector<Bytes>{kRequest, Ack(0x11, 'a', 'b', 'c'), Ack(0x22, 0x41, 0, 0),
                            Ack(0, 0, 0, 0), Ack(0xFF, 0xFF, 0x80, 0), Ack(0x33, 'x', 0, 0)}));
    EXPECT_EQ(ReadWholeFile("servers.txt").size(), 260u * 22);
    Texts listed = Listed();
    ASSERT_EQ(listed.size(), 260u);
    EXPECT_EQ(listed.back(), "10.1.3.254:254");
    listed.resize(6);
    EXPECT_EQ(listed, (Texts{"10.1.1.0:0", "10.1.1.1:1", "10.1.1.2:2", "10.1.2.0:999", "10.1.2.1:1",
                             "10.1.3.0:0"}));
    EXPECT_TRUE(m_notice.StatusTexts().empty());
}

// Past the most datagrams a download takes, the next page is neither acknowledged nor recorded;
// the download ends with 0, says so, and keeps what came before. A servers.txt that cannot be
// written is told once per download; the list is kept anyway.
TEST_F(MasterListTest, DownloadIsCutAfterTheMostDatagramsItTakes) {
    std::filesystem::create_directory("servers.txt");
    std::vector<Bytes> pages(kMaxListDatagrams + 1, MasterPage(0, {}));
    pages[0] = MasterPage(0, Addresses(2, 1));
    pages[1] = MasterPage(0, Addresses(1, 2));
    FakeMaster master(pages, 500);
    ListDownloadEnd end = ListDownloadEnd::LastPage;
    EXPECT_EQ(Download(master, &end), 0);
    EXPECT_EQ(end, ListDownloadEnd::Cut);
    EXPECT_EQ(master.Received().size(), 1u + kMaxListDatagrams);
    EXPECT_EQ(Listed(), (Texts{"10.1.1.0:0", "10.1.1.1:1", "10.1.2.0:0"}));
    EXPECT_EQ(m_notice.StatusTexts(),
              (Texts{"Cannot write servers.txt", "Master list too long: first 3 server(s) kept"}));
}

// A master that falls silent before the last page, with less time left for the list than a page
// may take: the download ends when the list's time is up, keeps what came and says so.
TEST_F(MasterListTest, DownloadEndsWhenTheListsTimeIsUp) {
    FakeMaster master({MasterPage(0, Addresses(2, 1))});
    ListDownloadEnd end = ListDownloadEnd::LastPage;
    EXPECT_EQ(Download(master, &end, std::chrono::milliseconds(1000)), 0);
    EXPECT_EQ(end, ListDownloadEnd::OutOfTime);
    EXPECT_EQ(Listed(), (Texts{"10.1.1.0:0", "10.1.1.1:1"}));
    EXPECT_EQ(m_notice.StatusTexts(),
              Texts{"Master list cut short after 1 s: first 2 server(s) kept"});
}

}  // namespace
