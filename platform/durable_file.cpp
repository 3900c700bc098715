// Replacing a file's contents durably.
#include "platform/durable_file.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <climits>
#include <cstdio>
#include <cstring>
#include <ctime>

namespace cindervane::platform {

namespace fs = std::filesystem;

namespace {

// The six characters mkstemp puts after a temporary file's name.
constexpr std::size_t kTemporaryTail = 6;
// More links in a row than this is a loop.
constexpr int kMostLinks = 40;

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

fs::path folderOf(const fs::path& path) {
    return path.has_parent_path() ? path.parent_path() : fs::path(".");
}

std::string temporaryPrefix(const fs::path& target) {
    return "." + target.filename().string() + ".";
}

// Makes the temporary file and holds a lock on it for as long as the save runs, so that a
// start clearing away dead saves' files never takes a live one.
int makeLockedTemporary(const fs::path& target, std::string& temporary) {
    for (int attempt = 0; attempt < 8; ++attempt) {
        temporary = (folderOf(target) / (temporaryPrefix(target) + "XXXXXX")).string();
        const int file = ::mkstemp(temporary.data());
        if (file < 0) return -1;
        struct stat held {};
        struct stat named {};
        // Between mkstemp and the lock a clearing start may have taken the file: try anew.
        if (::flock(file, LOCK_EX | LOCK_NB) == 0 && ::fstat(file, &held) == 0 &&
            ::lstat(temporary.c_str(), &named) == 0 && held.st_ino == named.st_ino &&
            held.st_dev == named.st_dev)
            return file;
        ::close(file);
    }
    errno = EBUSY;
    return -1;
}

}  // namespace

fs::path finalTarget(const fs::path& path) {
    fs::path current = path;
    for (int links = 0; links < kMostLinks; ++links) {
        struct stat info {};
        if (::lstat(current.c_str(), &info) != 0 || !S_ISLNK(info.st_mode)) return current;
        std::string target(PATH_MAX, '\0');
        const ssize_t length = ::readlink(current.c_str(), target.data(), target.size());
        if (length < 0) return current;
        target.resize(static_cast<std::size_t>(length));
        const fs::path next(target);
        current = next.is_absolute() ? next : folderOf(current) / next;
    }
    return current;
}

bool writeFileDurably(const fs::path& path, std::span<const std::uint8_t> bytes,
                      std::string& error) {
    const fs::path target = finalTarget(path);
    std::string temporary;
    const int file = makeLockedTemporary(target, temporary);
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
    if (written && ::rename(temporary.c_str(), target.c_str()) != 0) {
        error = failure("cannot replace the old file");
        written = false;
    }
    if (!written) ::unlink(temporary.c_str());
    // Closing releases the lock only once the temporary name is gone.
    if (::close(file) != 0 && written) {
        error = failure("cannot write");
        written = false;
    }
    if (!written) return false;
    // The rename itself lives in the folder: flush the folder too, so it survives a crash.
    const int directory = ::open(folderOf(target).c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (directory >= 0) {
        ::fsync(directory);
        ::close(directory);
    }
    return true;
}

int removeStaleTemporaries(const fs::path& path) {
    const fs::path target = finalTarget(path);
    const fs::path folder = folderOf(target);
    const std::string prefix = temporaryPrefix(target);
    DIR* listing = ::opendir(folder.c_str());
    if (!listing) return 0;
    int removed = 0;
    while (const dirent* entry = ::readdir(listing)) {
        const std::string name = entry->d_name;
        if (name.size() != prefix.size() + kTemporaryTail || name.compare(0, prefix.size(), prefix))
            continue;
        const fs::path candidate = folder / name;
        const int file =
            ::open(candidate.c_str(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
        if (file < 0) continue;
        struct stat held {};
        struct stat named {};
        // Only our own plain files, and only those no live save holds.
        if (::fstat(file, &held) == 0 && S_ISREG(held.st_mode) && held.st_uid == ::geteuid() &&
            ::flock(file, LOCK_EX | LOCK_NB) == 0 && ::lstat(candidate.c_str(), &named) == 0 &&
            named.st_ino == held.st_ino && named.st_dev == held.st_dev &&
            ::unlink(candidate.c_str()) == 0)
            ++removed;
        ::close(file);
    }
    ::closedir(listing);
    return removed;
}

bool moveAside(const fs::path& path, fs::path& movedTo, std::string& error) {
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    ::localtime_r(&now, &local);
    char stamp[32] = {};
    std::strftime(stamp, sizeof stamp, "%Y%m%d-%H%M%S", &local);
    const std::string base = path.filename().string() + ".unreadable-" + stamp;
    for (int number = 1; number < 100; ++number) {
        const fs::path candidate =
            folderOf(path) / (number == 1 ? base : base + "-" + std::to_string(number));
        // Never over a file already there, as a plain rename would.
        if (::renameat2(AT_FDCWD, path.c_str(), AT_FDCWD, candidate.c_str(), RENAME_NOREPLACE) ==
            0) {
            movedTo = candidate;
            return true;
        }
        if (errno == EEXIST) continue;
        // File systems without that kind of rename: a new link, then the old name goes.
        if (errno == EINVAL && ::link(path.c_str(), candidate.c_str()) == 0) {
            ::unlink(path.c_str());
            movedTo = candidate;
            return true;
        }
        if (errno == EEXIST) continue;
        error = failure(("cannot move it aside to " + candidate.string()).c_str());
        return false;
    }
    error = "cannot move it aside: too many earlier copies";
    return false;
}

}  // namespace cindervane::platform
