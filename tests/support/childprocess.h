// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdlib>
#include <string>
#include <vector>

#include <sys/types.h>

#include "tests/support/testmutex.h"

namespace kr::test {

// One run of a program as a child process.
struct ChildRun {
    int exitCode = -1;      // -1: ended by a signal, or not started
    std::string out;        // standard output
    std::string err;        // standard error
    double seconds = 0;     // wall time
    double cpuSeconds = 0;  // user + system
    long peakRssKb = 0;     // peak resident memory, sampled every 2 ms
};

// Starts words[0] with the words as its arguments and the environment given (this process's
// when null), its standard output written to the file `out` and, unless `err` is empty, its
// errors to the file `err`. The child's id, or -1 when it could not start.
pid_t Spawn(std::vector<std::string> words, const std::string& out, const std::string& err,
            char* const* environment = nullptr);

// Runs the program with the arguments in the current folder (its output and messages pass
// through files there) and waits for its end. With signalAfterMs > 0 the signal is sent that
// long after the start. The variables named in `unset` are left out of its environment.
ChildRun RunChild(const std::string& program, const std::vector<std::string>& arguments,
                  int signalAfterMs = 0, int signal = 0,
                  const std::vector<std::string>& unset = {});

// RunChild for korvath-query, whose workers take a mutex of their own instead of "update".
inline ChildRun RunQuery(const std::vector<std::string>& arguments, int signalAfterMs = 0,
                         int signal = 0) {
    const TestMutexName mutex;
    setenv("KR_UPDATE_MUTEX", mutex.name.c_str(), 1);
    return RunChild(KR_QUERY_PATH, arguments, signalAfterMs, signal);
}

}  // namespace kr::test
