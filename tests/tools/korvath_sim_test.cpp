// korvath-sim checked from the outside, with plain UDP sockets on loopback: the master's pages
// and its acknowledgement handling, the game servers' replies against the fleet file, and the
// fleet's coverage of what a client must decode.
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <map>
#include <optional>
#include <set>
#include <string>
#include <vector>

#include <arpa/inet.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

#include "tests/support/simprocess.h"

namespace {

using kr::test::FleetEntry;
using kr::test::SimProcess;

const std::string kRequest("\x02\x06\x05\x00\x00\x00\x00\x00\x0A\x00\x00", 11);
constexpr int kPatienceMs = 10000;  // against hangs only
constexpr int kQuietMs = 1500;      // how long "no answer" is watched for

// A UDP socket on 127.0.0.1 that talks to the simulator's ports.
class LoopbackClient {
public:
    LoopbackClient() {
        m_fd = socket(AF_INET, SOCK_DGRAM | SOCK_CLOEXEC, 0);
        sockaddr_in self = Loopback(0);
        bind(m_fd, reinterpret_cast<sockaddr*>(&self), sizeof self);
    }
    ~LoopbackClient() { close(m_fd); }

    void Send(int port, const std::string& bytes) {
        const sockaddr_in to = Loopback(port);
        sendto(m_fd, bytes.data(), bytes.size(), 0, reinterpret_cast<const sockaddr*>(&to),
               sizeof to);
    }

