// Running the program as a player or a script would, through the shell: its exit status and
// everything it printed, stdout and stderr together.
#pragma once

#include <sys/wait.h>

#include <cstdio>
#include <string>

namespace cindervane {

struct ProgramOutcome {
    int exitCode = -1;   // -1 when it could not be started or did not exit by itself
    std::string output;  // stdout and stderr together
};

// Runs the shell command line with stderr joined to stdout and waits for it to end.
inline ProgramOutcome runCommand(const std::string& command) {
    ProgramOutcome outcome;
    FILE* pipe = ::popen((command + " 2>&1").c_str(), "r");
    if (!pipe) return outcome;
    char buffer[512];
    while (std::fgets(buffer, sizeof buffer, pipe))
        outcome.output += buffer;
    const int status = ::pclose(pipe);
    outcome.exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    return outcome;
}

}  // namespace cindervane
