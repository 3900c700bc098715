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

fs::path resolveDataDirectory(const std::optional<fs::path>& chosen) {
    fs::path folder;
    if (chosen) {
        folder = *chosen;
    } else if (const char* xdg = std::getenv("XDG_DATA_HOME"); xdg && *xdg) {
        folder = fs::path(xdg) / "cindervane";
    } else if (const char* home = std::getenv("HOME"); home && *home) {
        folder = fs::path(home) / ".local" / "share" / "cindervane";
    } else {
        folder = fs::current_path() / ".cindervane";
    }
    std::error_code error;
    fs::create_directories(folder, error);
    return folder;
}

fs::path runtimeDirectory() {
    if (const char* xdg = std::getenv("XDG_RUNTIME_DIR"); xdg && *xdg) {
        std::error_code error;
        if (fs::is_directory(xdg, error)) return xdg;
    }
    return fs::path("/tmp");
}

}  // namespace cindervane::platform
