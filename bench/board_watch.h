#pragma once

#include <cstdint>
#include <functional>
#include <ostream>
#include <vector>

#include "forms/application.h"
#include "game/form1.h"

namespace bench {

// Watches the board's timers from the outside by wrapping their handlers:
// counts the level checks (Timer4) and records when each tick of Timer1 and
// Timer2 came against when it was designed to come, on the runtime's clock.
class BoardWatch {
public:
    BoardWatch(forms::Application& app, klonkatron::Form1& board);

    // Play starts now: both pop-up timers count from this moment.
    void playStarted();
    // Runs after every level check.
    std::function<void()> afterCheck;
    // Runs after every tick of Timer1 or Timer2.
    std::function<void()> afterPopUpTick;

    // One line per tick since the timer's count last started: its name, when
    // it was designed to come and when it came, in microseconds from that
    // start ("Timer1 3000000 3000412").
    void write(std::ostream& out) const;

private:
    struct Ticks {
        const char* name;
        forms::Timer& timer;
        std::int64_t epoch = 0;  // when its count last started
        // The moment of the grid a tick that came at `actual` was designed
        // for: the last one before it (a tick is never early, and is late by
        // less than its interval). Timer2 rests while no place is shown, so
        // ticks are not counted off one by one.
        std::int64_t designed(std::int64_t actual) const {
            const std::int64_t period = std::int64_t{timer.interval()} * 1000;
            return epoch + (actual - epoch) / period * period;
        }
        std::vector<std::int64_t> actual;
    };

    void wrap(Ticks& ticks);
    void restart(Ticks& ticks, std::int64_t now);

    forms::Application& app_;
    forms::Timer& check_;
    Ticks popUp_;
    Ticks hide_;
};

}  // namespace bench
