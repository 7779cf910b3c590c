#include "StopSignal.h"

#include <pthread.h>
#include <unistd.h>

#include <cstdlib>
#include <cstring>

namespace lott {

namespace {
sigset_t StopSignals() {
    sigset_t s;
    sigemptyset(&s);
    sigaddset(&s, SIGINT);
    sigaddset(&s, SIGTERM);
    return s;
}

void Say(const char* text) {
    // Only write(2): the other threads may hold the locks of stdio.
    ssize_t r = ::write(STDERR_FILENO, text, std::strlen(text));
    (void)r;
}
}  // namespace

StopSignal::StopSignal() {
    sigset_t s = StopSignals();
    pthread_sigmask(SIG_BLOCK, &s, &oldMask_);
    waiter_ = std::thread([this] { Wait(); });
}

StopSignal::~StopSignal() {
    closing_ = true;
    pthread_kill(waiter_.native_handle(), SIGTERM);
    waiter_.join();
    pthread_sigmask(SIG_SETMASK, &oldMask_, nullptr);
}

void StopSignal::Wait() {
    sigset_t s = StopSignals();
    for (;;) {
        int sig = 0;
        if (sigwait(&s, &sig) != 0) continue;
        if (closing_) return;
        if (signal_.load() != 0) {
            Say("\nmakelibrary: stopped at once; the last checkpoint is kept, --resume continues "
                "from there\n");
            std::_Exit(128 + sig);
        }
        signal_ = sig;
        Say("\nmakelibrary: stopping after the current batch (signal again to stop at once)\n");
    }
}

}  // namespace lott
