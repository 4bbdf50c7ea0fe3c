// The virtual clock and the timers of the forms.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "forms/Form.h"
#include "forms/Scheduler.h"

namespace {

using forms::Scheduler;
using forms::Timer;

// A form with the timers a test asks for, each logging "name@time".
class TimerForm : public forms::Form {
  public:
    TimerForm(Scheduler& clock, std::vector<std::string>& log)
        : Form("test"), clock_(clock), log_(log) {}

    Timer& timer(const std::string& name, int interval, bool enabled) {
        Timer& t = addTimer(name, interval, enabled);
        t.onTimer = [this, &t] { log_.push_back(t.name() + "@" + std::to_string(clock_.now())); };
        return t;
    }

  private:
    Scheduler& clock_;
    std::vector<std::string>& log_;
};

struct SchedulerTest : ::testing::Test {
    Scheduler clock;
    std::vector<std::string> log;
    TimerForm form{clock, log};
    using Log = std::vector<std::string>;
};

TEST_F(SchedulerTest, TimersStartWhenTheFormExists) {
    form.timer("A", 500, true);
    clock.advance(700);  // the form does not exist yet: nothing runs
    form.load(clock);
    clock.advance(1000);
    EXPECT_EQ(log, (Log{"A@1200", "A@1700"}));
}

TEST_F(SchedulerTest, PhaseCountsFromEnablingAndRestartsOnReenabling) {
    Timer& a = form.timer("A", 1000, false);
    form.load(clock);
    clock.advance(300);
    a.enable();
    clock.advance(1500);  // 1300, then the next at 2300
    EXPECT_EQ(log, (Log{"A@1300"}));
    a.disable();
    clock.advance(100);
    a.enable();  // at 1900: a fresh phase
    a.enable();  // enabling an enabled timer changes nothing
    clock.advance(2000);
    EXPECT_EQ(log, (Log{"A@1300", "A@2900", "A@3900"}));
    a.setEnabled(false);
    clock.advance(5000);
    EXPECT_EQ(log.size(), 3u);
}

TEST_F(SchedulerTest, TimersDueTogetherFireInCreationOrder) {
    form.timer("B", 500, true);
    form.timer("A", 1000, true);
    form.timer("C", 250, true);
    form.load(clock);
    clock.advance(1000);
    EXPECT_EQ(log, (Log{"C@250", "B@500", "C@500", "C@750", "B@1000", "A@1000", "C@1000"}));
}

TEST_F(SchedulerTest, AHandlerWaitingInABoxLetsOtherTimersRunButNotItself) {
    Timer& waiting = form.timer("W", 1000, true);
    form.timer("T", 300, true);
    waiting.onTimer = [&] {
        log.push_back("W@" + std::to_string(clock.now()));
        // A modal box held open for 2.5 seconds of clock time.
        if (clock.now() == 1000) clock.advance(2500);
        log.push_back("W done@" + std::to_string(clock.now()));
    };
    form.load(clock);
    clock.advance(4100);
    EXPECT_EQ(log, (Log{"T@300", "T@600", "T@900", "W@1000", "T@1200", "T@1500", "T@1800", "T@2100",
                        "T@2400", "T@2700", "T@3000", "T@3300", "W done@3500", "T@3600", "T@3900",
                        "W@4000", "W done@4000"}));
}

TEST_F(SchedulerTest, AHandlerMayDisableOrRestartTimers) {
    Timer& once = form.timer("once", 3000, true);
    Timer& other = form.timer("other", 1000, false);
    once.onTimer = [&] {
        log.push_back("once@" + std::to_string(clock.now()));
        once.disable();
        other.enable();
    };
    form.load(clock);
    EXPECT_EQ(clock.nextDue(), 3000);
    clock.advance(5000);
    EXPECT_EQ(log, (Log{"once@3000", "other@4000", "other@5000"}));
    EXPECT_EQ(clock.nextDue(), 6000);
    EXPECT_EQ(clock.now(), 5000);
}

TEST_F(SchedulerTest, ZeroIntervalNeverFiresAndAHaltedClockFiresNothing) {
    form.timer("zero", 0, true);
    form.timer("A", 100, true);
    form.load(clock);
    clock.advance(250);
    clock.halt();
    clock.advance(1000);
    EXPECT_EQ(log, (Log{"A@100", "A@200"}));
    EXPECT_FALSE(clock.nextDue().has_value());
}

}  // namespace
