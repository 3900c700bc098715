// One running copy a user: a lock file held while the game runs, and a socket beside it
// through which a second start raises the running copy, and through which the outside
// request to suspend reaches it.
#pragma once

#include <atomic>
#include <filesystem>
#include <functional>
#include <memory>
#include <string>
#include <thread>

namespace cindervane::platform {

enum class OutsideRequest { Raise, Suspend };

class InstanceLock {
  public:
    using RequestHandler = std::function<void(OutsideRequest)>;

    // The folder the lock and the socket live in for this user.
    static std::filesystem::path defaultFolder();

    // Takes the lock named `name` in `folder` and listens for requests, which reach the
    // handler on the listener's own thread. Null when another copy holds the lock, or when
    // the folder cannot be used (then error says why and the caller runs unguarded).
    static std::unique_ptr<InstanceLock> acquire(const std::filesystem::path& folder,
                                                 const std::string& name, RequestHandler handler,
                                                 std::string& error);

    // Sends a request to the copy holding the lock; false when none answers.
    static bool sendRequest(const std::filesystem::path& folder, const std::string& name,
                            OutsideRequest request);

    ~InstanceLock();
    InstanceLock(const InstanceLock&) = delete;
    InstanceLock& operator=(const InstanceLock&) = delete;

  private:
    InstanceLock(int lockFd, int listenFd, int wakeFd, std::filesystem::path socketPath,
                 RequestHandler handler);
    void listen();

    int lockFd_;
    int listenFd_;
    int wakeFd_;
    std::filesystem::path socketPath_;
    RequestHandler handler_;
    std::thread listener_;
};

}  // namespace cindervane::platform
