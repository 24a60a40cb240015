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

std::vector<std::string> Listed() {
    std::vector<std::string> listed;
    for (const ServerAddress& address : g_serverAddresses) {
        listed.push_back(address.m_ip + ":" + std::to_string(address.m_port));
    }
    return listed;
}

// A page of three records whose first two bytes are not the 2, 6 mark.
Bytes Foreign(uint8_t first, uint8_t second) {
    Bytes page = MasterPage(0, Addresses(3, 9), 0x99);
    page[0] = first;
    page[1] = second;
    return page;
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

    int Download(FakeMaster& master) {
        SetMasterServer("127.0.0.1", master.Port());
        return DownloadServerList();
    }

    ScopedTempDir m_dir{true};
    FakeNotice m_notice;
};

TEST_F(MasterListTest, WriterAppendsOneAlignedLinePerRecord) {
    g_serverAddresses.clear();
    EXPECT_TRUE(Append(MasterPage(0, {})));
    EXPECT_TRUE(std::filesystem::exists("servers.txt"));
    EXPECT_TRUE(Append(MasterPage(0, {{{10, 0, 0, 5}, 999}, {{255, 255, 255, 255}, 65535}})));
    EXPECT_TRUE(Append(MasterPage(3, {{{1, 22, 133, 0}, 0}})));
    EXPECT_EQ(ReadWholeFile("servers.txt"),
              " 10.  0.  0.  5:  999\n"
              "255.255.255.255:65535\n"
              "  1. 22.133.  0:    0\n");
    EXPECT_EQ(Listed(),
              (std::vector<std::string>{"10.0.0.5:999", "255.255.255.255:65535", "1.22.133.0:0"}));
}

// A count past the datagram's end would record stale bytes of the buffer as addresses.
TEST_F(MasterListTest, WriterCutsTheCountToTheRecordsPresent) {
    const std::vector<FakeAddress> two = {{{10, 0, 0, 1}, 1}, {{10, 0, 0, 2}, 2}};
    Bytes shortOfOneByte = MasterPage(0, two);
    shortOfOneByte.pop_back();
    const std::pair<Bytes, size_t> cases[] = {
        {MasterPage(0, two, 0, {0, 0, 0}, 255), 2},
        {MasterPage(0, two, 0, {0, 0, 0}, 1), 1},
        {shortOfOneByte, 1},
        {Bytes{2, 6, 0, 0, 0, 0, 0, 0, 0, 0, 9}, 0},  // header cut short
    };
    for (const auto& [page, expected] : cases) {
        g_serverAddresses.clear();
        Append(page);
        EXPECT_EQ(g_serverAddresses.size(), expected);
    }
}

TEST_F(MasterListTest, PagesAreAcknowledgedAndRecordedUntilTheLastOne) {
    Bytes echoed = MasterPage(0, Addresses(2, 2), 0x22, {0x41, 0x00, 0x42});
    echoed[19] = 0x03;  // port bytes 03 E7 of the first record: 999
    echoed[20] = 0xE7;
    echoed[3] = 0x55;  // header bytes the client does not read
    echoed[8] = 0x66;
    echoed[9] = 0x77;
    FakeMaster master({MasterPage(0, Addresses(3, 1), 0x11, {'a', 'b', 'c'}), echoed,
                       MasterPage(0, {}, 0, {0, 'A', 'B'}),
                       MasterPage(0, {}, 0xFF, {0xFF, 0x80, 0}),
                       MasterPage(7, Addresses(4, 3), 0x33, {'x', 0, 0})});
    EXPECT_EQ(Download(master), 0);
    EXPECT_EQ(
        master.Received(),
        (std::vector<Bytes>{kRequest, Ack(0x11, 'a', 'b', 'c'), Ack(0x22, 0x41, 0, 0),
                            Ack(0, 0, 0, 0), Ack(0xFF, 0xFF, 0x80, 0), Ack(0x33, 'x', 0, 0)}));
    EXPECT_EQ(ReadWholeFile("servers.txt").size(), 5u * 22);
    EXPECT_EQ(Listed(), (std::vector<std::string>{"10.1.1.0:0", "10.1.1.1:1", "10.1.1.2:2",
                                                  "10.1.2.0:999", "10.1.2.1:1"}));
    EXPECT_TRUE(m_notice.StatusTexts().empty());
}

