#include "tests/support/queryprocess.h"

#include <chrono>
#include <thread>

#include <fcntl.h>
#include <signal.h>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>

#include "tests/support/tempdir.h"

extern char** environ;

namespace kr::test {

QueryRun RunQuery(const std::vector<std::string>& arguments, int signalAfterMs, int signal) {
    std::vector<std::string> words = {KR_QUERY_PATH};
    words.insert(words.end(), arguments.begin(), arguments.end());
    std::vector<char*> argv;
    for (std::string& word : words) {
        argv.push_back(word.data());
    }
    argv.push_back(nullptr);
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    const int flags = O_WRONLY | O_CREAT | O_TRUNC;
    posix_spawn_file_actions_addopen(&actions, STDOUT_FILENO, "query-out.txt", flags, 0600);
    posix_spawn_file_actions_addopen(&actions, STDERR_FILENO, "query-errors.txt", flags, 0600);
    QueryRun run;
    pid_t pid = -1;
    const auto start = std::chrono::steady_clock::now();
    const bool spawned = posix_spawn(&pid, argv[0], &actions, nullptr, argv.data(), environ) == 0;
    posix_spawn_file_actions_destroy(&actions);
    if (!spawned) {
        return run;
    }
    if (signalAfterMs > 0) {
        std::this_thread::sleep_for(std::chrono::milliseconds(signalAfterMs));
        kill(pid, signal);
    }
    int status = 0;
    rusage used{};
    if (wait4(pid, &status, 0, &used) == pid && WIFEXITED(status)) {
        run.exitCode = WEXITSTATUS(status);
    }
    const auto seconds = [](const timeval& t) { return t.tv_sec + t.tv_usec / 1e6; };
    run.seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    run.cpuSeconds = seconds(used.ru_utime) + seconds(used.ru_stime);
    run.peakRssKb = used.ru_maxrss;
    run.out = ReadWholeFile("query-out.txt");
    run.err = ReadWholeFile("query-errors.txt");
    return run;
}

}  // namespace kr::test
