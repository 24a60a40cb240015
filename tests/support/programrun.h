#pragma once

#include <string>
#include <vector>

namespace kr::test {

// What a program said and how it ended.
struct ProgramRun {
    int exitCode = -1;  // -1: killed by a signal or never started
    std::string out, err;
};

// Runs the program with the arguments (no single quotes in them) through the shell, in the
// current folder, after the environment settings (each "NAME=value", or "-NAME" to unset it).
ProgramRun RunProgram(const std::string& program, const std::vector<std::string>& arguments,
                      const std::vector<std::string>& environment = {});

}  // namespace kr::test