    // The next datagram and the port it came from, or nothing within timeoutMs.
    std::optional<std::string> Receive(int timeoutMs, int* fromPort = nullptr) {
        pollfd ready{m_fd, POLLIN, 0};
        if (poll(&ready, 1, timeoutMs) != 1) {
            return std::nullopt;
        }
        char buffer[65536];
        sockaddr_in from{};
        socklen_t length = sizeof from;
        const ssize_t got =
            recvfrom(m_fd, buffer, sizeof buffer, 0, reinterpret_cast<sockaddr*>(&from), &length);
        if (got < 0) {
            return std::nullopt;
        }
        if (fromPort != nullptr) {
            *fromPort = ntohs(from.sin_port);
        }
        return std::string(buffer, static_cast<std::size_t>(got));
    }

private:
    static sockaddr_in Loopback(int port) {
        sockaddr_in address{};
        address.sin_family = AF_INET;
        address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
        address.sin_port = htons(static_cast<std::uint16_t>(port));
        return address;
    }
    int m_fd;
};

unsigned Byte(const std::string& bytes, std::size_t at) {
    return static_cast<unsigned char>(bytes.at(at));
}

// The acknowledgement a correct client sends: the echo text copied as text.
std::string AckFor(const std::string& page) {
    std::string ack = {2, 6, 1, 0, page[4]};
    bool ended = false;
    for (std::size_t i = 5; i < 8; ++i) {
        ended = ended || page[i] == 0;
        ack += ended ? '\0' : page[i];
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
    const std::string zeros(4, '\0');
    EXPECT_EQ(bytes.substr(0, 2), "\x02\x06");
    EXPECT_EQ(Byte(bytes, 3), 0u);
    EXPECT_EQ(bytes.substr(8, 2), zeros.substr(0, 2));
    EXPECT_EQ(bytes.substr(11, 4), zeros);
    page.type = static_cast<int>(Byte(bytes, 2));
    EXPECT_TRUE(page.type == 0 || page.type == 7) << page.type;
    const std::size_t count = Byte(bytes, 10);
    EXPECT_EQ(bytes.size(), 15 + 6 * count);
    for (std::size_t at = 15; at + 6 <= bytes.size(); at += 6) {
        EXPECT_EQ(bytes.substr(at, 4), std::string("\x7F\x00\x00\x01", 4));
        page.ports.push_back(static_cast<int>(Byte(bytes, at + 4) * 256 + Byte(bytes, at + 5)));
    }
    return page;
}

// A whole download with correct acknowledgements: the pages until the last one, or until the
// master has been quiet for waitMs.
std::vector<Page> Download(LoopbackClient& client, int masterPort, int waitMs = kPatienceMs) {
    std::vector<Page> pages;
    client.Send(masterPort, kRequest);
    while (auto bytes = client.Receive(waitMs)) {
        pages.push_back(ReadPage(*bytes));
        client.Send(masterPort, AckFor(*bytes));
        if (pages.back().type == 7) {
            break;
        }
    }
    return pages;
}

std::vector<int> FleetPorts(const std::vector<FleetEntry>& fleet) {
    std::vector<int> ports;
    for (const FleetEntry& entry : fleet) {
        ports.push_back(entry.port);
    }
    return ports;
}

TEST(KorvathSim, ListDownloadPagesRecordsAndLastPage) {
    const struct {
        const char* what;
        std::vector<std::string> options;
        std::vector<int> counts;  // records per page received
        bool complete;            // ends with a page of type 7
    } cases[] = {
        {"three per page", {"--servers", "10", "--per-page", "3"}, {3, 3, 3, 1, 0}, true},
        {"no servers", {"--servers", "0"}, {0}, true},
        {"full pages", {"--servers", "300", "--per-page", "255"}, {255, 45, 0}, true},
        {"records on the last page",
         {"--servers", "5", "--per-page", "2", "--last-page-records", "3"},
         {2, 2, 1, 3},
         true},
        {"stop after two pages",
         {"--servers", "10", "--per-page", "3", "--master-stop-after", "2"},
         {3, 3},
         false},
        {"silent master", {"--servers", "4", "--master-silent"}, {}, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        std::vector<std::string> options = c.options;
        options.insert(options.end(), {"--resend", "60000"});
        SimProcess sim(options);
        ASSERT_TRUE(sim.Started());
        LoopbackClient client;
        const std::vector<Page> pages =
            Download(client, sim.MasterPort(), c.complete ? kPatienceMs : kQuietMs);

        std::vector<int> counts;
        std::vector<int> listed;
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
        const std::vector<int> fleet = FleetPorts(sim.Fleet());
        if (c.complete) {
            EXPECT_EQ(listed, fleet);
            const std::vector<int>& extra = pages.back().ports;
            ASSERT_LE(extra.size(), fleet.size());
            EXPECT_TRUE(std::equal(extra.begin(), extra.end(), fleet.begin()));
        }
        std::map<std::string, long> stats = sim.Stats();
        EXPECT_EQ(stats["master_requests"], 1);
        EXPECT_EQ(stats["pages_sent"], static_cast<long>(pages.size()));
        EXPECT_EQ(stats["acks_received"], static_cast<long>(pages.size()));
        EXPECT_EQ(stats["acks_rejected"], 0);
        EXPECT_EQ(stats["pages_resent"], 0);
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
    // This page's echo text holds a zero between two letters; a raw copy of the three bytes
    // is not the acknowledgement, and neither is a wrong echo byte.
    ASSERT_EQ(second->substr(5, 3), std::string("\x41\x00\x42", 3));
    EXPECT_EQ(AckFor(*second).substr(5, 3), std::string("\x41\x00\x00", 3));
    std::string rawCopy = AckFor(*second);
    rawCopy[7] = 0x42;
    std::string wrongEchoByte = AckFor(*second);
    wrongEchoByte[4] ^= 0x01;
    client.Send(sim.MasterPort(), rawCopy);
    client.Send(sim.MasterPort(), wrongEchoByte);
    for (int resend = 0; resend < 3; ++resend) {
        const auto again = client.Receive(kPatienceMs);
        ASSERT_TRUE(again);
        EXPECT_EQ(*again, *second) << "resend " << resend;
    }
    EXPECT_FALSE(client.Receive(kQuietMs)) << "the download is dropped after three resends";

    // A new request starts over with the same first page.
    client.Send(sim.MasterPort(), kRequest);
    const auto restarted = client.Receive(kPatienceMs);
    ASSERT_TRUE(restarted);
    EXPECT_EQ(*restarted, *first);

    std::map<std::string, long> stats = sim.Stats();
    EXPECT_EQ(stats["master_requests"], 2);
    EXPECT_EQ(stats["pages_sent"], 6);  // first, second, its three resends, first again
    EXPECT_EQ(stats["pages_resent"], 3);
    EXPECT_EQ(stats["acks_received"], 1);
    EXPECT_EQ(stats["acks_rejected"], 2);
    EXPECT_EQ(stats["sessions_dropped"], 1);
}

// What a client reads from a reply received into a zero-filled 4096-byte buffer.
FleetEntry Decode(const std::string& reply) {
    std::array<char, 4096> buffer{};
    std::copy_n(reply.begin(), std::min(reply.size(), buffer.size()), buffer.begin());
    auto byte = [&](std::size_t at) { return at < buffer.size() ? buffer[at] : '\0'; };
    auto text = [&](std::size_t& at) {
        std::string read;
        while (at < buffer.size() && buffer[at] != 0) {
            read += buffer[at++];
        }
        ++at;
        return read;
    };
    FleetEntry decoded;
    decoded.version = static_cast<unsigned char>(byte(4));
    std::size_t at = 5;
    decoded.name = text(at);
    decoded.gameType = static_cast<signed char>(byte(at));
    decoded.players = static_cast<signed char>(byte(at + 1));
    decoded.maxPlayers = static_cast<signed char>(byte(at + 2));
    at += 3;
    decoded.map = text(at);
    decoded.mod = text(at);
    decoded.flags = static_cast<unsigned char>(byte(at));
    return decoded;
}

TEST(KorvathSim, RepliesDecodeToTheFleetAndSilentServersStaySilent) {
    SimProcess sim({"--servers", "60", "--silent", "10", "--malformed", "15", "--random", "7"});
    ASSERT_TRUE(sim.Started());
    const std::vector<FleetEntry> fleet = sim.Fleet();
    ASSERT_EQ(fleet.size(), 60u);
    LoopbackClient client;
    long answering = 0;
    std::set<std::size_t> malformedSizes;
    for (const FleetEntry& entry : fleet) {
        if (!entry.Answers()) {
            continue;
        }
        SCOPED_TRACE(entry.address);
        ++answering;
        // Any 4-byte datagram is a query.
        client.Send(entry.port, answering == 1 ? "\x01\x02\x03\x04" : std::string(4, '\0'));
        int from = 0;
        const auto reply = client.Receive(kPatienceMs, &from);
        ASSERT_TRUE(reply);
        EXPECT_EQ(from, entry.port);
        EXPECT_LE(reply->size(), 4096u);
        const FleetEntry decoded = Decode(*reply);
        EXPECT_EQ(decoded.version, entry.version);
        EXPECT_EQ(decoded.name, entry.name);
        EXPECT_EQ(decoded.gameType, entry.gameType);
        EXPECT_EQ(decoded.players, entry.players);
        EXPECT_EQ(decoded.maxPlayers, entry.maxPlayers);
        EXPECT_EQ(decoded.map, entry.map);
        EXPECT_EQ(decoded.mod, entry.mod);
        EXPECT_EQ(decoded.flags, entry.flags);
        const std::size_t wellFormed = 12 + entry.name.size() + entry.map.size() + entry.mod.size();
        if (entry.kind == FleetEntry::Kind::Ok) {
            EXPECT_EQ(reply->size(), wellFormed);
        } else {
            EXPECT_NE(reply->size(), wellFormed);
            malformedSizes.insert(reply->size());
        }
    }
    // A single byte, the header alone and a buffer-filling reply without any terminator are
    // among the broken forms.
    for (const std::size_t size : {1, 4, 4096}) {
        EXPECT_TRUE(malformedSizes.count(size)) << size;
    }

    long silent = 0;
    for (const FleetEntry& entry : fleet) {
        if (!entry.Answers()) {
            client.Send(entry.port, std::string(4, '\0'));
            ++silent;
        }
    }
    client.Send(fleet.front().port, std::string(5, '\0'));  // not a query: ignored
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
        client.Send(entry.port, std::string(4, '\0'));
    }
    std::set<int> answered;
    int from = 0;
    while (answered.size() < 6 && client.Receive(kPatienceMs, &from)) {
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
    auto content = [](std::vector<FleetEntry> fleet) {
        std::vector<std::string> lines;
        for (const FleetEntry& e : fleet) {
            lines.push_back(std::to_string(e.version) + " " + std::to_string(e.gameType) + " " +
                            std::to_string(e.players) + "/" + std::to_string(e.maxPlayers) + " " +
                            std::to_string(e.flags) + " " + std::to_string(int(e.kind)) + " " +
                            e.name + "|" + e.map + "|" + e.mod);
        }
        return lines;
    };
    const std::vector<FleetEntry> fleet = sim.Fleet();
    ASSERT_EQ(fleet.size(), 150u);
    EXPECT_EQ(content(fleet), content(same.Fleet()));
    EXPECT_NE(content(fleet), content(other.Fleet()));

    std::set<int> versions, gameTypes, flagPairs;
    int silent = 0, malformed = 0, longNames = 0;
    bool emptyName = false, emptyMap = false, highBytes = false, controls = false;
    bool fillsBuffer = false, emptyServer = false, fullServer = false, otherFlagBits = false;
    std::set<bool> modEmpty;
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
        otherFlagBits = otherFlagBits || (e.flags & ~0x05) != 0;
        emptyName = emptyName || e.name.empty();
        emptyMap = emptyMap || e.map.empty();
        fillsBuffer = fillsBuffer || length == 4096;
        emptyServer = emptyServer || e.players == 0;
        fullServer = fullServer || (e.players == e.maxPlayers && e.players > 0);
        modEmpty.insert(e.mod.empty());
        for (const char c : e.name) {
            highBytes = highBytes || static_cast<unsigned char>(c) >= 0x80;
            controls = controls || (c > 0 && c < 0x20);
        }
    }
    EXPECT_EQ(silent, 15);
    EXPECT_EQ(malformed, 15);
    EXPECT_LE(longNames, 8) << "long names stay a small share";
    for (const int code : {0x85, 0x87, 0x89, 0x91}) {
        EXPECT_TRUE(versions.count(code)) << code;
    }
    EXPECT_GT(versions.size(), 4u) << "unknown version codes too";
    for (const int type : {0, 1, 2}) {
        EXPECT_TRUE(gameTypes.count(type)) << type;
    }
    EXPECT_TRUE(gameTypes.count(-1));
    EXPECT_GT(gameTypes.size(), 4u);
    EXPECT_EQ(flagPairs, (std::set<int>{0, 1, 4, 5}));
    EXPECT_TRUE(otherFlagBits && emptyName && emptyMap && highBytes && controls);
    EXPECT_TRUE(fillsBuffer && emptyServer && fullServer);
    EXPECT_EQ(modEmpty.size(), 2u);
}

TEST(KorvathSim, UsageErrorsExitWithTwo) {
    const std::vector<std::vector<std::string>> bad = {
        {"--per-page", "0"},
        {"--per-page", "256"},
        {"--silent", "101"},
        {"--servers", "12x"},
        {"--silent", "60", "--malformed", "50"},
        {"--delay", "-5"},
        {"--random", "abc"},
        {"--no-such-option", "1"},
        {"--servers"},
    };
    for (const auto& options : bad) {
        SimProcess sim(options);
        EXPECT_FALSE(sim.Started()) << options[0];
        EXPECT_EQ(sim.Stop(), 2) << options[0];
    }
    SimProcess help({"--help"});
    EXPECT_FALSE(help.Started());
    EXPECT_EQ(help.Stop(), 0);
}

}  // namespace
