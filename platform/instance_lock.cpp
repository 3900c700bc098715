// One running copy a user.
#include "platform/instance_lock.h"

#include <fcntl.h>
#include <poll.h>
#include <sys/eventfd.h>
#include <sys/file.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

#include "platform/program_paths.h"

namespace cindervane::platform {

namespace fs = std::filesystem;

namespace {

constexpr const char* kRaiseWord = "raise\n";
constexpr const char* kSuspendWord = "suspend\n";

bool socketAddress(const fs::path& path, sockaddr_un& address) {
    std::memset(&address, 0, sizeof address);
    address.sun_family = AF_UNIX;
    const std::string text = path.string();
    if (text.size() >= sizeof address.sun_path) return false;
    std::memcpy(address.sun_path, text.c_str(), text.size() + 1);
    return true;
}

}  // namespace

fs::path InstanceLock::defaultFolder() {
    const fs::path runtime = runtimeDirectory();
    if (runtime != fs::path("/tmp")) return runtime / "cindervane";
    return runtime / ("cindervane-" + std::to_string(::getuid()));
}

std::unique_ptr<InstanceLock> InstanceLock::acquire(const fs::path& folder, const std::string& name,
                                                    RequestHandler handler, std::string& error) {
    std::error_code made;
    fs::create_directories(folder, made);
    ::chmod(folder.c_str(), 0700);

    const fs::path lockPath = folder / (name + ".lock");
    const int lockFd = ::open(lockPath.c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0600);
    if (lockFd < 0) {
        error = "cannot open " + lockPath.string() + ": " + std::strerror(errno);
        return nullptr;
    }
    if (::flock(lockFd, LOCK_EX | LOCK_NB) != 0) {
        ::close(lockFd);
        error.clear();  // another copy runs: not an error
        return nullptr;
    }

    const fs::path socketPath = folder / (name + ".sock");
    sockaddr_un address{};
    const int listenFd = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
    if (listenFd < 0 || !socketAddress(socketPath, address)) {
        error = "cannot make the socket " + socketPath.string();
        if (listenFd >= 0) ::close(listenFd);
        ::close(lockFd);
        return nullptr;
    }
    // The lock is ours, so a socket file left here is a dead copy's.
    ::unlink(socketPath.c_str());
    if (::bind(listenFd, reinterpret_cast<sockaddr*>(&address), sizeof address) != 0 ||
        ::listen(listenFd, 4) != 0) {
        error = "cannot listen on " + socketPath.string() + ": " + std::strerror(errno);
        ::close(listenFd);
        ::close(lockFd);
        return nullptr;
    }
    const int wakeFd = ::eventfd(0, EFD_CLOEXEC);
    return std::unique_ptr<InstanceLock>(
        new InstanceLock(lockFd, listenFd, wakeFd, socketPath, std::move(handler)));
}

InstanceLock::InstanceLock(int lockFd, int listenFd, int wakeFd, fs::path socketPath,
                           RequestHandler handler)
    : lockFd_(lockFd),
      listenFd_(listenFd),
      wakeFd_(wakeFd),
      socketPath_(std::move(socketPath)),
      handler_(std::move(handler)) {
    listener_ = std::thread([this] { listen(); });
}

InstanceLock::~InstanceLock() {
    const std::uint64_t one = 1;
    if (wakeFd_ >= 0) [[maybe_unused]]
        auto written = ::write(wakeFd_, &one, sizeof one);
    if (listener_.joinable()) listener_.join();
    ::unlink(socketPath_.c_str());
    ::close(listenFd_);
    if (wakeFd_ >= 0) ::close(wakeFd_);
    ::close(lockFd_);  // closing releases the lock
}

void InstanceLock::listen() {
    for (;;) {
        pollfd watched[2] = {{listenFd_, POLLIN, 0}, {wakeFd_, POLLIN, 0}};
        const int count = ::poll(watched, wakeFd_ >= 0 ? 2 : 1, -1);
        if (count < 0) {
            if (errno == EINTR) continue;
            return;
        }
        if (watched[1].revents) return;
        if (!(watched[0].revents & POLLIN)) continue;
        const int peer = ::accept4(listenFd_, nullptr, nullptr, SOCK_CLOEXEC);
        if (peer < 0) continue;
        // Requests are one short word; a peer that sends nothing in a second is dropped.
        pollfd reading{peer, POLLIN, 0};
        char word[16] = {};
        if (::poll(&reading, 1, 1000) == 1) {
            const ssize_t got = ::read(peer, word, sizeof word - 1);
            if (got > 0 && handler_) {
                if (std::strcmp(word, kRaiseWord) == 0) handler_(OutsideRequest::Raise);
                if (std::strcmp(word, kSuspendWord) == 0) handler_(OutsideRequest::Suspend);
            }
        }
        ::close(peer);
    }
}

bool InstanceLock::sendRequest(const fs::path& folder, const std::string& name,
                               OutsideRequest request) {
    sockaddr_un address{};
    if (!socketAddress(folder / (name + ".sock"), address)) return false;
    const int fd = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
    if (fd < 0) return false;
    bool sent = false;
    if (::connect(fd, reinterpret_cast<sockaddr*>(&address), sizeof address) == 0) {
        const char* word = request == OutsideRequest::Raise ? kRaiseWord : kSuspendWord;
        const std::size_t length = std::strlen(word);
        sent = ::write(fd, word, length) == static_cast<ssize_t>(length);
    }
    ::close(fd);
    return sent;
}

}  // namespace cindervane::platform
