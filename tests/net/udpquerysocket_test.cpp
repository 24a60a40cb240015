#include "net/udpquerysocket.h"

#include <cerrno>
#include <chrono>
#include <filesystem>

#include <arpa/inet.h>
#include <gtest/gtest.h>

#include "tests/support/fakenotice.h"
#include "tests/support/fakeudp.h"

namespace {

using kr::test::Bytes;
using kr::test::FakeNotice;
using kr::test::FakeUdpSocket;

int OpenDescriptors() {
    int count = 0;
    for ([[maybe_unused]] const auto& entry :
         std::filesystem::directory_iterator("/proc/self/fd")) {
        ++count;
    }
    return count;
}

// One exchange with a peer on loopback, by dotted address and by a name from the hosts file.
TEST(UdpQuerySocketTest, ExchangesOneDatagramWithItsPeer) {
    for (const char* host : {"127.0.0.1", "localhost"}) {
        FakeNotice notice;
        FakeUdpSocket peer;
        UdpQuerySocket socket;
        ASSERT_EQ(socket.Connect(host, peer.Port()), 1) << host;

        const uint8_t request[] = {0, 1, 2, 0xFF};
        EXPECT_EQ(socket.Send(request, 4), 4);
        sockaddr_in client{};
        std::optional<Bytes> received = peer.Receive(5000, &client);
        ASSERT_TRUE(received);
        EXPECT_EQ(*received, (Bytes{0, 1, 2, 0xFF}));

        // A datagram from anyone but the peer is not taken.
        FakeUdpSocket stranger;
        stranger.SendTo({9, 9, 9}, client);
        peer.SendTo({7, 8}, client);
        uint8_t buffer[16] = {};
        EXPECT_EQ(socket.Receive(buffer, sizeof(buffer)), 2);
        EXPECT_EQ(buffer[0], 7);
        EXPECT_EQ(buffer[1], 8);

        EXPECT_EQ(socket.Close(), 0);
        EXPECT_EQ(socket.Close(), -1);
        EXPECT_TRUE(notice.StatusTexts().empty());
        EXPECT_TRUE(notice.MessageBoxes().empty());
    }
}

// Texts that are neither a dotted address nor a possible host name are refused without a lookup.
TEST(UdpQuerySocketTest, UnresolvableHostIsReportedAndNothingIsOpened) {
    const int before = OpenDescriptors();
    for (const char* host :
         {"", "bad host", "under_score", "a..b", ".", "x:1", "1.2.3.4 ", "-\x01", "1.2.3.4/8"}) {
        FakeNotice notice;
        UdpQuerySocket socket;
        EXPECT_EQ(socket.Connect(host, 18444), 0) << host;
        EXPECT_EQ(notice.StatusTexts(), std::vector<std::string>{"Invalid Server ip!"});
        ASSERT_EQ(notice.MessageBoxes().size(), 1u);
        EXPECT_EQ(notice.MessageBoxes()[0].text, "Invalid Server ip!");
        EXPECT_EQ(notice.MessageBoxes()[0].title, "KR Server Browser");
        EXPECT_EQ(notice.MessageBoxes()[0].icon, NoticeIcon::None);
        EXPECT_EQ(socket.Close(), -1);
    }
    EXPECT_EQ(OpenDescriptors(), before);
}

TEST(UdpQuerySocketTest, PortOutsideSixteenBitsIsAConnectError) {
    for (int port : {-1, 65536, 65535 + 999}) {
        FakeNotice notice;
        UdpQuerySocket socket;
        EXPECT_EQ(socket.Connect("127.0.0.1", port), 0) << port;
        EXPECT_EQ(notice.StatusTexts(), std::vector<std::string>{"UCP Connect Unknow Error"});
        EXPECT_TRUE(notice.MessageBoxes().empty());
        EXPECT_EQ(socket.Close(), -1);
    }
}

TEST(UdpQuerySocketTest, ConnectErrorTexts) {
    EXPECT_STREQ(ConnectErrorText(ENETUNREACH), "Server Unreacheable");
    EXPECT_STREQ(ConnectErrorText(ETIMEDOUT), "Connect to Server TimeOut");
    EXPECT_STREQ(ConnectErrorText(ECONNREFUSED), "Connection refused by Server");
    EXPECT_STREQ(ConnectErrorText(EACCES), "UCP Connect Unknow Error");
    EXPECT_STREQ(ConnectErrorText(0), "UCP Connect Unknow Error");
}

// Silence costs the full time-out on every call; a refusing port fails at once.
TEST(UdpQuerySocketTest, ReceiveFailsAfterTheTimeOutOrOnRefusal) {
    FakeUdpSocket silent;
    UdpQuerySocket socket;
    ASSERT_EQ(socket.Connect("127.0.0.1", silent.Port()), 1);
    uint8_t buffer[8];
    for (int call = 0; call < 2; ++call) {
        const auto start = std::chrono::steady_clock::now();
        EXPECT_EQ(socket.Receive(buffer, sizeof(buffer)), -1);
        EXPECT_GE(std::chrono::steady_clock::now() - start, std::chrono::milliseconds(1900));
    }
    socket.Close();

    int closedPort = 0;
    {
        FakeUdpSocket gone;
        closedPort = gone.Port();
    }
    UdpQuerySocket refused;
    ASSERT_EQ(refused.Connect("127.0.0.1", closedPort), 1);
    EXPECT_EQ(refused.Send("\0\0\0\0", 4), 4);
    EXPECT_EQ(refused.Receive(buffer, sizeof(buffer)), -1);
    EXPECT_EQ(refused.Close(), 0);
}

TEST(UdpQuerySocketTest, DestructorClosesAnOpenSocket) {
    FakeUdpSocket peer;
    const int before = OpenDescriptors();
    {
        UdpQuerySocket socket;
        ASSERT_EQ(socket.Connect("127.0.0.1", peer.Port()), 1);
        EXPECT_EQ(OpenDescriptors(), before + 1);
    }
    EXPECT_EQ(OpenDescriptors(), before);
}

}  // namespace
