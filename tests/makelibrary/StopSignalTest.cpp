// Ctrl-C and SIGTERM become a stop request instead of ending the process mid-write.
#include <gtest/gtest.h>

#include <signal.h>
#include <unistd.h>

#include <chrono>
#include <thread>

#include "StopSignal.h"

namespace lott {
namespace {

bool WaitFor(const StopSignal& s) {
    // The signal is taken on another thread; give it a moment (this is no timing of speed).
    for (int i = 0; i < 500 && !s.Requested(); ++i)
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    return s.Requested();
}

TEST(StopSignal, TurnsSigtermAndSigintIntoAStopRequest) {
    for (int sig : {SIGTERM, SIGINT}) {
        StopSignal stop;
        EXPECT_FALSE(stop.Requested());
        EXPECT_EQ(stop.Signal(), 0);
        // To the whole process, as a shell or kill does; threads started now block it too.
        std::thread other([] { std::this_thread::sleep_for(std::chrono::milliseconds(20)); });
        ASSERT_EQ(::kill(::getpid(), sig), 0);
        other.join();
        ASSERT_TRUE(WaitFor(stop)) << "signal " << sig;
        EXPECT_EQ(stop.Signal(), sig);
    }
    // Once gone, the signals act as before: the mask is restored.
    sigset_t now;
    pthread_sigmask(SIG_SETMASK, nullptr, &now);
    EXPECT_FALSE(sigismember(&now, SIGINT));
    EXPECT_FALSE(sigismember(&now, SIGTERM));
}

}  // namespace
}  // namespace lott
