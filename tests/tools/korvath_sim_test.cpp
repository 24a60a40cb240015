// korvath-sim's master checked from the outside with a plain UDP socket on loopback: how it
// handles acknowledgements that a correct client never sends.
#include <gtest/gtest.h>

#include <map>
#include <optional>
#include <string>
#include <vector>

#include <arpa/inet.h>

#include "tests/support/fakeudp.h"
#include "tests/support/simprocess.h"

namespace {

using kr::test::SimProcess;

const std::string kRequest("\x02\x06\x05\x00\x00\x00\x00\x00\x0A\x00\x00", 11);
constexpr int kPatienceMs = 10000;  // against hangs only
constexpr int kQuietMs = 1500;      // how long "no answer" is watched for

// The simulator's master port seen from a loopback socket, in strings.
class LoopbackClient {
public:
    explicit LoopbackClient(int port) : m_port(port) {}
    void Send(const std::string& bytes) {
        sockaddr_in to{};
        to.sin_family = AF_INET;
        to.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
        to.sin_port = htons(static_cast<std::uint16_t>(m_port));
        m_socket.SendTo(kr::test::Bytes(bytes.begin(), bytes.end()), to);
    }
    std::optional<std::string> Receive(int timeoutMs) {
        const auto got = m_socket.Receive(timeoutMs);
        return got ? std::optional<std::string>(std::string(got->begin(), got->end()))
                   : std::nullopt;
    }

private:
    int m_port;
    kr::test::FakeUdpSocket m_socket;
};

// The acknowledgement a correct client sends: the echo text copied as text.
std::string AckFor(const std::string& page) {
    std::string ack = {2, 6, 1, 0, page[4]};
    for (std::size_t i = 5; i < 8; ++i) {
        ack += ack.back() == 0 && i > 5 ? '\0' : page[i];
    }
    return ack + std::string("\x0A\x00\x00", 3);
}

// A wrong acknowledgement (a raw copy of an echo text with a zero inside, a wrong echo byte) or
// none gets three resends and then silence; a new request starts over.
TEST(KorvathSim, WrongOrWithheldAcknowledgementGetsResendsThenSilence) {
    SimProcess sim({"--servers", "20", "--per-page", "5", "--resend", "500"});
    ASSERT_TRUE(sim.Started());
    LoopbackClient client(sim.MasterPort());
    client.Send(kRequest);
    const auto first = client.Receive(kPatienceMs);
    ASSERT_TRUE(first);
    client.Send(AckFor(*first));
    const auto second = client.Receive(kPatienceMs);
    ASSERT_TRUE(second);
    ASSERT_EQ(second->substr(5, 3), std::string("\x41\x00\x42", 3));
    std::string rawCopy = AckFor(*second), wrongEchoByte = AckFor(*second);
    rawCopy[7] = 0x42;
    wrongEchoByte[4] ^= 0x01;
    client.Send(rawCopy);
    client.Send(wrongEchoByte);
    for (int resend = 0; resend < 3; ++resend) {
        EXPECT_EQ(client.Receive(kPatienceMs), *second) << "resend " << resend;
    }
    EXPECT_FALSE(client.Receive(kQuietMs)) << "the download is dropped after three resends";

    client.Send(kRequest);  // a new request starts over
    EXPECT_EQ(client.Receive(kPatienceMs), *first);

    std::map<std::string, long> st = sim.Stats();  // sent: first, second, 3 resends, first
    EXPECT_EQ(std::vector<long>({st["master_requests"], st["pages_sent"], st["pages_resent"],
                                 st["acks_received"], st["acks_rejected"], st["sessions_dropped"]}),
              std::vector<long>({2, 6, 3, 1, 2, 1}));
    EXPECT_EQ(sim.Stop(), 0) << "a clean exit on SIGTERM";
}

}  // namespace
