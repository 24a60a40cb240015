#include "tests/support/simprocess.h"

#include <cerrno>
#include <chrono>
#include <cstdlib>
#include <fstream>
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

constexpr auto kStartLimit = std::chrono::seconds(30);
constexpr auto kStopLimit = std::chrono::seconds(30);

// Reads the first line the child writes, waiting at most until the deadline.
std::string ReadFirstLine(int fd, std::chrono::steady_clock::time_point deadline) {
    std::string line;
    while (true) {
        const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(
            deadline - std::chrono::steady_clock::now());
        pollfd ready{fd, POLLIN, 0};
        if (left.count() <= 0 || poll(&ready, 1, static_cast<int>(left.count())) <= 0) {
            return "";
        }
        char c = 0;
        const ssize_t got = read(fd, &c, 1);
        if (got < 0 && errno == EINTR) {
            continue;
        }
        if (got <= 0) {
            return "";
        }
        if (c == '\n') {
            return line;
        }
        line += c;
    }
}

std::string DecodeHex(const std::string& hex) {
    std::string bytes;
    for (std::size_t i = 0; i + 1 < hex.size(); i += 2) {
        bytes += static_cast<char>(std::strtol(hex.substr(i, 2).c_str(), nullptr, 16));
    }
    return bytes;
}

bool ParseFleetLine(const std::string& line, FleetEntry& entry) {
    std::vector<std::string> fields;
    std::istringstream in(line);
    for (std::string field; std::getline(in, field, '\t');) {
        fields.push_back(field);
    }
    if (line.ends_with('\t')) {
        fields.emplace_back();
    }
    if (fields.size() != 10) {
        return false;
    }
    const std::size_t colon = fields[0].rfind(':');
    if (colon == std::string::npos) {
        return false;
    }
    entry.address = fields[0];
    entry.port = std::atoi(fields[0].c_str() + colon + 1);
    entry.version = std::atoi(fields[1].c_str());
    entry.gameType = std::atoi(fields[2].c_str());
    entry.players = std::atoi(fields[3].c_str());
    entry.maxPlayers = std::atoi(fields[4].c_str());
    entry.flags = std::atoi(fields[5].c_str());
    if (fields[6] == "ok") {
        entry.kind = FleetEntry::Kind::Ok;
    } else if (fields[6] == "silent") {
        entry.kind = FleetEntry::Kind::Silent;
    } else if (fields[6] == "malformed") {
        entry.kind = FleetEntry::Kind::Malformed;
    } else {
        return false;
    }
    entry.name = DecodeHex(fields[7]);
    entry.map = DecodeHex(fields[8]);
    entry.mod = DecodeHex(fields[9]);
    return true;
}

}  // namespace

std::vector<FleetEntry> ReadFleetFile(const std::string& path) {
    std::vector<FleetEntry> fleet;
    std::ifstream in(path, std::ios::binary);
    for (std::string line; std::getline(in, line);) {
        FleetEntry entry;
        if (ParseFleetLine(line, entry)) {
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
    if (m_pid > 0) {
        const std::string line =
            ReadFirstLine(out[0], std::chrono::steady_clock::now() + kStartLimit);
        const std::string prefix = "master 127.0.0.1:";
        if (line.starts_with(prefix)) {
            m_masterPort = std::atoi(line.c_str() + prefix.size());
            m_fleet = ReadFleetFile(m_dir.File("fleet.tsv"));
        }
    }
    close(out[0]);  // the simulator writes nothing after its first line
}

SimProcess::~SimProcess() {
    Stop();
}

std::string SimProcess::MasterAddress() const {
    return "127.0.0.1:" + std::to_string(m_masterPort);
}

int SimProcess::Stop() {
    if (m_pid <= 0) {
        return m_exitStatus;
    }
    int status = 0;
    pid_t done = waitpid(m_pid, &status, WNOHANG);
    if (done == 0) {
        // A simulator that did not start is on its way out (help text, bad usage, failure):
        // let it end by itself, so its exit status is its own.
        if (Started()) {
            kill(m_pid, SIGTERM);
        }
        const auto deadline = std::chrono::steady_clock::now() + kStopLimit;
        while ((done = waitpid(m_pid, &status, WNOHANG)) == 0 &&
               std::chrono::steady_clock::now() < deadline) {
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
    long value = 0;
    while (in >> key >> value) {
        stats[key] = value;
    }
    return stats;
}

}  // namespace kr::test
