// One running copy for each high score file: a lock file in the data folder, held while the
// game runs, and a socket named after it through which a second start raises the running
// copy, and through which the outside request to suspend reaches it.
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

    // Takes the lock named `name` in the data folder `folder` and listens for requests, which
    // reach the handler on the listener's own thread. The lock file is never opened through
    // a symbolic link and must belong to this user. Null when another copy holds the lock
    // (error empty), or when the lock cannot be used (error says why and the caller runs
    // unguarded). A lock without a listener (error says why) still guards the scores.
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
    InstanceLock(int lockFd, int listenFd, int wakeFd, RequestHandler handler);
    void listen();

    int lockFd_;
    int listenFd_;
    int wakeFd_;
    RequestHandler handler_;
    std::thread listener_;
};

}  // namespace cindervane::platform
