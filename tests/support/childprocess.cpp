// SPDX-License-Identifier: GPL-3.0-or-later
#include "tests/support/childprocess.h"

#include <algorithm>
#include <chrono>
#include <cstring>
#include <fstream>
#include <thread>

#include <fcntl.h>
#include <signal.h>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>

#include "tests/support/tempdir.h"

extern char** environ;

namespace kr::test {

namespace {
// The process's peak resident memory so far (VmHWM); 0 once it has ended.
long PeakResidentKb(pid_t pid) {
    std::ifstream status("/proc/" + std::to_string(pid) + "/status");
    long kb = 0;
    for (std::string line; std::getline(status, line);) {
        if (line.starts_with("VmHWM:")) {
            kb = std::atol(line.c_str() + 6);
        }
    }
    return kb;
}
}  // namespace

pid_t Spawn(std::vector<std::string> words, const std::string& out, const std::string& err,
            char* const* environment) {
    std::vector<char*> argv;
    for (std::string& word : words) {
        argv.push_back(word.data());
    }
    argv.push_back(nullptr);
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    const int flags = O_WRONLY | O_CREAT | O_TRUNC;
    posix_spawn_file_actions_addopen(&actions, STDOUT_FILENO, out.c_str(), flags, 0600);
    if (!err.empty()) {
        posix_spawn_file_actions_addopen(&actions, STDERR_FILENO, err.c_str(), flags, 0600);
    }
    pid_t pid = -1;
    if (posix_spawn(&pid, argv[0], &actions, nullptr, argv.data(),
                    environment != nullptr ? environment : environ) != 0) {
        pid = -1;
    }
    posix_spawn_file_actions_destroy(&actions);
    return pid;
}

ChildRun RunChild(const std::string& program, const std::vector<std::string>& arguments,
                  int signalAfterMs, int signal, const std::vector<std::string>& unset) {
    std::vector<std::string> words = {program};
    words.insert(words.end(), arguments.begin(), arguments.end());
    std::vector<char*> environment;
    for (char** setting = environ; *setting != nullptr; ++setting) {
        const std::string name(*setting, std::strcspn(*setting, "="));
        if (std::find(unset.begin(), unset.end(), name) == unset.end()) {
            environment.push_back(*setting);
        }
    }
    environment.push_back(nullptr);
    ChildRun run;
    const auto start = std::chrono::steady_clock::now();
    const pid_t pid = Spawn(words, "child-out.txt", "child-errors.txt", environment.data());
    if (pid < 0) {
        return run;
    }
    // The child's peak memory is sampled from /proc while it runs: the rusage of a spawned child
    // counts the parent's own peak in, which would hide the child's.
    bool signalled = signalAfterMs <= 0;
    int status = 0;
    rusage used{};
    while (wait4(pid, &status, WNOHANG, &used) == 0) {
        run.peakRssKb = std::max(run.peakRssKb, PeakResidentKb(pid));
        if (!signalled &&
            std::chrono::steady_clock::now() - start >= std::chrono::milliseconds(signalAfterMs)) {
            kill(pid, signal);
            signalled = true;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(2));
    }
    if (WIFEXITED(status)) {
        run.exitCode = WEXITSTATUS(status);
    }
    const auto seconds = [](const timeval& t) { return t.tv_sec + t.tv_usec / 1e6; };
    run.seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    run.cpuSeconds = seconds(used.ru_utime) + seconds(used.ru_stime);
    run.out = ReadWholeFile("child-out.txt");
    run.err = ReadWholeFile("child-errors.txt");
    return run;
}

}  // namespace kr::test
