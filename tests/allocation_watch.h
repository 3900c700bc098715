// Watching what the program asks the heap for: the operator new of every program that links
// this in goes through a counter, so tests can show that a frame allocates nothing and that
// a hostile file is refused before anything large is allocated.
#pragma once

#include <cstddef>

namespace cindervane {

// Requests made through operator new since the program started.
long long allocationCount();

// Notes the largest single request from its making to its end.
class AllocationWatch {
public:
    AllocationWatch();
    ~AllocationWatch();
    // The largest single request since the watch began.
    std::size_t largest() const;
};

}  // namespace cindervane
