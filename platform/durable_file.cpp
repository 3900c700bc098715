// Replacing a file's contents durably.
#include "platform/durable_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

namespace cindervane::platform {

namespace {

std::string failure(const char* step) {
    return std::string(step) + ": " + std::strerror(errno);
}

bool writeAll(int file, std::span<const std::uint8_t> bytes) {
    std::size_t done = 0;
    while (done < bytes.size()) {
        const ssize_t written = ::write(file, bytes.data() + done, bytes.size() - done);
        if (written < 0) {
            if (errno == EINTR) continue;
            return false;
        }
        done += static_cast<std::size_t>(written);
    }
    return true;
}

}  // namespace

bool writeFileDurably(const std::filesystem::path& path, std::span<const std::uint8_t> bytes,
                      std::string& error) {
    const std::filesystem::path folder =
        path.has_parent_path() ? path.parent_path() : std::filesystem::path(".");
    std::string temporary = (folder / ("." + path.filename().string() + ".XXXXXX")).string();
    const int file = ::mkstemp(temporary.data());
    if (file < 0) {
        error = failure("cannot make a temporary file");
        return false;
    }
    bool written = writeAll(file, bytes);
    if (!written) error = failure("cannot write");
    if (written && ::fchmod(file, 0644) != 0) {
        error = failure("cannot set the file's permissions");
        written = false;
    }
    if (written && ::fsync(file) != 0) {
        error = failure("cannot flush to the disk");
        written = false;
    }
    if (::close(file) != 0 && written) {
        error = failure("cannot write");
        written = false;
    }
    if (written && ::rename(temporary.c_str(), path.c_str()) != 0) {
        error = failure("cannot replace the old file");
        written = false;
    }
    if (!written) {
        ::unlink(temporary.c_str());
        return false;
    }
    // The rename itself lives in the folder: flush the folder too, so it survives a crash.
    const int directory = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY);
    if (directory >= 0) {
        ::fsync(directory);
        ::close(directory);
    }
    return true;
}

}  // namespace cindervane::platform