// Pages of 0, 1 and 255 records, a foreign datagram (neither acknowledged nor recorded), a
// master falling silent mid-list (-1, what came is kept), a list of only the last page.
TEST_F(MasterListTest, DownloadCases) {
    auto check = [&](const std::vector<Bytes>& pages, int result, const Bytes& ackedEchoes,
                     size_t listed, const std::string& last) {
        ScopedTempDir dir(true);
        g_serverAddresses = {ServerAddress{"9.9.9.9", 9}};
        FakeMaster master(pages);
        EXPECT_EQ(Download(master), result);
        std::vector<Bytes> expected = {kRequest};
        for (uint8_t echo : ackedEchoes) {
            expected.push_back(Ack(echo, 0, 0, 0));
        }
        EXPECT_EQ(master.Received(), expected);
        EXPECT_EQ(g_serverAddresses.size(), listed);
        EXPECT_EQ(Listed().empty() ? "" : Listed().back(), last);
        EXPECT_EQ(ReadWholeFile("servers.txt").size(), listed * 22);
        EXPECT_EQ(std::filesystem::exists("servers.txt"), listed > 0);
    };
    check({MasterPage(0, Addresses(255, 1), 1), MasterPage(0, Addresses(1, 2), 2),
           MasterPage(0, {}, 3), MasterPage(0, Addresses(255, 3), 4), MasterPage(7, {}, 5)},
          0, {1, 2, 3, 4, 5}, 511, "10.1.3.254:254");
    check({Foreign(2, 7), Foreign(6, 2), Foreign(0, 6), Foreign(0xFF, 0xFF),
           MasterPage(0, Addresses(1, 1), 0x42), MasterPage(7, {}, 0x43)},
          0, {0x42, 0x43}, 1, "10.1.1.0:0");
    check({MasterPage(0, Addresses(3, 1), 1), MasterPage(0, Addresses(2, 2), 2)}, -1, {1, 2}, 5,
          "10.1.2.1:1");
    check({MasterPage(7, Addresses(2, 0), 5)}, 0, {5}, 0, "");
}

// The page that would take the list past a bound is neither acknowledged nor recorded; the
// download ends with 0, says so, and keeps what came before.
TEST_F(MasterListTest, DownloadIsCutBeforeThePageThatPassesABound) {
    const auto check = [&](std::vector<Bytes> pages, size_t listed) {
        ScopedTempDir dir(true);
        const size_t accepted = pages.size();
        pages.push_back(MasterPage(0, Addresses(2, 0)));
        FakeMaster master(pages, 500);
        ListDownloadEnd end = ListDownloadEnd::LastPage;
        SetMasterServer("127.0.0.1", master.Port());
        EXPECT_EQ(DownloadServerList(&end), 0);
        EXPECT_EQ(end, ListDownloadEnd::Cut);
        EXPECT_EQ(master.Received().size(), 1 + accepted);
        EXPECT_EQ(g_serverAddresses.size(), listed);
        EXPECT_EQ(ReadWholeFile("servers.txt").size(), listed * 22);
        const std::vector<std::string> texts = m_notice.StatusTexts();
        ASSERT_FALSE(texts.empty());
        EXPECT_EQ(texts.back(),
                  "Master list too long: first " + std::to_string(listed) + " server(s) kept");
    };
    // 257 full pages hold 65,535 addresses: two more would pass 65,536.
    check(std::vector<Bytes>(257, MasterPage(0, Addresses(255, 7))), 65535);
    check(std::vector<Bytes>(kMaxListDatagrams, MasterPage(0, {})), 0);
}

// An unresolvable master is told by the socket (status text and box) and lists nothing; a
// servers.txt that cannot be written is told once per download, and the list is kept anyway.
TEST_F(MasterListTest, FailuresAreToldOnceAndReturnZero) {
    SetMasterServer("no such host", kDefaultMasterPort);
    EXPECT_EQ(DownloadServerList(), 0);
    EXPECT_TRUE(g_serverAddresses.empty());
    EXPECT_EQ(m_notice.StatusTexts(), std::vector<std::string>{"Invalid Server ip!"});
    EXPECT_EQ(m_notice.MessageBoxes().size(), 1u);
    std::filesystem::create_directory("servers.txt");
    FakeMaster master(
        {MasterPage(0, Addresses(2, 1), 1), MasterPage(0, Addresses(3, 2), 2), MasterPage(7, {})});
    EXPECT_EQ(Download(master), 0);
    EXPECT_EQ(g_serverAddresses.size(), 5u);
    EXPECT_EQ(m_notice.StatusTexts(),
              (std::vector<std::string>{"Invalid Server ip!", "Cannot write servers.txt"}));
}

TEST(MasterOptionTest, ParsesHostAndOptionalPort) {
    const std::pair<const char*, std::string> valid[] = {{"127.0.0.1", "127.0.0.1:18444"},
                                                         {"localhost:1", "localhost:1"},
                                                         {"m.example:65535", "m.example:65535"},
                                                         {"h:00080", "h:80"}};
    for (const auto& [text, parsed] : valid) {
        const auto option = ParseMasterOption(text);
        ASSERT_TRUE(option) << text;
        EXPECT_EQ(option->host + ":" + std::to_string(option->port), parsed);
    }
    for (const char* text : {"", ":18444", "h:", "h:0", "h:65536", "h:-1", "h:+80", "h:80x",
                             "h:1:2", "a b:80", "a\x7f"}) {
        EXPECT_FALSE(ParseMasterOption(text)) << text;
    }
}

}  // namespace
