// One running copy a user: the lock, the raise request and the suspend request.
#include "platform/instance_lock.h"

#include <gtest/gtest.h>

#include <chrono>
#include <condition_variable>
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

TEST(InstanceLock, IsFreeAgainOnceTheRunningCopyEnds) {
    TestFolder folder;
    std::string error;
    auto first = InstanceLock::acquire(folder.path(), "game", nullptr, error);
    ASSERT_NE(first, nullptr) << error;
    first.reset();
    EXPECT_FALSE(InstanceLock::sendRequest(folder.path(), "game", OutsideRequest::Raise));
    auto again = InstanceLock::acquire(folder.path(), "game", nullptr, error);
    EXPECT_NE(again, nullptr) << error;
}

TEST(InstanceLock, NoRunningCopyMeansNobodyAnswers) {
    TestFolder folder;
    EXPECT_FALSE(InstanceLock::sendRequest(folder.path(), "game", OutsideRequest::Suspend));
}

}  // namespace
}  // namespace cindervane::platform
