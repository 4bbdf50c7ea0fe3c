#include "forms/Scheduler.h"

#include <algorithm>

#include "forms/Control.h"

namespace forms {

Scheduler::~Scheduler() {
    for (Timer* timer : timers_)
        timer->scheduler_ = nullptr;
}

void Scheduler::attach(Timer& timer) {
    if (timer.scheduler_) return;
    timer.scheduler_ = this;
    timer.order_ = created_++;
    timers_.push_back(&timer);
    timer.restart();
}

void Scheduler::detach(Timer& timer) {
    timers_.erase(std::remove(timers_.begin(), timers_.end(), &timer), timers_.end());
    timer.scheduler_ = nullptr;
}

void Scheduler::changed() {
    if (onChange_) onChange_();
}

Timer* Scheduler::nextReady(std::int64_t limit) const {
    Timer* best = nullptr;
    for (Timer* t : timers_) {
        if (t->due_ < 0 || t->running_ || t->due_ > limit) continue;
        if (!best || t->due_ < best->due_ || (t->due_ == best->due_ && t->order_ < best->order_))
            best = t;
    }
    return best;
}

std::optional<std::int64_t> Scheduler::nextDue() const {
    if (halted_) return std::nullopt;
    std::optional<std::int64_t> next;
    for (const Timer* t : timers_)
        if (t->due_ >= 0 && !t->running_ && (!next || t->due_ < *next)) next = t->due_;
    return next;
}

void Scheduler::advanceTo(std::int64_t time) {
    while (!halted_) {
        Timer* timer = nextReady(time);
        if (!timer) break;
        now_ = std::max(now_, timer->due_);
        const std::uint64_t phase = timer->phase_;
        const std::int64_t firedAt = timer->due_;
        timer->running_ = true;
        timer->guarded(timer->onTimer);
        timer->running_ = false;
        if (timer->phase_ == phase && timer->due_ >= 0) {
            // Same phase: the next tick, skipping those missed while the
            // handler was running.
            std::int64_t next = firedAt + timer->interval_;
            if (next <= now_) next += ((now_ - next) / timer->interval_ + 1) * timer->interval_;
            timer->due_ = next;
        }
        changed();
    }
    now_ = std::max(now_, time);
}

}  // namespace forms
