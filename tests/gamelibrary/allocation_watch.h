// Watches the sizes the program asks the heap for, so tests can show that a hostile file
// is refused before anything large is allocated. The whole test program's operator new goes
// through the watch.
#pragma once

#include <cstddef>

namespace cindervane {

class AllocationWatch {
  public:
    AllocationWatch();
    ~AllocationWatch();
    // The largest single request since the watch began.
    std::size_t largest() const;
};

}  // namespace cindervane
