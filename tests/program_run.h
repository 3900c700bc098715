// Running the program as a player or a script would, through the shell: its exit status and
// everything it printed, stdout and stderr together; and reading back what it wrote.
#pragma once

#include <sys/wait.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include <nlohmann/json.hpp>

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

// A dump or report the program wrote, or null when there is none.
inline nlohmann::json readJson(const std::filesystem::path& path) {
    std::ifstream in(path);
    return in ? nlohmann::json::parse(in) : nlohmann::json();
}

inline std::vector<std::string> readLines(const std::filesystem::path& path) {
    std::ifstream in(path);
    std::vector<std::string> all;
    for (std::string line; std::getline(in, line);)
        all.push_back(line);
    return all;
}

inline void writeLines(const std::filesystem::path& path, const std::vector<std::string>& all) {
    std::ofstream out(path);
    for (const std::string& line : all)
        out << line << '\n';
}

#ifdef CINDERVANE_PROGRAM
// The game itself with the arguments, after environment settings ("NAME=value ...") if any.
inline ProgramOutcome runProgram(const std::string& arguments,
                                 const std::string& environment = "") {
    return runCommand(environment + " " + CINDERVANE_PROGRAM + " " + arguments);
}

// The game run headless for the frames with the arguments, dumping its state into the folder
// at each of the frames asked for; the dumps in that order, null where none was written.
struct DumpedRun {
    ProgramOutcome outcome;
    std::vector<nlohmann::json> dumps;
};
inline DumpedRun runWithDumps(const std::filesystem::path& folder, const std::string& arguments,
                              int frames, const std::vector<int>& dumpAt) {
    const auto dumpFile = [&](int at) { return folder / ("dump" + std::to_string(at) + ".json"); };
    const auto script = folder / "dumps.txt";
    {
        std::ofstream out(script);
        for (int at : dumpAt)
            out << at << " dump " << dumpFile(at).string() << "\n";
    }
    DumpedRun run{runProgram("--headless --frames " + std::to_string(frames) + " --script " +
                             script.string() + " " + arguments),
                  {}};
    for (int at : dumpAt)
        run.dumps.push_back(readJson(dumpFile(at)));
    return run;
}
#endif

}  // namespace cindervane
