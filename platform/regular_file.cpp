// Reading only regular files, without ever blocking on open.
#include "platform/regular_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstring>

namespace cindervane::platform {

namespace {

struct Descriptor {
    int fd = -1;
    ~Descriptor() {
        if (fd >= 0) ::close(fd);
    }
};

}  // namespace

FileRead readRegularFile(const std::filesystem::path& path, std::size_t maxBytes,
                         std::vector<std::uint8_t>& bytes, std::string& reason) {
    bytes.clear();
    // O_NONBLOCK: opening a pipe with no writer, or a device, returns at once.
    Descriptor file{::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC)};
    if (file.fd < 0) {
        reason = std::strerror(errno);
        if (errno == ENOENT || errno == ENOTDIR) return FileRead::Missing;
        if (errno == ENXIO || errno == EISDIR) return FileRead::NotRegular;
        return FileRead::Unreadable;
    }
    struct stat info {};
    if (::fstat(file.fd, &info) != 0) {
        reason = std::strerror(errno);
        return FileRead::Unreadable;
    }
    if (!S_ISREG(info.st_mode)) {
        reason = "not a regular file";
        return FileRead::NotRegular;
    }
    if (info.st_size < 0 || static_cast<std::uint64_t>(info.st_size) > maxBytes) {
        reason = "larger than " + std::to_string(maxBytes) + " bytes";
        return FileRead::TooLarge;
    }
    // A file that grows while it is read is read only up to the limit and refused.
    bytes.resize(static_cast<std::size_t>(info.st_size));
    std::size_t done = 0;
    for (;;) {
        if (done == bytes.size()) {
            if (bytes.size() >= maxBytes) break;
            bytes.resize(std::min(maxBytes, bytes.size() + 4096));
        }
        const ssize_t got = ::read(file.fd, bytes.data() + done, bytes.size() - done);
        if (got < 0) {
            if (errno == EINTR) continue;
            reason = std::strerror(errno);
            bytes.clear();
            return FileRead::Unreadable;
        }
        if (got == 0) break;
        done += static_cast<std::size_t>(got);
    }
    if (done == maxBytes && bytes.size() == maxBytes) {
        // Full to the limit: larger only if one more byte can still be read.
        std::uint8_t extra = 0;
        ssize_t more = 0;
        do {
            more = ::read(file.fd, &extra, 1);
        } while (more < 0 && errno == EINTR);
        if (more > 0) {
            reason = "larger than " + std::to_string(maxBytes) + " bytes";
            bytes.clear();
            return FileRead::TooLarge;
        }
    }
    bytes.resize(done);
    return FileRead::Read;
}

}  // namespace cindervane::platform
