#include <algorithm>
#include <cstring>
#include <map>
#include <string>
#include <vector>

#include <gtest/gtest.h>
#include <poll.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include "net/serverrecord.h"
#include "tests/support/fakegameservers.h"
#include "tests/support/fakemaster.h"
#include "tests/support/fakeudp.h"
#include "tests/support/simprocess.h"
#include "tests/support/tempdir.h"

extern char** environ;

namespace {

using kr::test::Bytes;
using kr::test::FakeAddress;
using kr::test::FakeGameServers;
using kr::test::FakeMaster;
using kr::test::FakeServerScript;
using kr::test::FleetEntry;
using kr::test::InfoReply;
using kr::test::MasterPage;
using kr::test::ScopedTempDir;
using kr::test::SimProcess;

struct QueryRun {
    int exitCode = -1;
    std::string out;
    std::string err;
};

// Runs korvath-query with the arguments in the current folder and collects its output.
QueryRun RunQuery(const std::vector<std::string>& arguments) {
    QueryRun run;
    std::vector<std::string> words = {KR_QUERY_PATH};
    words.insert(words.end(), arguments.begin(), arguments.end());
    std::vector<char*> argv;
    for (std::string& word : words) {
        argv.push_back(word.data());
    }
    argv.push_back(nullptr);

    int out[2];
    int err[2];
    if (pipe(out) != 0 || pipe(err) != 0) {
        return run;
    }
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, out[1], STDOUT_FILENO);
    posix_spawn_file_actions_adddup2(&actions, err[1], STDERR_FILENO);
    pid_t pid = -1;
    const bool spawned = posix_spawn(&pid, argv[0], &actions, nullptr, argv.data(), environ) == 0;
    posix_spawn_file_actions_destroy(&actions);
    close(out[1]);
    close(err[1]);

    pollfd streams[2] = {{out[0], POLLIN, 0}, {err[0], POLLIN, 0}};
    std::string* texts[2] = {&run.out, &run.err};
    int open = spawned ? 2 : 0;
    while (open > 0 && poll(streams, 2, 120000) > 0) {  // a bound against hangs only
        for (int i = 0; i < 2; ++i) {
            if (streams[i].fd < 0 || streams[i].revents == 0) {
                continue;
            }
            char chunk[65536];
            const ssize_t got = read(streams[i].fd, chunk, sizeof(chunk));
            if (got > 0) {
                texts[i]->append(chunk, static_cast<size_t>(got));
            } else {
                streams[i].fd = -1;
                --open;
            }
        }
    }
    close(out[0]);
    close(err[0]);
    int status = 0;
    if (spawned && waitpid(pid, &status, 0) == pid && WIFEXITED(status)) {
        run.exitCode = WEXITSTATUS(status);
    }
    return run;
}

// A strict JSON reader, enough to check korvath-query's output: RFC 8259 grammar, valid UTF-8,
// no raw control characters in strings. Strings are kept as code points.
struct Json {
    enum class Type { Invalid, Null, Bool, Number, String, Array, Object } type = Type::Invalid;
    bool boolean = false;
    double number = 0;
    std::u32string text;
    std::vector<Json> items;
    std::vector<std::pair<std::string, Json>> members;

    const Json& operator[](const std::string& key) const {
        static const Json missing;
        for (const auto& [name, value] : members) {
            if (name == key) {
                return value;
            }
        }
        return missing;
    }
    // The string with each code point as one byte; "<wide>" when one does not fit a byte.
    std::string Bytes() const {
        std::string bytes;
        for (char32_t c : text) {
            if (c > 0xFF) {
                return "<wide>";
            }
            bytes += static_cast<char>(c);
        }
        return bytes;
    }
    long Int() const { return static_cast<long>(number); }
};

class JsonReader {
public:
    explicit JsonReader(const std::string& input) : m_in(input) {}

