// Counting what the program asks the heap for: the operator new of the program that links
// this in (the play tests, the play frame benchmark) goes through a counter.
#pragma once

namespace cindervane {

// Requests made through operator new since the program started.
long long allocationCount();

}  // namespace cindervane
