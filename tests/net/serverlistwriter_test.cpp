#include "net/serverlistwriter.h"

#include <filesystem>

#include <gtest/gtest.h>

#include "net/serveraddress.h"
#include "tests/support/fakemaster.h"
#include "tests/support/tempdir.h"

namespace {

using kr::test::Bytes;
using kr::test::FakeAddress;
using kr::test::MasterPage;
using kr::test::ReadWholeFile;
using kr::test::ScopedTempDir;

// Records a page the way the download does: from a 4096-byte buffer that held earlier data.
bool Append(const Bytes& page, uint8_t stale = 0xAB) {
    Bytes buffer(4096, stale);
    std::copy(page.begin(), page.end(), buffer.begin());
    return ServerListWriter().AppendPage(buffer.data(), static_cast<int>(page.size()));
}

std::vector<std::pair<std::string, uint32_t>> Listed() {
    std::vector<std::pair<std::string, uint32_t>> listed;
    for (const ServerAddress& address : g_serverAddresses) {
        listed.emplace_back(address.m_ip, address.m_port);
    }
    return listed;
}

class ServerListWriterTest : public ::testing::Test {
protected:
    void SetUp() override { g_serverAddresses.clear(); }
    ScopedTempDir m_dir{true};
};

TEST_F(ServerListWriterTest, AppendsOneAlignedLinePerRecordToFileAndList) {
    EXPECT_TRUE(Append(MasterPage(0, {{{10, 0, 0, 5}, 999}, {{255, 255, 255, 255}, 65535}})));
    EXPECT_TRUE(Append(MasterPage(3, {{{1, 22, 133, 0}, 0}})));
    EXPECT_EQ(ReadWholeFile("servers.txt"),
              " 10.  0.  0.  5:  999\n"
              "255.255.255.255:65535\n"
              "  1. 22.133.  0:    0\n");
    EXPECT_EQ(Listed(), (std::vector<std::pair<std::string, uint32_t>>{
                            {"10.0.0.5", 999}, {"255.255.255.255", 65535}, {"1.22.133.0", 0}}));

    // The file is appended to across downloads and runs, never truncated.
    g_serverAddresses.clear();
    EXPECT_TRUE(Append(MasterPage(0, {{{127, 0, 0, 1}, 18444}})));
    EXPECT_EQ(ReadWholeFile("servers.txt").substr(66), "127.  0.  0.  1:18444\n");
    EXPECT_EQ(Listed().size(), 1u);
}

TEST_F(ServerListWriterTest, EmptyPageCreatesTheFileWithoutLines) {
    EXPECT_TRUE(Append(MasterPage(0, {})));
    EXPECT_TRUE(std::filesystem::exists("servers.txt"));
    EXPECT_EQ(ReadWholeFile("servers.txt"), "");
    EXPECT_TRUE(g_serverAddresses.empty());
}

TEST_F(ServerListWriterTest, ForeignDatagramRecordsNothing) {
    Bytes page = MasterPage(0, {{{10, 0, 0, 1}, 80}});
    page[1] = 7;
    EXPECT_TRUE(Append(page));
    EXPECT_FALSE(std::filesystem::exists("servers.txt"));
    EXPECT_TRUE(g_serverAddresses.empty());
}

// A count past the datagram's end would record stale bytes of the buffer as addresses.
TEST_F(ServerListWriterTest, CountIsCutToTheRecordsPresent) {
    const std::vector<FakeAddress> two = {{{10, 0, 0, 1}, 1}, {{10, 0, 0, 2}, 2}};
    Bytes shortOfOneByte = MasterPage(0, two);
    shortOfOneByte.pop_back();
    const struct {
        Bytes page;
        size_t expected;
    } cases[] = {
        {MasterPage(0, two, 0, {0, 0, 0}, 255), 2},
        {MasterPage(0, two, 0, {0, 0, 0}, 1), 1},
        {shortOfOneByte, 1},
        {Bytes{2, 6, 0, 0, 0, 0, 0, 0, 0, 0, 9}, 0},  // header cut short
    };
    for (const auto& c : cases) {
        g_serverAddresses.clear();
        Append(c.page);
        EXPECT_EQ(g_serverAddresses.size(), c.expected);
    }
}

TEST_F(ServerListWriterTest, UnopenableFileStillListsTheAddresses) {
    std::filesystem::create_directory("servers.txt");
    EXPECT_FALSE(Append(MasterPage(0, {{{10, 0, 0, 1}, 1}, {{10, 0, 0, 2}, 2}})));
    EXPECT_EQ(Listed(),
              (std::vector<std::pair<std::string, uint32_t>>{{"10.0.0.1", 1}, {"10.0.0.2", 2}}));
}

}  // namespace