    Json Document() {
        Json value = Value();
        Space();
        if (m_pos != m_in.size()) {
            value.type = Json::Type::Invalid;
        }
        return value;
    }

private:
    void Space() {
        while (m_pos < m_in.size() && std::strchr(" \t\r\n", m_in[m_pos]) != nullptr) {
            ++m_pos;
        }
    }
    bool Take(char c) {
        Space();
        if (m_pos < m_in.size() && m_in[m_pos] == c) {
            ++m_pos;
            return true;
        }
        return false;
    }
    bool Word(const char* word) {
        if (m_in.compare(m_pos, std::strlen(word), word) == 0) {
            m_pos += std::strlen(word);
            return true;
        }
        return false;
    }
    Json Value() {
        Json value;
        Space();
        if (m_pos >= m_in.size() || ++m_depth > 64) {
            return value;
        }
        const char c = m_in[m_pos];
        if (c == '{') {
            ++m_pos;
            value.type = Json::Type::Object;
            if (!Take('}')) {
                do {
                    Space();
                    Json key = String();
                    if (key.type != Json::Type::String || !Take(':')) {
                        return Json();
                    }
                    Json member = Value();
                    if (member.type == Json::Type::Invalid) {
                        return Json();
                    }
                    value.members.emplace_back(key.Bytes(), member);
                } while (Take(','));
                if (!Take('}')) {
                    return Json();
                }
            }
        } else if (c == '[') {
            ++m_pos;
            value.type = Json::Type::Array;
            if (!Take(']')) {
                do {
                    Json item = Value();
                    if (item.type == Json::Type::Invalid) {
                        return Json();
                    }
                    value.items.push_back(item);
                } while (Take(','));
                if (!Take(']')) {
                    return Json();
                }
            }
        } else if (c == '"') {
            value = String();
        } else if (Word("true") || Word("false")) {
            value.type = Json::Type::Bool;
            value.boolean = m_in[m_pos - 1] == 'e' && m_in[m_pos - 2] == 'u';
        } else if (Word("null")) {
            value.type = Json::Type::Null;
        } else {
            value = Number();
        }
        --m_depth;
        return value;
    }
    Json Number() {
        const size_t start = m_pos;
        auto digits = [&] {
            const size_t from = m_pos;
            while (m_pos < m_in.size() && std::isdigit(static_cast<unsigned char>(m_in[m_pos]))) {
                ++m_pos;
            }
            return m_pos - from;
        };
        Word("-");
        const size_t whole = digits();
        if (whole == 0 || (whole > 1 && m_in[m_pos - whole] == '0')) {
            return Json();
        }
        if (Word(".") && digits() == 0) {
            return Json();
        }
        if ((Word("e") || Word("E")) && ((Word("+") || Word("-")), digits() == 0)) {
            return Json();
        }
        Json value;
        value.type = Json::Type::Number;
        value.number = std::stod(m_in.substr(start, m_pos - start));
        return value;
    }
    Json String() {
        Json value;
        if (m_pos >= m_in.size() || m_in[m_pos] != '"') {
            return value;
        }
        ++m_pos;
        while (m_pos < m_in.size()) {
            const auto byte = static_cast<unsigned char>(m_in[m_pos++]);
            if (byte == '"') {
                value.type = Json::Type::String;
                return value;
            }
            if (byte < 0x20) {
                return Json();
            }
            if (byte == '\\') {
                if (m_pos >= m_in.size()) {
                    return Json();
                }
                const char escape = m_in[m_pos++];
                const char* simple = std::strchr("\"\\/bfnrt", escape);
                if (simple != nullptr && escape != 0) {
                    value.text += U"\"\\/\b\f\n\r\t"[simple - "\"\\/bfnrt"];
                } else if (escape == 'u' && m_pos + 4 <= m_in.size()) {
                    const std::string hex = m_in.substr(m_pos, 4);
                    if (hex.find_first_not_of("0123456789abcdefABCDEF") != std::string::npos) {
                        return Json();
                    }
                    value.text += static_cast<char32_t>(std::stoul(hex, nullptr, 16));
                    m_pos += 4;
                } else {
                    return Json();
                }
            } else if (byte < 0x80) {
                value.text += byte;
            } else {
                // UTF-8: a lead byte and its continuation bytes, shortest form only.
                const int more = byte >= 0xF0 ? 3 : byte >= 0xE0 ? 2 : byte >= 0xC2 ? 1 : -1;
                if (more < 0 || byte > 0xF4 || m_pos + more > m_in.size()) {
                    return Json();
                }
                char32_t c = byte & (0x3F >> more);
                for (int i = 0; i < more; ++i) {
                    const auto next = static_cast<unsigned char>(m_in[m_pos++]);
                    if ((next & 0xC0) != 0x80) {
                        return Json();
                    }
                    c = (c << 6) | (next & 0x3F);
                }
                if ((more == 2 && c < 0x800) || (more == 3 && c < 0x10000)) {
                    return Json();
                }
                value.text += c;
            }
        }
        return Json();
    }

    const std::string& m_in;
    size_t m_pos = 0;
    int m_depth = 0;
};

Json ParseJson(const std::string& text) {
    return JsonReader(text).Document();
}

