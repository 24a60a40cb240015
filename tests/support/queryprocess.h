#pragma once

#include <string>
#include <vector>

namespace kr::test {

// One run of korvath-query as a child process.
struct QueryRun {
    int exitCode = -1;      // -1: ended by a signal, or not started
    std::string out;        // standard output
    std::string err;        // standard error
    double seconds = 0;     // wall time
    double cpuSeconds = 0;  // user + system
    long peakRssKb = 0;     // peak resident memory
};

// Runs korvath-query with the arguments in the current folder (its output and messages pass
// through files there). With signalAfterMs > 0 the signal is sent that long after the start.
QueryRun RunQuery(const std::vector<std::string>& arguments, int signalAfterMs = 0, int signal = 0);

}  // namespace kr::test
