// One running copy a user: the lock, the raise request and the suspend request.
#include "platform/instance_lock.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <chrono>
#include <condition_variable>
#include <fstream>
#include <mutex>
#include <vector>

#include "../test_folder.h"

namespace cindervane::platform {
namespace {

class RequestLog {
  public:
    void add(OutsideRequest request) {
        std::lock_guard lock(mutex_);
        requests_.push_back(request);
        changed_.notify_all();
    }
    std::vector<OutsideRequest> waitFor(std::size_t count) {
        std::unique_lock lock(mutex_);
        changed_.wait_for(lock, std::chrono::seconds(5), [&] { return requests_.size() >= count; });
        return requests_;
    }

  private:
    std::mutex mutex_;
    std::condition_variable changed_;
    std::vector<OutsideRequest> requests_;
};

TEST(InstanceLock, SecondCopyIsRefusedAndItsRequestsReachTheFirst) {
    TestFolder folder;
    RequestLog log;
    std::string error;
    auto first = InstanceLock::acquire(
        folder.path(), "game", [&](OutsideRequest r) { log.add(r); }, error);
    ASSERT_NE(first, nullptr) << error;

    auto second = InstanceLock::acquire(folder.path(), "game", nullptr, error);
    EXPECT_EQ(second, nullptr);
    EXPECT_TRUE(error.empty()) << "another running copy is not an error: " << error;

    EXPECT_TRUE(InstanceLock::sendRequest(folder.path(), "game", OutsideRequest::Raise));
    EXPECT_TRUE(InstanceLock::sendRequest(folder.path(), "game", OutsideRequest::Suspend));
    const auto requests = log.waitFor(2);
    ASSERT_EQ(requests.size(), 2u);
    EXPECT_EQ(requests[0], OutsideRequest::Raise);
    EXPECT_EQ(requests[1], OutsideRequest::Suspend);
}

TEST(InstanceLock, IsFreeAgainOnceTheRunningCopyEndsAndNobodyAnswersMeanwhile) {
    TestFolder folder;
    std::string error;
    auto first = InstanceLock::acquire(folder.path(), "game", nullptr, error);
    ASSERT_NE(first, nullptr) << error;
    first.reset();
    EXPECT_FALSE(InstanceLock::sendRequest(folder.path(), "game", OutsideRequest::Raise));
    auto again = InstanceLock::acquire(folder.path(), "game", nullptr, error);
    EXPECT_NE(again, nullptr) << error;
}

TEST(InstanceLock, ALockThatIsALinkIsNeverFollowed) {
    TestFolder folder;
    const auto target = folder.path() / "elsewhere";
    std::filesystem::create_symlink(target, folder.path() / "game.lock");
    std::string error;
    EXPECT_EQ(InstanceLock::acquire(folder.path(), "game", nullptr, error), nullptr);
    EXPECT_NE(error.find("game.lock"), std::string::npos) << error;
    EXPECT_FALSE(std::filesystem::exists(target)) << "nothing was made through the link";
}

TEST(InstanceLock, ALockFileOfAnotherUserIsNotUsed) {
    if (::geteuid() != 0) GTEST_SKIP() << "only root can give a file to another user";
    TestFolder folder;
    const auto lock = folder.path() / "game.lock";
    std::ofstream(lock).put('x');
    ASSERT_EQ(::chown(lock.c_str(), 65534, 65534), 0);
    std::string error;
    EXPECT_EQ(InstanceLock::acquire(folder.path(), "game", nullptr, error), nullptr);
    EXPECT_NE(error.find("not a plain file of this user"), std::string::npos) << error;
}

TEST(InstanceLock, TwoFoldersAreTwoLocksAndOneFolderReachedTwoWaysIsOne) {
    TestFolder one;
    TestFolder two;
    std::string error;
    auto first = InstanceLock::acquire(one.path(), "game", nullptr, error);
    auto second = InstanceLock::acquire(two.path(), "game", nullptr, error);
    EXPECT_NE(first, nullptr);
    EXPECT_NE(second, nullptr);
    // The same data folder through a link is the same scores: refused, and it answers.
    std::filesystem::create_symlink(one.path(), two.path() / "link");
    EXPECT_EQ(InstanceLock::acquire(two.path() / "link", "game", nullptr, error), nullptr);
    EXPECT_TRUE(error.empty()) << error;
    EXPECT_TRUE(InstanceLock::sendRequest(two.path() / "link", "game", OutsideRequest::Raise));
}

}  // namespace
}  // namespace cindervane::platform
