// The clock every timer of the game runs on. Time is virtual, in milliseconds:
// tests and the scenario runner advance it explicitly, the Qt front end
// advances it to the elapsed wall time. The same code decides, in both, which
// timer fires when.
//
// Rules:
// - a timer of interval I enabled at time t fires at t+I, t+2I, ... while it
//   stays enabled; disabling stops it, enabling it again restarts the phase;
// - timers due at the same instant fire in the order they were created;
// - a timer never fires while its own handler is still running (a handler
//   waiting in a modal message box lets the other timers go on); ticks it
//   misses meanwhile are dropped, its phase is kept.
#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <vector>

namespace forms {

class Timer;

class Scheduler {
  public:
    Scheduler() = default;
    Scheduler(const Scheduler&) = delete;
    Scheduler& operator=(const Scheduler&) = delete;
    ~Scheduler();

    std::int64_t now() const { return now_; }

    // Moves the clock forward to `time`, firing every timer that falls due on
    // the way, in time order. May be called from inside a timer handler (a
    // modal box waiting); the clock never goes back.
    void advanceTo(std::int64_t time);
    void advance(std::int64_t ms) { advanceTo(now_ + ms); }

    // The next instant a timer is due, if any timer is armed and not running.
    std::optional<std::int64_t> nextDue() const;

    // Called whenever a timer is armed or disarmed, so a real-time driver can
    // re-arm its own wake-up.
    void setOnChange(std::function<void()> hook) { onChange_ = std::move(hook); }

    // Stops all firing for good (the program has ended).
    void halt() { halted_ = true; }
    bool halted() const { return halted_; }

  private:
    friend class Timer;
    friend class Form;
    void attach(Timer& timer);
    void detach(Timer& timer);
    void changed();
    Timer* nextReady(std::int64_t limit) const;

    std::int64_t now_ = 0;
    std::uint64_t created_ = 0;
    bool halted_ = false;
    std::vector<Timer*> timers_;
    std::function<void()> onChange_;
};

}  // namespace forms
