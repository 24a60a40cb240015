// SPDX-License-Identifier: GPL-3.0-or-later
#include "net/udpquerysocket.h"

#include <chrono>
#include <filesystem>

#include <gtest/gtest.h>

#include "tests/support/fakenotice.h"
#include "tests/support/fakeudp.h"

namespace {

using namespace kr::test;

int OpenDescriptors() {
    const std::filesystem::directory_iterator fds("/proc/self/fd");
    return static_cast<int>(std::distance(begin(fds), end(fds)));
}

// One exchange with a peer on loopback, by dotted address and by a name from the hosts file;
// silence costs the full time-out. Close and the destructor leave nothing open.
TEST(UdpQuerySocketTest, ExchangesOneDatagramWithItsPeerOnly) {
    FakeNotice notice;
    FakeUdpSocket peer;
    const int before = OpenDescriptors();
    for (const bool byName : {false, true}) {
        UdpQuerySocket socket;
        ASSERT_EQ(socket.Connect(byName ? "localhost" : "127.0.0.1", peer.Port()), 1) << byName;
        EXPECT_EQ(socket.Send("\0\1\2\xFF", 4), 4);
        sockaddr_in client{};
        EXPECT_EQ(peer.Receive(5000, &client), (Bytes{0, 1, 2, 0xFF}));
        peer.SendTo({7, 8}, client);
        uint8_t buffer[16] = {};
        EXPECT_EQ(socket.Receive(buffer, sizeof(buffer)), 2);
        EXPECT_EQ(Bytes(buffer, buffer + 2), (Bytes{7, 8}));
        const auto start = std::chrono::steady_clock::now();
        EXPECT_EQ(socket.Receive(buffer, sizeof(buffer)), -1);
        EXPECT_GE(std::chrono::steady_clock::now() - start, std::chrono::milliseconds(1900));
        if (!byName) {  // the other one is closed by its destructor
            EXPECT_EQ(socket.Close(), 0);
            EXPECT_EQ(socket.Close(), -1);
        }
    }
    EXPECT_EQ(OpenDescriptors(), before);
    EXPECT_EQ(notice.StatusTexts().size() + notice.MessageBoxes().size(), 0u);
}

// Texts that are neither a dotted quad nor a possible host name (other numeric forms are neither,
// as resolvers read them differently), and names under the reserved "invalid", are refused
// without a lookup (status text and message box); a port outside 16 bits is a connect error
// (status text only). Nothing stays open.
TEST(UdpQuerySocketTest, BadHostOrPortIsReportedAndNothingIsOpened) {
    const int before = OpenDescriptors();
    const auto check = [](const char* host, int port, const std::string& status,
                          std::vector<FakeNotice::MessageBox> boxes) {
        SCOPED_TRACE(host + (":" + std::to_string(port)));
        FakeNotice notice;
        UdpQuerySocket socket;
        EXPECT_EQ(socket.Connect(host, port), 0);
        EXPECT_EQ(socket.Close(), -1);
        EXPECT_EQ(notice.StatusTexts(), std::vector<std::string>{status});
        EXPECT_EQ(notice.MessageBoxes(), boxes);
    };
    for (const char* host :
         {"", "bad host", "under_score", "a..b", ".", "x:1", "1.2.3.4 ", "-\x01", "1.2.3.4/8",
          "no-such-host.invalid", "x.INVALID.", "010.0.0.1", "0x7f.1", "2130706433"}) {
        check(host, 18444, "Invalid Server ip!",
              {{"Invalid Server ip!", "KR Server Browser", NoticeIcon::None}});
    }
    for (const int port : {-1, 65536}) {
        check("127.0.0.1", port, "UCP Connect Unknow Error", {});
    }
    EXPECT_EQ(OpenDescriptors(), before);
}

// A socket connected to a new peer keeps its descriptor, and what its earlier peer sent is not
// taken for the new peer's answer; a refused port is an error at once.
TEST(UdpQuerySocketTest, ReconnectedSocketTakesItsNewPeerOnly) {
    FakeUdpSocket first, second;
    UdpQuerySocket socket;
    uint8_t buffer[16] = {};
    sockaddr_in client{};
    const auto nextWaiting = [&] {  // the first datagram or error that comes
        int length;
        while ((length = socket.ReceiveWaiting(buffer, sizeof(buffer))) ==
               UdpQuerySocket::kNoneWaiting) {
        }
        return length;
    };
    ASSERT_EQ(socket.Connect("127.0.0.1", first.Port()), 1);
    const int descriptor = socket.Descriptor();
    EXPECT_EQ(socket.ReceiveWaiting(buffer, sizeof(buffer)), UdpQuerySocket::kNoneWaiting);
    socket.Send("a", 1);
    ASSERT_TRUE(first.Receive(5000, &client));
    first.SendTo({1}, client);  // still waiting when the socket moves on
    ASSERT_EQ(socket.Connect("127.0.0.1", second.Port()), 1);
    EXPECT_EQ(socket.Descriptor(), descriptor);
    socket.Send("b", 1);
    ASSERT_TRUE(second.Receive(5000, &client));
    second.SendTo({2, 2}, client);
    EXPECT_EQ(nextWaiting(), 2);
    EXPECT_EQ(buffer[0], 2);
    const int closedPort = FakeUdpSocket().Port();
    ASSERT_EQ(socket.Connect("127.0.0.1", closedPort), 1);
    socket.Send("c", 1);
    EXPECT_EQ(nextWaiting(), -1) << "refused";
}

}  // namespace
