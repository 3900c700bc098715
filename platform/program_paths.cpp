// Where the program lives and where it keeps its data.
#include "platform/program_paths.h"

#include <unistd.h>

#include <cstdlib>
#include <system_error>

namespace cindervane::platform {

namespace fs = std::filesystem;

fs::path programDirectory() {
    std::error_code error;
    const fs::path program = fs::canonical("/proc/self/exe", error);
    if (error) return fs::current_path(error);
    return program.parent_path();
}

std::optional<fs::path> resolveDataDirectory(const std::optional<fs::path>& chosen,
                                             std::string& error) {
    fs::path folder;
    std::error_code problem;
    if (chosen) {
        folder = *chosen;
    } else if (const char* xdg = std::getenv("XDG_DATA_HOME"); xdg && *xdg) {
        folder = fs::path(xdg) / "cindervane";
    } else if (const char* home = std::getenv("HOME"); home && *home) {
        folder = fs::path(home) / ".local" / "share" / "cindervane";
    } else {
        const fs::path working = fs::current_path(problem);
        if (problem) {
            error =
                "no folder for the high scores: HOME and XDG_DATA_HOME are unset and the "
                "working folder is gone (" +
                problem.message() + "); give --data-dir";
            return std::nullopt;
        }
        folder = working / ".cindervane";
    }
    fs::create_directories(folder, problem);
    return folder;
}

}  // namespace cindervane::platform
