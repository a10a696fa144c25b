// The one sleep that threads and signal handlers end: the idle menu's and the window thread's.
#include <gtest/gtest.h>
#include <unistd.h>

#include <chrono>
#include <csignal>
#include <thread>

#include "Time/Time.h"

namespace {

using Clock = std::chrono::steady_clock;
using std::chrono::milliseconds;

Time::Wakeup gFromHandler;

TEST(Wakeup, ANotifyBeforeTheFirstWaitIsNotLostAndCountsOnce) {
    Time::Wakeup wakeup;
    wakeup.Notify();
    wakeup.Notify();
    wakeup.Wait();  // at once
    const auto start = Clock::now();
    wakeup.Wait(-1, 50);
    EXPECT_GE(Clock::now() - start, milliseconds(50)) << "two notifies woke two waits";
}

TEST(Wakeup, EndsOnANotifyFromAnotherThreadOrASignalHandler) {
    Time::Wakeup wakeup;
    wakeup.Wait(-1, 0);  // makes the descriptor
    std::thread notifier([&wakeup] {
        std::this_thread::sleep_for(milliseconds(20));
        wakeup.Notify();
    });
    wakeup.Wait();
    notifier.join();

    gFromHandler.Wait(-1, 0);
    struct sigaction action {};
    action.sa_handler = [](int) { gFromHandler.Notify(); };
    struct sigaction before {};
    ASSERT_EQ(sigaction(SIGUSR1, &action, &before), 0);
    std::thread signaller([target = pthread_self()] {
        std::this_thread::sleep_for(milliseconds(20));
        pthread_kill(target, SIGUSR1);
    });
    gFromHandler.Wait();  // an interrupted poll goes on to the notify, not back to the caller early
    signaller.join();
    sigaction(SIGUSR1, &before, nullptr);
}

TEST(Wakeup, EndsWhenTheOtherDescriptorHasSomethingOrTheTimeIsUp) {
    Time::Wakeup wakeup;
    int pipeEnds[2] = {-1, -1};
    ASSERT_EQ(pipe(pipeEnds), 0);
    ASSERT_EQ(write(pipeEnds[1], "x", 1), 1);
    wakeup.Wait(pipeEnds[0], -1);  // readable already: at once

    char byte = 0;
    ASSERT_EQ(read(pipeEnds[0], &byte, 1), 1);
    const auto start = Clock::now();
    wakeup.Wait(pipeEnds[0], 30);
    EXPECT_GE(Clock::now() - start, milliseconds(30));
    close(pipeEnds[0]);
    close(pipeEnds[1]);
}

}  // namespace
