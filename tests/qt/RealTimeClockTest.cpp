// The game's timers on wall time, also while a handler waits in the event
// loop of a modal box.
#include <gtest/gtest.h>
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QTimer>

#include "forms/Form.h"
#include "forms/Scheduler.h"
#include "qt/RealTimeClock.h"

namespace {

// Spins an event loop for `ms` of wall time, as a modal box does while it waits.
void waitInNestedLoop(int ms) {
    QEventLoop loop;
    QTimer::singleShot(ms, &loop, &QEventLoop::quit);
    loop.exec();
}

class Clocked : public forms::Form {
  public:
    Clocked()
        : forms::Form("clocked"),
          waiter(addTimer("waiter", 10, true)),
          ticker(addTimer("ticker", 20, true)) {}
    forms::Timer& waiter;
    forms::Timer& ticker;
};

TEST(RealTimeClock, TimersKeepFiringWhileAHandlerWaitsInANestedLoop) {
    const struct {
        const char* what;
        bool fromTimer;  // the wait starts in a timer's handler, else in a click's
    } cases[] = {{"a timer handler waits", true}, {"a click handler waits", false}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        forms::Scheduler scheduler;
        Clocked form;
        int ticks = 0, ticksWhileWaiting = -1;
        bool waiting = false;
        auto waitAndCount = [&] {
            waiting = true;
            const int before = ticks;
            waitInNestedLoop(300);
            ticksWhileWaiting = ticks - before;
            waiting = false;
        };
        form.ticker.onTimer = [&] { ++ticks; };
        // Waits once, and arms or disarms nothing that would wake the clock.
        form.waiter.onTimer = [&, waited = false]() mutable {
            if (waited || !c.fromTimer) return;
            waited = true;
            waitAndCount();
        };
        front::RealTimeClock clock(scheduler);
        form.load(scheduler);
        if (!c.fromTimer) waitAndCount();
        QElapsedTimer guard;
        guard.start();
        while (ticksWhileWaiting < 0 && guard.elapsed() < 5000)
            QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 50);
        EXPECT_FALSE(waiting);
        // 300 ms of waiting hold fifteen ticks of 20 ms; a loaded machine may drop some.
        EXPECT_GE(ticksWhileWaiting, 5);
        EXPECT_GE(scheduler.now(), 300);
    }
}

}  // namespace