// The group order of the grid: versions, then game types.
int GroupRank(const std::string& version, const std::string& type) {
    const std::vector<std::string> versions = {"1.00", "1.10", "1.20", "1.30", "1.40"};
    const std::vector<std::string> types = {"VLD", "TDM", "DM"};
    const auto v = std::find(versions.begin(), versions.end(), version);
    const auto t = std::find(types.begin(), types.end(), type);
    if (v == versions.end() || t == types.end()) {
        return -1;
    }
    return static_cast<int>((v - versions.begin()) * 3 + (t - types.begin()));
}

TEST(JsonReaderTest, TellsValidFromInvalid) {
    EXPECT_EQ(ParseJson(R"({"a": [1, -2.5e3, true, null, "x\u00e9\n"], "b": {}})").type,
              Json::Type::Object);
    for (const char* bad : {"", "{", "{\"a\" 1}", "[1,]", "\"\x01\"", "\"\\x\"", "01", "1.",
                            "\"\xC3\"", "\"\xC0\x80\"", "{} {}", "[\"a\"]]", "tru"}) {
        EXPECT_EQ(ParseJson(bad).type, Json::Type::Invalid) << bad;
    }
    EXPECT_EQ(ParseJson("\"\xC3\xA9\\u0001\"").Bytes(), "\xE9\x01");
}

// Hostile texts from servers on loopback: the JSON stays valid and gives back the exact bytes,
// the table shows no control character, and each server lands where it belongs.
TEST(KorvathQueryTest, ServerTextsCannotBreakTheOutput) {
    ScopedTempDir dir(true);
    const std::string hostile = "q\"b\\s/\x01\x1b[31m\t\n\x7f\x80\x9b\xa0\xe9\xff";
    FakeServerScript silent;
    silent.silent = true;
    FakeGameServers servers({
        {InfoReply(0x89, hostile, 2, 3, 12, "map\x1b]0;x\x07", "", 0x05)},
        {InfoReply(0x86, "odd version", 1, 1, 8, "m", "", 0)},
        silent,
        {InfoReply(0x89, "second", 2, 0x80, 5, "m2", "mod", 0x01)},
        {InfoReply(0x85, "bad type", 9, 1, 8, "m", "", 0)},
    });
    std::vector<FakeAddress> list;
    for (int i = 0; i < 5; ++i) {
        list.push_back({{127, 0, 0, 1}, static_cast<uint16_t>(servers.Port(i))});
    }
    const std::string master = "127.0.0.1:";
    {
        FakeMaster fake({MasterPage(0, list), MasterPage(7, {})});
        const QueryRun run = RunQuery({"--master", master + std::to_string(fake.Port()), "--json"});
        ASSERT_EQ(run.exitCode, 0) << run.err;
        const Json json = ParseJson(run.out);
        ASSERT_EQ(json.type, Json::Type::Object) << run.out;
        EXPECT_EQ(json["master"].Bytes(), master + std::to_string(fake.Port()));
        EXPECT_EQ(json["listed"].Int(), 5);
        EXPECT_EQ(json["answered"].Int(), 4);
        ASSERT_EQ(json["groups"].items.size(), 1u);
        const Json& group = json["groups"].items[0];
        EXPECT_EQ(group["version"].Bytes(), "1.20");
        EXPECT_EQ(group["gameType"].Bytes(), "TDM");
        ASSERT_EQ(group["servers"].items.size(), 2u);
        const Json* first = &group["servers"].items[0];
        const Json* second = &group["servers"].items[1];
        EXPECT_LE((*first)["ping"].number, (*second)["ping"].number);
        if ((*first)["name"].Bytes() != hostile) {
            std::swap(first, second);
        }
        EXPECT_EQ((*first)["name"].Bytes(), hostile);
        EXPECT_EQ((*first)["map"].Bytes(), "map\x1b]0;x\x07");
        EXPECT_EQ((*first)["address"].Bytes(), servers.Address(0));
        EXPECT_EQ((*first)["playersText"].Bytes(), " 3/12");
        EXPECT_EQ((*first)["players"].Int(), 3);
        EXPECT_EQ((*first)["maxPlayers"].Int(), 12);
        EXPECT_TRUE((*first)["private"].boolean);
        EXPECT_TRUE((*first)["dedicated"].boolean);
        EXPECT_EQ((*first)["mod"].Bytes(), "");
        EXPECT_EQ((*second)["players"].Int(), -128);
        EXPECT_EQ((*second)["playersText"].Bytes(), "-128/ 5");
        EXPECT_FALSE((*second)["private"].boolean);
        EXPECT_EQ((*second)["mod"].Bytes(), "mod");

        const std::vector<std::pair<int, std::string>> ungrouped = {
            {1, "1.??"}, {2, ""}, {4, "1.00"}};
        ASSERT_EQ(json["ungrouped"].items.size(), ungrouped.size());
        for (size_t i = 0; i < ungrouped.size(); ++i) {
            const Json& entry = json["ungrouped"].items[i];
            EXPECT_EQ(entry["address"].Bytes(), servers.Address(ungrouped[i].first));
            EXPECT_EQ(entry["version"].Bytes(), ungrouped[i].second);
        }
        EXPECT_EQ(json["ungrouped"].items[1]["ping"].Int(), 9999);
        EXPECT_EQ(json["ungrouped"].items[1]["gameType"].Bytes(), "");
        EXPECT_EQ(json["ungrouped"].items[2]["gameType"].Bytes(), "???");
    }
    {
        FakeMaster fake({MasterPage(0, list), MasterPage(7, {})});
        const QueryRun run = RunQuery({"--master", master + std::to_string(fake.Port())});
        ASSERT_EQ(run.exitCode, 0) << run.err;
        for (char c : run.out) {
            const auto byte = static_cast<unsigned char>(c);
            ASSERT_TRUE(byte >= 0x20 || c == '\n') << "control byte " << +byte;
        }
        EXPECT_NE(run.out.find("1.20 TDM\n"), std::string::npos);
        EXPECT_NE(run.out.find("q\"b\\s/??[31m?????\xC2\xA0\xC3\xA9\xC3\xBF"), std::string::npos)
            << run.out;
        EXPECT_NE(run.out.find("ungrouped\n"), std::string::npos);
        EXPECT_EQ(run.out.substr(run.out.size() - 12), "5 server(s)\n");
    }
    // Both runs appended their addresses.
    EXPECT_EQ(kr::test::ReadWholeFile("servers.txt").size(), 2u * 5 * 22);
}

