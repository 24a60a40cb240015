#include "tests/support/simprocess.h"

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <sstream>
#include <thread>

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

extern char** environ;

namespace kr::test {

namespace {

using Clock = std::chrono::steady_clock;
constexpr auto kLimit = std::chrono::seconds(30);  // for starting and for stopping

// The first line the child writes, or "" when none comes before the deadline.
std::string ReadFirstLine(int fd, Clock::time_point deadline) {
    std::string line;
    for (char c = 0; c != '\n';) {
        const auto left =
            std::chrono::duration_cast<std::chrono::milliseconds>(deadline - Clock::now());
        pollfd ready{fd, POLLIN, 0};
        if (left.count() <= 0 || poll(&ready, 1, static_cast<int>(left.count())) <= 0) {
            return "";
        }
        const ssize_t got = read(fd, &c, 1);
        if (got <= 0 && !(got < 0 && errno == EINTR)) {
            return "";
        }
        if (got == 1 && c != '\n') {
            line += c;
        }
    }
    return line;
}

std::string DecodeHex(const std::string& hex) {
    std::string bytes;
    for (std::size_t i = 0; i + 1 < hex.size(); i += 2) {
        bytes += static_cast<char>(std::strtol(hex.substr(i, 2).c_str(), nullptr, 16));
    }
    return bytes;
}

// "ADDRESS\tVERSION\tTYPE\tPLAYERS\tMAX\tFLAGS\tKIND\tNAME\tMAP\tMOD", texts in hex.
bool ParseFleetLine(const std::string& line, FleetEntry& e) {
    std::vector<std::string> f;
    std::istringstream in(line);
    for (std::string field; std::getline(in, field, '\t');) {
        f.push_back(field);
    }
    if (line.ends_with('\t')) {
        f.emplace_back();
    }
    const std::size_t colon = f.empty() ? std::string::npos : f[0].rfind(':');
    if (f.size() != 10 || colon == std::string::npos) {
        return false;
    }
    const char* kinds[] = {"ok", "silent", "malformed", "late", "other-port"};
    const auto kind = std::find(std::begin(kinds), std::end(kinds), f[6]);
    if (kind == std::end(kinds)) {
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
    return true;
}

}  // namespace

std::vector<std::string> Words(const std::string& line) {
    std::istringstream words(line);
    return {std::istream_iterator<std::string>(words), std::istream_iterator<std::string>()};
}

std::vector<FleetEntry> ReadFleetFile(const std::string& path) {
    std::vector<FleetEntry> fleet;
    std::ifstream in(path, std::ios::binary);
    for (std::string line; std::getline(in, line);) {
        if (FleetEntry entry; ParseFleetLine(line, entry)) {
            fleet.push_back(std::move(entry));
        }
    }
    return fleet;
}

SimProcess::SimProcess(std::vector<std::string> options) {
    std::vector<std::string> arguments = {
        KR_SIM_PATH,    "--master-port",        "0", "--fleet-file", m_dir.File("fleet.tsv"),
        "--stats-file", m_dir.File("stats.txt")};
    arguments.insert(arguments.end(), options.begin(), options.end());
    std::vector<char*> argv;
    for (std::string& argument : arguments) {
        argv.push_back(argument.data());
    }
    argv.push_back(nullptr);
    int out[2];
    if (pipe2(out, O_CLOEXEC) != 0) {
        return;
    }
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, out[1], STDOUT_FILENO);
    if (posix_spawn(&m_pid, argv[0], &actions, nullptr, argv.data(), environ) != 0) {
        m_pid = -1;
    }
    posix_spawn_file_actions_destroy(&actions);
    close(out[1]);
    const std::string prefix = "master 127.0.0.1:";
    const std::string line = m_pid > 0 ? ReadFirstLine(out[0], Clock::now() + kLimit) : "";
    if (line.starts_with(prefix)) {
        m_masterPort = std::atoi(line.c_str() + prefix.size());
        m_fleet = ReadFleetFile(m_dir.File("fleet.tsv"));
    }
    close(out[0]);  // the simulator writes nothing after its first line
}

int SimProcess::Stop() {
    if (m_pid <= 0) {
        return m_exitStatus;
    }
    int status = 0;
    pid_t done = waitpid(m_pid, &status, WNOHANG);
    if (done == 0) {
        // One that did not start is on its way out (help, bad usage): its exit status is its own.
        if (Started()) {
            kill(m_pid, SIGTERM);
        }
        const auto deadline = Clock::now() + kLimit;
        while ((done = waitpid(m_pid, &status, WNOHANG)) == 0 && Clock::now() < deadline) {
            std::this_thread::sleep_for(std::chrono::milliseconds(5));
        }
        if (done == 0) {
            kill(m_pid, SIGKILL);
            done = waitpid(m_pid, &status, 0);
        }
    }
    m_exitStatus = done == m_pid && WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    m_pid = -1;
    return m_exitStatus;
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
