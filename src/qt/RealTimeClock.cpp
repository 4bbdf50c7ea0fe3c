#include "qt/RealTimeClock.h"

#include <algorithm>

namespace front {

RealTimeClock::RealTimeClock(forms::Scheduler& scheduler) : scheduler_(scheduler) {
    elapsed_.start();
    wakeUp_.setSingleShot(true);
    wakeUp_.setTimerType(Qt::PreciseTimer);
    connect(&wakeUp_, &QTimer::timeout, this, [this] { tick(); });
    scheduler_.setOnChange([this] { arm(); });
    arm();
}

RealTimeClock::~RealTimeClock() {
    scheduler_.setOnChange(nullptr);
}

void RealTimeClock::tick() {
    // Should a handler wait in a modal box, the box's event loop comes back
    // here at once and the other timers go on from there.
    wakeUp_.start(0);
    scheduler_.advanceTo(std::max<std::int64_t>(scheduler_.now(), elapsed_.elapsed()));
    arm();
}

void RealTimeClock::arm() {
    const auto due = scheduler_.nextDue();
    if (!due) {
        wakeUp_.stop();
        return;
    }
    const auto wait = std::max<std::int64_t>(0, *due - elapsed_.elapsed());
    wakeUp_.start(static_cast<int>(std::min<std::int64_t>(wait, 24 * 3600 * 1000)));
}

}  // namespace front