TEST(KorvathQueryTest, ExitStatusTellsUsageAndMasterFailures) {
    ScopedTempDir dir(true);
    const std::vector<std::vector<std::string>> badUsage = {
        {"--master"},          {"--master", ":1"}, {"--master", "h:0"}, {"--master", "h:65536"},
        {"--json", "--bogus"}, {"extra"},          {"--master", "a b"}};
    for (const auto& arguments : badUsage) {
        const QueryRun run = RunQuery(arguments);
        EXPECT_EQ(run.exitCode, 2) << arguments.back();
        EXPECT_NE(run.err.find("usage: korvath-query [--master HOST[:PORT]] [--json]"),
                  std::string::npos);
        EXPECT_EQ(run.out, "");
    }

    int closedPort = 0;
    {
        kr::test::FakeUdpSocket gone;
        closedPort = gone.Port();
    }
    const QueryRun failed =
        RunQuery({"--master", "127.0.0.1:" + std::to_string(closedPort), "--json"});
    EXPECT_EQ(failed.exitCode, 1);
    EXPECT_NE(failed.err.find("Connection To Master Server Failed"), std::string::npos);
    EXPECT_NE(failed.err.find("Failed to call Master Server"), std::string::npos);
    EXPECT_EQ(failed.out, "");
}

