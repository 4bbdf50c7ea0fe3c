// Runs the game's clock on wall time: one single-shot Qt timer is kept armed
// for the next instant a game timer is due, and moves the clock to the time
// elapsed since the start when it fires. It keeps going in the event loop of
// a modal box a handler waits in.
#pragma once

#include <QElapsedTimer>
#include <QObject>
#include <QTimer>

#include "forms/Scheduler.h"

namespace front {

class RealTimeClock : public QObject {
  public:
    explicit RealTimeClock(forms::Scheduler& scheduler);
    ~RealTimeClock() override;
    RealTimeClock(const RealTimeClock&) = delete;
    RealTimeClock& operator=(const RealTimeClock&) = delete;

  private:
    void tick();
    void arm();

    forms::Scheduler& scheduler_;
    QElapsedTimer elapsed_;
    QTimer wakeUp_;
};

}  // namespace front
