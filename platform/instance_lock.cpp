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
#include <cstddef>
#include <cstring>

namespace cindervane::platform {

namespace fs = std::filesystem;

namespace {

constexpr const char* kRaiseWord = "raise\n";
constexpr const char* kSuspendWord = "suspend\n";

// The socket has no file: its name lives in the kernel's abstract namespace and is made
// from the user and the lock file's identity, so it names one data folder however that
// folder is reached, leaves nothing behind when the copy dies, and cannot be a link.
socklen_t socketAddress(const struct stat& lock, sockaddr_un& address) {
    std::memset(&address, 0, sizeof address);
    address.sun_family = AF_UNIX;
    const std::string name = "cindervane-" + std::to_string(::geteuid()) + "-" +
                             std::to_string(lock.st_dev) + "-" + std::to_string(lock.st_ino);
    std::memcpy(address.sun_path + 1, name.data(), name.size());  // sun_path[0] stays 0
    return static_cast<socklen_t>(offsetof(sockaddr_un, sun_path) + 1 + name.size());
}

// Requests are taken only from, and sent only to, a process of the same user.
bool peerIsUs(int socket) {
    ucred peer{};
    socklen_t length = sizeof peer;
    return ::getsockopt(socket, SOL_SOCKET, SO_PEERCRED, &peer, &length) == 0 &&
           peer.uid == ::geteuid();
}

std::string lockPathOf(const fs::path& folder, const std::string& name) {
    return (folder / (name + ".lock")).string();
}

}  // namespace

std::unique_ptr<InstanceLock> InstanceLock::acquire(const fs::path& folder, const std::string& name,
                                                    RequestHandler handler, std::string& error) {
    std::error_code made;
    fs::create_directories(folder, made);

    // Never through a link, never a file someone else made for us to use.
    const std::string lockPath = lockPathOf(folder, name);
    const int lockFd =
        ::open(lockPath.c_str(), O_RDWR | O_CREAT | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC, 0600);
    if (lockFd < 0) {
        error = "cannot open " + lockPath + ": " + std::strerror(errno);
        return nullptr;
    }
    struct stat lock {};
    if (::fstat(lockFd, &lock) != 0 || !S_ISREG(lock.st_mode) || lock.st_uid != ::geteuid()) {
        error = lockPath + " is not a plain file of this user";
        ::close(lockFd);
        return nullptr;
    }
    if (::flock(lockFd, LOCK_EX | LOCK_NB) != 0) {
        ::close(lockFd);
        error.clear();  // another copy runs: not an error
        return nullptr;
    }

    sockaddr_un address{};
    const socklen_t addressLength = socketAddress(lock, address);
    const int listenFd = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
    if (listenFd < 0 ||
        ::bind(listenFd, reinterpret_cast<sockaddr*>(&address), addressLength) != 0 ||
        ::listen(listenFd, 4) != 0) {
        // The lock still guards the scores; only raising this copy from a second start is lost.
        error = std::string("cannot listen for a second start: ") + std::strerror(errno);
        if (listenFd >= 0) ::close(listenFd);
        return std::unique_ptr<InstanceLock>(new InstanceLock(lockFd, -1, -1, std::move(handler)));
    }
    const int wakeFd = ::eventfd(0, EFD_CLOEXEC);
    return std::unique_ptr<InstanceLock>(
        new InstanceLock(lockFd, listenFd, wakeFd, std::move(handler)));
}

InstanceLock::InstanceLock(int lockFd, int listenFd, int wakeFd, RequestHandler handler)
    : lockFd_(lockFd), listenFd_(listenFd), wakeFd_(wakeFd), handler_(std::move(handler)) {
    if (listenFd_ >= 0) listener_ = std::thread([this] { listen(); });
}

InstanceLock::~InstanceLock() {
    const std::uint64_t one = 1;
    if (wakeFd_ >= 0) [[maybe_unused]]
        auto written = ::write(wakeFd_, &one, sizeof one);
    if (listener_.joinable()) listener_.join();
    if (listenFd_ >= 0) ::close(listenFd_);
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
        if (!peerIsUs(peer)) {
            ::close(peer);
            continue;
        }
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
    struct stat lock {};
    if (::lstat(lockPathOf(folder, name).c_str(), &lock) != 0 || !S_ISREG(lock.st_mode))
        return false;
    sockaddr_un address{};
    const socklen_t addressLength = socketAddress(lock, address);
    const int fd = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
    if (fd < 0) return false;
    bool sent = false;
    if (::connect(fd, reinterpret_cast<sockaddr*>(&address), addressLength) == 0 && peerIsUs(fd)) {
        const char* word = request == OutsideRequest::Raise ? kRaiseWord : kSuspendWord;
        const std::size_t length = std::strlen(word);
        sent = ::write(fd, word, length) == static_cast<ssize_t>(length);
    }
    ::close(fd);
    return sent;
}

}  // namespace cindervane::platform
