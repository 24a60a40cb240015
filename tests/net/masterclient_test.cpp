#include "net/masterclient.h"

#include <filesystem>

#include <gtest/gtest.h>

#include "net/serveraddress.h"
#include "tests/support/fakemaster.h"
#include "tests/support/fakenotice.h"
#include "tests/support/tempdir.h"

namespace {

using kr::test::Bytes;
using kr::test::FakeAddress;
using kr::test::FakeMaster;
using kr::test::FakeNotice;
using kr::test::MasterPage;
using kr::test::ReadWholeFile;
using kr::test::ScopedTempDir;

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

class MasterClientTest : public ::testing::Test {
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

TEST_F(MasterClientTest, PagesAreAcknowledgedAndRecordedUntilTheLastOne) {
    Bytes echoed = MasterPage(0, Addresses(2, 2), 0x22, {0x41, 0x00, 0x42});
    echoed[19] = 0x03;  // port bytes 03 E7 of the first record: 999
    echoed[20] = 0xE7;
    FakeMaster master({MasterPage(0, Addresses(3, 1), 0x11, {'a', 'b', 'c'}), echoed,
                       MasterPage(7, Addresses(4, 3), 0x33, {'x', 0, 0})});
    EXPECT_EQ(Download(master), 0);

    EXPECT_EQ(master.Received(), (std::vector<Bytes>{kRequest, Ack(0x11, 'a', 'b', 'c'),
                                                     Ack(0x22, 0x41, 0, 0), Ack(0x33, 'x', 0, 0)}));
    EXPECT_EQ(ReadWholeFile("servers.txt"),
              " 10.  1.  1.  0:    0\n"
              " 10.  1.  1.  1:    1\n"
              " 10.  1.  1.  2:    2\n"
              " 10.  1.  2.  0:  999\n"
              " 10.  1.  2.  1:    1\n");
    ASSERT_EQ(g_serverAddresses.size(), 5u);
    EXPECT_EQ(g_serverAddresses[3].m_ip, "10.1.2.0");
    EXPECT_EQ(g_serverAddresses[3].m_port, 999u);
    EXPECT_EQ(g_serverAddresses[4].m_ip, "10.1.2.1");
    EXPECT_TRUE(m_notice.StatusTexts().empty());
}

TEST_F(MasterClientTest, OnlyALastPageGivesAnEmptyListAndNoFile) {
    FakeMaster master({MasterPage(7, Addresses(2, 0), 5, {'k', 'r', 0})});
    EXPECT_EQ(Download(master), 0);
    EXPECT_EQ(master.Received(), (std::vector<Bytes>{kRequest, Ack(5, 'k', 'r', 0)}));
    EXPECT_TRUE(g_serverAddresses.empty());
    EXPECT_FALSE(std::filesystem::exists("servers.txt"));
}

TEST_F(MasterClientTest, FullPagesOfTwoHundredFiftyFiveRecords) {
    FakeMaster master({MasterPage(0, Addresses(255, 1), 1), MasterPage(0, Addresses(1, 2), 2),
                       MasterPage(0, Addresses(255, 3), 3), MasterPage(7, {}, 4)});
    EXPECT_EQ(Download(master), 0);
    EXPECT_EQ(master.Received().size(), 5u);
    ASSERT_EQ(g_serverAddresses.size(), 511u);
    EXPECT_EQ(g_serverAddresses[254].m_ip, "10.1.1.254");
    EXPECT_EQ(g_serverAddresses[255].m_ip, "10.1.2.0");
    EXPECT_EQ(g_serverAddresses[510].m_ip, "10.1.3.254");
    EXPECT_EQ(g_serverAddresses[510].m_port, 254u);
    EXPECT_EQ(ReadWholeFile("servers.txt").size(), 511u * 22);
}

// A datagram without the 2, 6 mark is neither acknowledged nor recorded; the next page is.
TEST_F(MasterClientTest, ForeignDatagramIsIgnored) {
    Bytes foreign = MasterPage(0, Addresses(3, 9), 0x99);
    foreign[0] = 6;
    foreign[1] = 2;
    FakeMaster master({foreign, MasterPage(0, Addresses(1, 1), 0x42), MasterPage(7, {}, 0x43)});
    EXPECT_EQ(Download(master), 0);
    EXPECT_EQ(master.Received(),
              (std::vector<Bytes>{kRequest, Ack(0x42, 0, 0, 0), Ack(0x43, 0, 0, 0)}));
    ASSERT_EQ(g_serverAddresses.size(), 1u);
    EXPECT_EQ(g_serverAddresses[0].m_ip, "10.1.1.0");
}

TEST_F(MasterClientTest, MasterFallingSilentMidListKeepsWhatCame) {
    FakeMaster master({MasterPage(0, Addresses(3, 1), 1), MasterPage(0, Addresses(2, 2), 2)});
    EXPECT_EQ(Download(master), -1);
    EXPECT_EQ(master.Received().size(), 3u);
    EXPECT_EQ(g_serverAddresses.size(), 5u);
    EXPECT_EQ(ReadWholeFile("servers.txt").size(), 5u * 22);
}

TEST_F(MasterClientTest, UnresolvableMasterIsReportedByTheSocketAndReturnsZero) {
    SetMasterServer("no such host", kDefaultMasterPort);
    EXPECT_EQ(DownloadServerList(), 0);
    EXPECT_TRUE(g_serverAddresses.empty());
    EXPECT_EQ(m_notice.StatusTexts(), std::vector<std::string>{"Invalid Server ip!"});
    EXPECT_EQ(m_notice.MessageBoxes().size(), 1u);
}

TEST_F(MasterClientTest, UnwritableServersFileIsToldOncePerDownload) {
    std::filesystem::create_directory("servers.txt");
    FakeMaster master({MasterPage(0, Addresses(2, 1), 1), MasterPage(0, Addresses(3, 2), 2),
                       MasterPage(7, {}, 3)});
    EXPECT_EQ(Download(master), 0);
    EXPECT_EQ(g_serverAddresses.size(), 5u);
    EXPECT_EQ(m_notice.StatusTexts(), std::vector<std::string>{"Cannot write servers.txt"});
}

TEST(MasterOptionTest, ParsesHostAndOptionalPort) {
    const struct {
        const char* text;
        bool valid;
        const char* host;
        int port;
    } cases[] = {
        {"127.0.0.1", true, "127.0.0.1", 18444},
        {"127.0.0.1:40000", true, "127.0.0.1", 40000},
        {"localhost:1", true, "localhost", 1},
        {"m.example:65535", true, "m.example", 65535},
        {"h:00080", true, "h", 80},
        {"", false, "", 0},
        {":18444", false, "", 0},
        {"h:", false, "", 0},
        {"h:0", false, "", 0},
        {"h:65536", false, "", 0},
        {"h:-1", false, "", 0},
        {"h:+80", false, "", 0},
        {"h:80x", false, "", 0},
        {"h:1:2", false, "", 0},
        {"a b:80", false, "", 0},
        {"a\x7f", false, "", 0},
    };
    for (const auto& c : cases) {
        const auto parsed = ParseMasterOption(c.text);
        ASSERT_EQ(parsed.has_value(), c.valid) << c.text;
        if (parsed) {
            EXPECT_EQ(parsed->host, c.host);
            EXPECT_EQ(parsed->port, c.port);
        }
    }
}

}  // namespace
