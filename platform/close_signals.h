// The signals that ask a program to end (a closed terminal, Ctrl-C, a polite kill) become
// the game's own close request, so the game shuts down the normal way and its scores are
// saved. They are taken from a file descriptor the message loop reads, never in a signal
// handler, so nothing runs at an unsafe moment.
#pragma once

#include <signal.h>

namespace cindervane::platform {

class CloseSignals {
  public:
    // Blocks SIGHUP, SIGINT and SIGTERM in this thread and every thread it starts later,
    // and watches for them. Made before any other thread, by the platform.
    CloseSignals();
    // Puts the signal mask back as it was.
    ~CloseSignals();
    CloseSignals(const CloseSignals&) = delete;
    CloseSignals& operator=(const CloseSignals&) = delete;

    // The number of close signals that arrived since the last call (never blocks).
    int arrived();
    // The last signal that arrived, 0 when none has.
    int lastSignal() const { return lastSignal_; }

  private:
    int fd_ = -1;
    sigset_t previousMask_{};
    int lastSignal_ = 0;
};

}  // namespace cindervane::platform
