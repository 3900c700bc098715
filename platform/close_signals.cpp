// Close signals read from a signal descriptor.
#include "platform/close_signals.h"

#include <sys/signalfd.h>
#include <unistd.h>

#include <cerrno>

namespace cindervane::platform {

namespace {

sigset_t closeSignalSet() {
    sigset_t set;
    sigemptyset(&set);
    sigaddset(&set, SIGHUP);
    sigaddset(&set, SIGINT);
    sigaddset(&set, SIGTERM);
    return set;
}

}  // namespace

CloseSignals::CloseSignals() {
    const sigset_t set = closeSignalSet();
    if (::pthread_sigmask(SIG_BLOCK, &set, &previousMask_) != 0) return;
    fd_ = ::signalfd(-1, &set, SFD_NONBLOCK | SFD_CLOEXEC);
}

CloseSignals::~CloseSignals() {
    if (fd_ >= 0) ::close(fd_);
    // A signal that came after the game had already closed stays pending and would act
    // once unblocked: it is taken here, the close it asked for has happened.
    const sigset_t set = closeSignalSet();
    timespec none{0, 0};
    while (::sigtimedwait(&set, nullptr, &none) > 0) {
    }
    ::pthread_sigmask(SIG_SETMASK, &previousMask_, nullptr);
}

int CloseSignals::arrived() {
    if (fd_ < 0) return 0;
    int count = 0;
    signalfd_siginfo info{};
    for (;;) {
        const ssize_t got = ::read(fd_, &info, sizeof info);
        if (got == static_cast<ssize_t>(sizeof info)) {
            ++count;
            lastSignal_ = static_cast<int>(info.ssi_signo);
            continue;
        }
        if (got < 0 && errno == EINTR) continue;
        return count;
    }
}

}  // namespace cindervane::platform
