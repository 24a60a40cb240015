// SPDX-License-Identifier: GPL-3.0-or-later
#include "tests/support/simprocess.h"

#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <sstream>
#include <thread>

#include <signal.h>
#include <sys/wait.h>

#include "tests/support/childprocess.h"

namespace kr::test {

namespace {

using Clock = std::chrono::steady_clock;
constexpr auto kLimit = std::chrono::seconds(30);  // for starting

std::string DecodeHex(const std::string& hex) {
    std::string bytes;
    for (std::size_t i = 0; i + 1 < hex.size(); i += 2) {
        bytes += static_cast<char>(std::strtol(hex.substr(i, 2).c_str(), nullptr, 16));
    }
    return bytes;
}

// "ADDRESS\tVERSION\tTYPE\tPLAYERS\tMAX\tFLAGS\tKIND\tNAME\tMAP\tMOD\tRTT\tFLAKY", texts in hex.
bool ParseFleetLine(const std::string& line, FleetEntry& e) {
    std::vector<std::string> f;
    std::istringstream in(line + '\t');  // every field ends with a tab, the last one too
    for (std::string field; std::getline(in, field, '\t');) {
        f.push_back(field);
    }
    const char* kinds[] = {"ok", "silent", "malformed", "late", "other-port"};
    const auto kind = std::find(std::begin(kinds), std::end(kinds), f.size() == 12 ? f[6] : "");
    const std::size_t colon = f[0].rfind(':');
    if (kind == std::end(kinds) || colon == std::string::npos) {
        return false;
    }
    e.kind = static_cast<FleetEntry::Kind>(kind - std::begin(kinds));
    e.address = f[0];
    e.port = std::atoi(f[0].c_str() + colon + 1);
    int* numbers[] = {&e.version, &e.gameType, &e.players, &e.maxPlayers, &e.flags};
    for (int i = 0; i < 5; ++i) {
        *numbers[i] = std::atoi(f[1 + i].c_str());
    }
    e.name = DecodeHex(f[7]);
    e.map = DecodeHex(f[8]);
    e.mod = DecodeHex(f[9]);
    e.rttMs = std::atoi(f[10].c_str());
    e.flaky = f[11] == "1";
    return true;
}

// Whether the child has ended, leaving its exit status to be collected.
bool Ended(pid_t pid) {
    siginfo_t info{};
    return waitid(P_PID, pid, &info, WEXITED | WNOHANG | WNOWAIT) != 0 || info.si_pid == pid;
}

}  // namespace

std::vector<std::string> Words(const std::string& line) {
    std::istringstream words(line);
    return {std::istream_iterator<std::string>(words), std::istream_iterator<std::string>()};
}

SimProcess::SimProcess(std::vector<std::string> options) {
    std::vector<std::string> words = {
        KR_SIM_PATH,    "--master-port",        "0", "--fleet-file", m_dir.File("fleet.tsv"),
        "--stats-file", m_dir.File("stats.txt")};
    words.insert(words.end(), options.begin(), options.end());
    m_pid = Spawn(words, m_dir.File("out.txt"), "");
    std::string out;
    for (const auto deadline = Clock::now() + kLimit; m_pid > 0 && Clock::now() < deadline;) {
        const bool ended = Ended(m_pid);  // before the read: a last line written is still seen
        if ((out = ReadWholeFile(m_dir.File("out.txt"))).find('\n') != std::string::npos || ended) {
            break;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
    }
    const std::string prefix = "master 127.0.0.1:";
    if (!out.starts_with(prefix)) {
        return;
    }
    m_masterPort = std::atoi(out.c_str() + prefix.size());
    std::ifstream fleet(m_dir.File("fleet.tsv"), std::ios::binary);
    for (std::string line; std::getline(fleet, line);) {
        if (FleetEntry entry; ParseFleetLine(line, entry)) {
            m_fleet.push_back(std::move(entry));
        }
    }
}

void SimProcess::Stop() {
    if (m_pid > 0) {
        kill(m_pid, SIGTERM);  // an ended child not yet waited for takes it harmlessly
        waitpid(m_pid, nullptr, 0);
        m_pid = -1;
    }
}

std::map<std::string, long> SimProcess::Stats() {
    Stop();
    std::map<std::string, long> stats;
    std::ifstream in(m_dir.File("stats.txt"));
    std::string key;
    for (long value = 0; in >> key >> value;) {
        stats[key] = value;
    }
    return stats;
}

}  // namespace kr::test
