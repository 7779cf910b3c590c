// Turns Ctrl-C (SIGINT) and SIGTERM into a stop request that a long run honours between
// batches; a second signal ends the program at once.
#pragma once

#include <signal.h>

#include <atomic>
#include <thread>

namespace lott {

// Make it first thing in main: the signals are blocked in the calling thread and in every
// thread started after it (DDS's workers), and taken by a thread of our own with sigwait.
class StopSignal {
  public:
    StopSignal();
    ~StopSignal();
    StopSignal(const StopSignal&) = delete;
    StopSignal& operator=(const StopSignal&) = delete;

    bool Requested() const { return signal_.load() != 0; }
    // The signal that asked to stop, 0 while none has.
    int Signal() const { return signal_.load(); }

  private:
    void Wait();

    std::atomic<int> signal_{0};
    std::atomic<bool> closing_{false};
    sigset_t oldMask_{};
    std::thread waiter_;
};

}  // namespace lott
