#include "core/platform/auto_reset_event.h"

#include <atomic>
#include <thread>

#include "worker_test_support.h"

namespace {

TEST(AutoResetEvent, ASetWithoutWaiterIsKeptForExactlyOneWait) {
    core::CAutoResetEvent event;
    EXPECT_FALSE(event.Wait(0));
    event.Set();
    event.Set();  // does not count twice
    EXPECT_TRUE(event.Wait(0));
    EXPECT_FALSE(event.Wait(0));
    event.Set();
    EXPECT_TRUE(event.Wait(core::CAutoResetEvent::kInfinite));
    EXPECT_FALSE(event.Wait(1)) << "a timed wait on an unset event must time out";
}

TEST(AutoResetEvent, EachSetReleasesOneWaiter) {
    core::CAutoResetEvent event;
    std::atomic<int> released{0};
    std::thread first([&] {
        event.Wait();
        released.fetch_add(1);
    });
    std::thread second([&] {
        event.Wait();
        released.fetch_add(1);
    });

    event.Set();
    EXPECT_TRUE(Eventually([&] { return released.load() >= 1; }));
    std::this_thread::sleep_for(kSettle);
    EXPECT_EQ(released.load(), 1);

    event.Set();
    FinishesWithinDeadline(
        [&] {
            first.join();
            second.join();
        },
        "the second waiter");
    EXPECT_EQ(released.load(), 2);
    EXPECT_FALSE(event.Wait(0));
}

TEST(AutoResetEvent, WakeEndsOneWaitOrWakeWithoutSettingTheEvent) {
    using EWait = core::CAutoResetEvent::EWait;
    core::CAutoResetEvent event;
    EXPECT_EQ(event.WaitOrWake(0), EWait::TimedOut);
    EXPECT_EQ(event.WaitOrWake(1), EWait::TimedOut);
    event.Wake();
    EXPECT_FALSE(event.Wait(0)) << "a nudge must not pass a plain wait";
    EXPECT_EQ(event.WaitOrWake(), EWait::Woken);
    EXPECT_EQ(event.WaitOrWake(0), EWait::TimedOut);

    event.Wake();
    event.Set();
    EXPECT_EQ(event.WaitOrWake(0), EWait::Signalled) << "a command wins over a nudge";
    EXPECT_EQ(event.WaitOrWake(0), EWait::Woken) << "and the nudge is kept for the next wait";

    std::thread nudger([&] {
        std::this_thread::sleep_for(kSettle);
        event.Wake();
    });
    FinishesWithinDeadline([&] { EXPECT_NE(event.WaitOrWake(), EWait::TimedOut); }, "a nudge");
    nudger.join();
}

}  // namespace