// Against the simulator: every answering server under its group with the decoded fields, in
// ping order; every other one ungrouped in list order; each queried once, at most ten at once.
TEST(KorvathQueryTest, SimulatedFleetComesOutGroupedAndInPingOrder) {
    ScopedTempDir dir(true);
    SimProcess sim({"--servers", "120", "--per-page", "25", "--silent", "10", "--malformed", "15",
                    "--delay", "20", "--delay-jitter", "30", "--random", "7"});
    ASSERT_TRUE(sim.Started());
    const std::vector<FleetEntry> fleet = sim.Fleet();
    ASSERT_EQ(fleet.size(), 120u);

    const QueryRun run = RunQuery({"--master", sim.MasterAddress(), "--json"});
    ASSERT_EQ(run.exitCode, 0) << run.err;
    const Json json = ParseJson(run.out);
    ASSERT_EQ(json.type, Json::Type::Object);
    EXPECT_EQ(json["listed"].Int(), 120);
    EXPECT_EQ(json["answered"].Int(),
              std::count_if(fleet.begin(), fleet.end(), [](auto& s) { return s.Answers(); }));

    std::map<std::string, const FleetEntry*> byAddress;
    for (const FleetEntry& server : fleet) {
        byAddress[server.address] = &server;
    }
    size_t shown = 0;
    int lastRank = -1;
    for (const Json& group : json["groups"].items) {
        const int rank = GroupRank(group["version"].Bytes(), group["gameType"].Bytes());
        EXPECT_GT(rank, lastRank) << "groups in grid order, each once";
        lastRank = rank;
        ASSERT_FALSE(group["servers"].items.empty());
        double lastPing = -1;
        for (const Json& row : group["servers"].items) {
            ++shown;
            const FleetEntry* truth = byAddress[row["address"].Bytes()];
            ASSERT_NE(truth, nullptr) << row["address"].Bytes();
            SCOPED_TRACE(truth->address);
            EXPECT_TRUE(truth->Answers());
            EXPECT_EQ(group["version"].Bytes(), VersionText(static_cast<uint8_t>(truth->version)));
            EXPECT_EQ(group["gameType"].Bytes(),
                      GameTypeText(static_cast<int8_t>(truth->gameType)));
            EXPECT_EQ(row["name"].Bytes(), truth->name);
            EXPECT_EQ(row["map"].Bytes(), truth->map);
            EXPECT_EQ(row["mod"].Bytes(), truth->mod);
            EXPECT_EQ(row["players"].Int(), truth->players);
            EXPECT_EQ(row["maxPlayers"].Int(), truth->maxPlayers);
            EXPECT_EQ(row["dedicated"].boolean, (truth->flags & 1) != 0);
            EXPECT_EQ(row["private"].boolean, (truth->flags & 4) != 0);
            EXPECT_GE(row["ping"].number, lastPing) << "ascending ping";
            EXPECT_LT(row["ping"].number, 2000);
            lastPing = row["ping"].number;
        }
    }
    std::vector<std::string> expectedUngrouped;
    for (const FleetEntry& server : fleet) {
        if (!server.Answers() ||
            GroupRank(VersionText(static_cast<uint8_t>(server.version)),
                      GameTypeText(static_cast<int8_t>(server.gameType))) < 0) {
            expectedUngrouped.push_back(server.address);
        }
    }
    std::vector<std::string> ungrouped;
    for (const Json& entry : json["ungrouped"].items) {
        ungrouped.push_back(entry["address"].Bytes());
        const FleetEntry* truth = byAddress[entry["address"].Bytes()];
        ASSERT_NE(truth, nullptr);
        EXPECT_EQ(entry["ping"].Int() == 9999, !truth->Answers());
    }
    EXPECT_EQ(ungrouped, expectedUngrouped);
    EXPECT_EQ(shown + ungrouped.size(), fleet.size());

    std::map<std::string, long> stats = sim.Stats();
    EXPECT_EQ(stats["queries"], 120);
    EXPECT_GE(stats["max_in_flight"], 1);
    EXPECT_LE(stats["max_in_flight"], 10);
    const std::string serversFile = kr::test::ReadWholeFile("servers.txt");
    EXPECT_EQ(std::count(serversFile.begin(), serversFile.end(), '\n'), 120);
}

TEST(KorvathQueryTest, TableListsGroupsThenTheCount) {
    ScopedTempDir dir(true);
    SimProcess sim({"--servers", "40", "--per-page", "9", "--random", "3"});
    ASSERT_TRUE(sim.Started());
    const QueryRun run = RunQuery({"--master", sim.MasterAddress()});
    ASSERT_EQ(run.exitCode, 0) << run.err;
    EXPECT_NE(run.err.find("Contacting Master Server\n"), std::string::npos);
    EXPECT_EQ(run.out.substr(run.out.size() - 13), "40 server(s)\n");
    // Group headings appear in grid order.
    int lastRank = -1;
    size_t rows = 0;
    size_t pos = run.out.find('\n') + 1;  // past the column heading
    while (pos < run.out.size()) {
        const size_t end = run.out.find('\n', pos);
        const std::string line = run.out.substr(pos, end - pos);
        pos = end + 1;
        if (line == "ungrouped" || line == "40 server(s)") {
            break;
        }
        if (line.size() == 8 || line.size() == 7) {  // "1.20 TDM" or "1.00 DM"
            const int rank = GroupRank(line.substr(0, 4), line.substr(5));
            EXPECT_GT(rank, lastRank) << line;
            lastRank = rank;
        } else {
            ++rows;
        }
    }
    EXPECT_GT(rows, 0u);
    EXPECT_LE(rows, 40u);
}

}  // namespace
