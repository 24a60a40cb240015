// korvath-sim checked from the outside with plain UDP sockets on loopback: the master's pages and
// acknowledgement handling, the game servers' replies against the fleet file, the fleet's coverage.
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <map>
#include <optional>
#include <set>
#include <string>
#include <vector>

#include <arpa/inet.h>

#include "tests/support/fakeudp.h"
#include "tests/support/simprocess.h"

namespace {

using kr::test::FleetEntry;
using kr::test::SimProcess;

const std::string kRequest("\x02\x06\x05\x00\x00\x00\x00\x00\x0A\x00\x00", 11);
const std::string kQuery(4, '\0');
constexpr int kPatienceMs = 10000;  // against hangs only
constexpr int kQuietMs = 1500;      // how long "no answer" is watched for

// The simulator's ports seen from a loopback socket, in strings.
class LoopbackClient {
public:
    void Send(int port, const std::string& bytes) {
        sockaddr_in to{};
        to.sin_family = AF_INET;
        to.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
        to.sin_port = htons(static_cast<std::uint16_t>(port));
        m_socket.SendTo(kr::test::Bytes(bytes.begin(), bytes.end()), to);
    }
    // The next datagram (and its source port), or nothing within timeoutMs.
    std::optional<std::string> Receive(int timeoutMs, int* fromPort = nullptr) {
        sockaddr_in from{};
        const auto got = m_socket.Receive(timeoutMs, &from);
        if (got && fromPort != nullptr) {
            *fromPort = ntohs(from.sin_port);
        }
        return got ? std::optional<std::string>(std::string(got->begin(), got->end()))
                   : std::nullopt;
    }

private:
    kr::test::FakeUdpSocket m_socket;
};

unsigned Byte(const std::string& bytes, std::size_t at) {
    return static_cast<unsigned char>(bytes.at(at));
}

// The acknowledgement a correct client sends: the echo text copied as text.
std::string AckFor(const std::string& page) {
    std::string ack = {2, 6, 1, 0, page[4]};
    for (std::size_t i = 5; i < 8; ++i) {
        ack += ack.back() == 0 && i > 5 ? '\0' : page[i];
    }
    return ack + std::string("\x0A\x00\x00", 3);
}

struct Page {
    std::string bytes;
    int type = 0;
    std::vector<int> ports;
};

// Checks the page layout and reads its records.
Page ReadPage(const std::string& bytes) {
    Page page{bytes, 0, {}};
    if (bytes.size() < 15) {
        ADD_FAILURE() << "page of " << bytes.size() << " bytes";
        return page;
    }
    EXPECT_EQ(bytes.substr(0, 2), "\x02\x06");
    EXPECT_EQ(Byte(bytes, 3) + Byte(bytes, 8) + Byte(bytes, 9), 0u);
    EXPECT_EQ(bytes.substr(11, 4), std::string(4, '\0'));
    page.type = static_cast<int>(Byte(bytes, 2));
    EXPECT_TRUE(page.type == 0 || page.type == 7) << page.type;
    EXPECT_EQ(bytes.size(), 15 + 6 * Byte(bytes, 10));
    for (std::size_t at = 15; at + 6 <= bytes.size(); at += 6) {
        EXPECT_EQ(bytes.substr(at, 4), std::string("\x7F\x00\x00\x01", 4));
        page.ports.push_back(static_cast<int>(Byte(bytes, at + 4) * 256 + Byte(bytes, at + 5)));
    }
    return page;
}

TEST(KorvathSim, ListDownloadPagesRecordsAndLastPage) {
    const struct {
        const char* options;      // each with "--resend 60000": no page is sent twice
        std::vector<int> counts;  // records per page received
        bool complete;            // ends with a page of type 7
    } cases[] = {
        {"--servers 10 --per-page 3", {3, 3, 3, 1, 0}, true},
        {"--servers 0", {0}, true},
        {"--servers 300 --per-page 255", {255, 45, 0}, true},
        {"--servers 5 --per-page 2 --last-page-records 3", {2, 2, 1, 3}, true},
        {"--servers 10 --per-page 3 --master-stop-after 2", {3, 3}, false},
        {"--servers 4 --master-silent", {}, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.options);
        SimProcess sim(kr::test::Words(c.options + std::string(" --resend 60000")));
        ASSERT_TRUE(sim.Started());
        LoopbackClient client;
        std::vector<Page> pages;
        client.Send(sim.MasterPort(), kRequest);
        while (auto bytes = client.Receive(c.complete ? kPatienceMs : kQuietMs)) {
            pages.push_back(ReadPage(*bytes));
            client.Send(sim.MasterPort(), AckFor(*bytes));
            if (pages.back().type == 7) {
                break;
            }
        }
        std::vector<int> counts, listed, fleet;
        std::set<char> echoBytes;
        for (std::size_t i = 0; i < pages.size(); ++i) {
            counts.push_back(static_cast<int>(pages[i].ports.size()));
            EXPECT_EQ(pages[i].type, c.complete && i + 1 == pages.size() ? 7 : 0);
            if (pages[i].type != 7) {
                listed.insert(listed.end(), pages[i].ports.begin(), pages[i].ports.end());
            }
            echoBytes.insert(pages[i].bytes[4]);
        }
        EXPECT_EQ(counts, c.counts);
        EXPECT_EQ(echoBytes.size(), pages.size()) << "the echo byte changes from page to page";
        for (const FleetEntry& entry : sim.Fleet()) {
            fleet.push_back(entry.port);
        }
        if (c.complete) {
            EXPECT_EQ(listed, fleet);
            const std::vector<int>& extra = pages.back().ports;
            ASSERT_LE(extra.size(), fleet.size());
            EXPECT_TRUE(std::equal(extra.begin(), extra.end(), fleet.begin()));
        }
        const long n = static_cast<long>(pages.size());
        std::map<std::string, long> st = sim.Stats();  // requests, sent, acked, rejected, resent
        EXPECT_EQ(std::vector<long>({st["master_requests"], st["pages_sent"], st["acks_received"],
                                     st["acks_rejected"], st["pages_resent"]}),
                  std::vector<long>({1, n, n, 0, 0}));
        EXPECT_EQ(sim.Stop(), 0);
    }
}

TEST(KorvathSim, WrongOrWithheldAcknowledgementGetsResendsThenSilence) {
    SimProcess sim({"--servers", "20", "--per-page", "5", "--resend", "500"});
    ASSERT_TRUE(sim.Started());
    LoopbackClient client;
    client.Send(sim.MasterPort(), kRequest);
    const auto first = client.Receive(kPatienceMs);
    ASSERT_TRUE(first);
    client.Send(sim.MasterPort(), AckFor(*first));
    const auto second = client.Receive(kPatienceMs);
    ASSERT_TRUE(second);
    // This echo text holds a zero between two letters: a raw copy of the three bytes is not the
    // acknowledgement, and neither is a wrong echo byte.
    ASSERT_EQ(second->substr(5, 3), std::string("\x41\x00\x42", 3));
    EXPECT_EQ(AckFor(*second).substr(5, 3), std::string("\x41\x00\x00", 3));
    std::string rawCopy = AckFor(*second), wrongEchoByte = AckFor(*second);
    rawCopy[7] = 0x42;
    wrongEchoByte[4] ^= 0x01;
    client.Send(sim.MasterPort(), rawCopy);
    client.Send(sim.MasterPort(), wrongEchoByte);
    for (int resend = 0; resend < 3; ++resend) {
        EXPECT_EQ(client.Receive(kPatienceMs), *second) << "resend " << resend;
    }
    EXPECT_FALSE(client.Receive(kQuietMs)) << "the download is dropped after three resends";
    client.Send(sim.MasterPort(), kRequest);  // a new request starts over
    EXPECT_EQ(client.Receive(kPatienceMs), *first);

    std::map<std::string, long> st = sim.Stats();  // sent: first, second, 3 resends, first
    EXPECT_EQ(std::vector<long>({st["master_requests"], st["pages_sent"], st["pages_resent"],
                                 st["acks_received"], st["acks_rejected"], st["sessions_dropped"]}),
              std::vector<long>({2, 6, 3, 1, 2, 1}));
}

// The fields a client reads from a reply received into a zero-filled 4096-byte buffer, as text.
std::string Decode(const std::string& reply) {
    std::array<char, 4097> buffer{};  // one zero past the end stops the last text
    std::copy_n(reply.begin(), std::min<std::size_t>(reply.size(), 4096), buffer.begin());
    std::size_t at = 5;
    auto text = [&] {
        std::string read(&buffer[std::min<std::size_t>(at, 4096)]);
        at += read.size() + 1;
        return read;
    };
    auto byte = [&](std::size_t i) { return at + i < 4096 ? static_cast<int>(buffer[at + i]) : 0; };
    const std::string name = text();
    const std::string numbers =
        std::to_string(byte(0)) + " " + std::to_string(byte(1)) + "/" + std::to_string(byte(2));
    at += 3;
    const std::string map = text(), mod = text();
    return std::to_string(static_cast<unsigned char>(buffer[4])) + " " + numbers + " " +
           std::to_string(static_cast<unsigned char>(byte(0))) + " " + name + "|" + map + "|" + mod;
}

std::string Expected(const FleetEntry& e) {
    return std::to_string(e.version) + " " + std::to_string(e.gameType) + " " +
           std::to_string(e.players) + "/" + std::to_string(e.maxPlayers) + " " +
           std::to_string(e.flags) + " " + e.name + "|" + e.map + "|" + e.mod;
}

TEST(KorvathSim, RepliesDecodeToTheFleetAndSilentServersStaySilent) {
    SimProcess sim({"--servers", "60", "--silent", "10", "--malformed", "15", "--random", "7"});
    ASSERT_TRUE(sim.Started());
    const std::vector<FleetEntry> fleet = sim.Fleet();
    ASSERT_EQ(fleet.size(), 60u);
    LoopbackClient client;
    long answering = 0, silent = 0;
    std::set<std::size_t> malformedSizes;
    for (const FleetEntry& entry : fleet) {
        if (!entry.Answers()) {
            client.Send(entry.port, kQuery);  // no answer checked for below
            ++silent;
            continue;
        }
        SCOPED_TRACE(entry.address);
        client.Send(entry.port, ++answering == 1 ? "\x01\x02\x03\x04" : kQuery);  // any 4 bytes
        int from = 0;
        const auto reply = client.Receive(kPatienceMs, &from);
        ASSERT_TRUE(reply);
        EXPECT_EQ(from, entry.port);
        ASSERT_LE(reply->size(), 4096u);
        EXPECT_EQ(Decode(*reply), Expected(entry));
        const std::size_t wellFormed = 12 + entry.name.size() + entry.map.size() + entry.mod.size();
        if (entry.kind == FleetEntry::Kind::Ok) {
            EXPECT_EQ(reply->size(), wellFormed);
        } else {
            EXPECT_NE(reply->size(), wellFormed);
            malformedSizes.insert(reply->size());
        }
    }
    // A single byte, the header alone and a buffer-filling reply without any terminator.
    for (const std::size_t size : {1, 4, 4096}) {
        EXPECT_TRUE(malformedSizes.count(size)) << size;
    }
    client.Send(fleet.front().port, std::string(5, '\0'));  // not queries: ignored
    client.Send(fleet.back().port, std::string(3, '\0'));
    EXPECT_EQ(silent, 6);
    EXPECT_FALSE(client.Receive(kQuietMs));

    std::map<std::string, long> stats = sim.Stats();
    EXPECT_EQ(stats["queries"], answering + silent);
    EXPECT_EQ(stats["replies"], answering);
    EXPECT_EQ(stats["max_in_flight"], 1);  // one query at a time, answered at once
    EXPECT_EQ(sim.Stop(), 0) << "a clean exit on SIGTERM";
}

TEST(KorvathSim, DelayedRepliesCountAsInFlight) {
    SimProcess sim({"--servers", "6", "--delay", "400"});
    ASSERT_TRUE(sim.Started());
    LoopbackClient client;
    for (const FleetEntry& entry : sim.Fleet()) {
        client.Send(entry.port, kQuery);
    }
    std::set<int> answered;
    for (int from = 0; answered.size() < 6 && client.Receive(kPatienceMs, &from);) {
        answered.insert(from);
    }
    EXPECT_EQ(answered.size(), 6u);
    std::map<std::string, long> stats = sim.Stats();
    EXPECT_EQ(stats["replies"], 6);
    EXPECT_EQ(stats["max_in_flight"], 6);
}

TEST(KorvathSim, FleetIsReproducibleAndCoversWhatClientsDecode) {
    SimProcess sim({"--silent", "10", "--malformed", "10"});
    SimProcess same({"--silent", "10", "--malformed", "10"});
    SimProcess other({"--silent", "10", "--malformed", "10", "--random", "2"});
    ASSERT_TRUE(sim.Started() && same.Started() && other.Started());
    auto content = [](const std::vector<FleetEntry>& fleet) {
        std::vector<std::string> lines;
        for (const FleetEntry& e : fleet) {
            lines.push_back(Expected(e) + " " + std::to_string(int(e.kind)));
        }
        return lines;
    };
    const std::vector<FleetEntry> fleet = sim.Fleet();
    ASSERT_EQ(fleet.size(), 150u);
    EXPECT_EQ(content(fleet), content(same.Fleet()));
    EXPECT_NE(content(fleet), content(other.Fleet()));

    std::set<int> versions, gameTypes, flagPairs;
    std::set<std::string> seen;  // the cases a client must handle
    int silent = 0, malformed = 0, longNames = 0;
    for (const FleetEntry& e : fleet) {
        silent += e.kind == FleetEntry::Kind::Silent;
        malformed += e.kind == FleetEntry::Kind::Malformed;
        longNames += e.name.size() > 100;
        if (e.kind != FleetEntry::Kind::Ok) {
            continue;
        }
        const std::size_t length = 12 + e.name.size() + e.map.size() + e.mod.size();
        EXPECT_LE(length, 4096u) << e.address;
        EXPECT_EQ((e.name + e.map + e.mod).find('\0'), std::string::npos) << e.address;
        versions.insert(e.version);
        gameTypes.insert(e.gameType);
        flagPairs.insert(e.flags & 0x05);
        const std::pair<bool, const char*> cases[] = {
            {(e.flags & ~0x05) != 0, "other flag bits"},
            {e.name.empty(), "empty name"},
            {e.map.empty(), "empty map"},
            {length == 4096, "fills the buffer"},
            {e.players == 0, "empty server"},
            {e.players == e.maxPlayers && e.players > 0, "full"},
            {e.mod.empty(), "no mod"},
            {!e.mod.empty(), "a mod"},
            {std::any_of(e.name.begin(), e.name.end(),
                         [](char c) { return static_cast<unsigned char>(c) >= 0x80; }),
             "high bytes"},
            {std::any_of(e.name.begin(), e.name.end(), [](char c) { return c > 0 && c < 0x20; }),
             "control characters"}};
        for (const auto& [holds, what] : cases) {
            if (holds) {
                seen.insert(what);
            }
        }
    }
    EXPECT_EQ(silent, 15);
    EXPECT_EQ(malformed, 15);
    EXPECT_LE(longNames, 8) << "long names stay a small share";
    for (const int code : {0x85, 0x87, 0x89, 0x91}) {
        EXPECT_TRUE(versions.count(code)) << code;
    }
    EXPECT_GT(versions.size(), 4u) << "unknown version codes too";
    for (const int type : {-1, 0, 1, 2}) {
        EXPECT_TRUE(gameTypes.count(type)) << type;
    }
    EXPECT_GT(gameTypes.size(), 4u);
    EXPECT_EQ(flagPairs, (std::set<int>{0, 1, 4, 5}));
    EXPECT_EQ(seen.size(), 10u) << ::testing::PrintToString(seen);
}

TEST(KorvathSim, UsageErrorsExitWithTwo) {
    for (const std::string options :
         {"--per-page 0", "--per-page 256", "--silent 101", "--servers 12x",
          "--silent 60 --malformed 50", "--delay -5", "--random abc", "--reply loud",
          "--no-such-option 1", "--servers", "--help"}) {
        SimProcess sim(kr::test::Words(options));
        EXPECT_FALSE(sim.Started()) << options;
        EXPECT_EQ(sim.Stop(), options == "--help" ? 0 : 2) << options;
    }
}

}  // namespace
