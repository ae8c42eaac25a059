// Window timers through the application's loop.
#include "gui/Timer.h"

#include "GuiTestSupport.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <vector>

namespace vireltan {
namespace {

using testing::pumpFor;
using testing::pumpUntil;

TEST(Timer, TicksArriveThroughTheLoop) {
    TTimer timer(nullptr);
    timer.setInterval(20);
    int ticks = 0;
    timer.OnTimer = [&] { ++ticks; };
    EXPECT_TRUE(pumpUntil([&] { return ticks >= 3; }));
}

TEST(Timer, DisabledOrZeroIntervalTimerDoesNotTick) {
    struct Case {
        bool enabled;
        unsigned interval;
    };
    for (const Case& c : {Case{false, 20}, Case{true, 0}}) {
        TTimer timer(nullptr);
        timer.setInterval(c.interval);
        timer.setEnabled(c.enabled);
        int ticks = 0;
        timer.OnTimer = [&] { ++ticks; };
        pumpFor(120);
        EXPECT_EQ(ticks, 0) << "enabled " << c.enabled << ", interval " << c.interval;
    }
}

// Blocked for many periods, a timer still has only one tick waiting: ticks are not queued up.
TEST(Timer, AtMostOneTickIsPending) {
    TTimer timer(nullptr);
    timer.setInterval(40);
    int ticks = 0;
    timer.OnTimer = [&] { ++ticks; };
    Sleep(400);                       // ten periods
    Application().ProcessMessages();  // only what is due now, no waiting
    EXPECT_EQ(ticks, 1);
}

// Re-enabling starts a whole new period: the first tick comes an interval after the enabling, not
// at the old period's end.
TEST(Timer, EnablingRestartsThePeriod) {
    TTimer timer(nullptr);
    timer.setInterval(300);
    DWORD tickedAt = 0;
    timer.OnTimer = [&] {
        if (!tickedAt) tickedAt = GetTickCount();
    };
    pumpFor(200);  // two thirds of the first period gone
    ASSERT_EQ(tickedAt, 0u);
    timer.setEnabled(false);
    timer.setEnabled(true);
    const DWORD enabledAt = GetTickCount();
    ASSERT_TRUE(pumpUntil([&] { return tickedAt != 0; }));
    // Timer resolution may bring a tick a little early, never a whole third of the period.
    EXPECT_GE(tickedAt - enabledAt, 250u);
}

TEST(Timer, IntervalChangeRestartsThePeriod) {
    TTimer timer(nullptr);
    timer.setInterval(300);
    DWORD tickedAt = 0;
    timer.OnTimer = [&] {
        if (!tickedAt) tickedAt = GetTickCount();
    };
    pumpFor(200);
    timer.setInterval(250);
    const DWORD changedAt = GetTickCount();
    ASSERT_TRUE(pumpUntil([&] { return tickedAt != 0; }));
    EXPECT_GE(tickedAt - changedAt, 200u);
}

TEST(Timer, SettingEnabledAgainKeepsTheRunningPeriod) {
    TTimer timer(nullptr);
    timer.setInterval(400);
    DWORD tickedAt = 0;
    const DWORD startedAt = GetTickCount();
    timer.OnTimer = [&] {
        if (!tickedAt) tickedAt = GetTickCount();
    };
    pumpFor(250);
    timer.setEnabled(true);  // already enabled: no restart (which would tick at 650 ms or later)
    ASSERT_TRUE(pumpUntil([&] { return tickedAt != 0; }));
    EXPECT_LT(tickedAt - startedAt, 600u);
}

TEST(Timer, OwnerFreesItsTimerAndTheTicksStop) {
    auto* owner = new TComponent(nullptr);
    auto* timer = new TTimer(owner);
    timer->setInterval(10);
    int ticks = 0;
    timer->OnTimer = [&] { ++ticks; };
    ASSERT_TRUE(pumpUntil([&] { return ticks >= 1; }));
    delete owner;
    const int ticksAtFree = ticks;
    pumpFor(60);
    EXPECT_EQ(ticks, ticksAtFree);
}

// However many timers there are, they tick through one hidden window: each window of its own was a
// round of requests and messages at start-up.
TEST(Timer, AllTimersShareOneHiddenWindow) {
    const auto timerWindows = [] {
        int count = 0;
        for (HWND w = FindWindowExW(HWND_MESSAGE, nullptr, L"VireltanTimer", nullptr); w;
             w = FindWindowExW(HWND_MESSAGE, w, L"VireltanTimer", nullptr)) {
            // Other programs on the same Wine server show their message windows here too.
            DWORD process = 0;
            GetWindowThreadProcessId(w, &process);
            if (process == GetCurrentProcessId()) ++count;
        }
        return count;
    };
    struct Case {
        int timers;
        bool enabled;
    };
    for (const Case& c : {Case{1, true}, Case{3, false}, Case{6, true}}) {
        std::vector<std::unique_ptr<TTimer>> timers;
        std::vector<int> ticks(std::size_t(c.timers), 0);
        for (int i = 0; i < c.timers; ++i) {
            timers.push_back(std::make_unique<TTimer>(nullptr));
            timers.back()->setInterval(20);
            timers.back()->setEnabled(c.enabled);
            timers.back()->OnTimer = [&ticks, i] { ++ticks[std::size_t(i)]; };
        }
        EXPECT_LE(timerWindows(), 1) << c.timers << " timers";
        if (!c.enabled) continue;
        // Each timer still hears its own ticks, and only its own.
        ASSERT_TRUE(pumpUntil([&] { return std::ranges::all_of(ticks, [](int t) { return t >= 2; }); }))
            << c.timers << " timers";
    }
}

// A tick already due when its timer is stopped and started again belongs to the old run: the
// new run's first tick comes a whole period later.
TEST(Timer, ATickOfAStoppedRunIsDropped) {
    TTimer timer(nullptr);
    timer.setInterval(30);
    int ticks = 0;
    timer.OnTimer = [&] { ++ticks; };
    Sleep(60);  // a tick is due now
    timer.setEnabled(false);
    timer.setEnabled(true);
    Application().ProcessMessages();
    EXPECT_EQ(ticks, 0);
}

}  // namespace
}  // namespace vireltan
