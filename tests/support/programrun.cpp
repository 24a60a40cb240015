#include "tests/support/programrun.h"

#include "tests/support/tempdir.h"

#include <cstdio>

#include <sys/wait.h>

namespace kr::test {

ProgramRun RunProgram(const std::string& program, const std::vector<std::string>& arguments,
                      const std::vector<std::string>& environment) {
    const ScopedTempDir scratch;
    std::string command = "env";
    for (const std::string& setting : environment) {
        command +=
            setting.starts_with('-') ? " -u '" + setting.substr(1) + "'" : " '" + setting + "'";
    }
    command += " '" + program + "'";
    for (const std::string& argument : arguments) {
        command += " '" + argument + "'";
    }
    const std::string errors = scratch.File("stderr");
    ProgramRun run;
    std::FILE* output = popen((command + " 2>'" + errors + "'").c_str(), "r");
    if (output == nullptr) {
        return run;
    }
    char chunk[65536];
    for (size_t got; (got = std::fread(chunk, 1, sizeof(chunk), output)) > 0;) {
        run.out.append(chunk, got);
    }
    const int status = pclose(output);
    run.exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    run.err = ReadWholeFile(errors);
    return run;
}

}  // namespace kr::test
