#pragma once

#include <cstdint>
#include <functional>
#include <ostream>
#include <vector>

#include "forms/application.h"
#include "game/form1.h"

namespace bench {

// Watches the board's timers from the outside by wrapping their handlers:
// counts the level checks (Timer4) and records when every tick of Timer1 and
// Timer2 came against when it was designed to come, on the runtime's clock.
class BoardWatch {
public:
    BoardWatch(forms::Application& app, klonkatron::Form1& board);

    // Play starts now: both pop-up timers count from this moment.
    void playStarted();
    // Runs after every level check.
    std::function<void()> afterCheck;

    // One line per tick since the timer's count last started: its name, when
    // it was designed to come and when it came, in microseconds from that
    // start ("Timer1 3000000 3000412").
    void write(std::ostream& out) const;

private:
    struct Ticks {
        const char* name;
        forms::Timer& timer;
        std::int64_t epoch = 0;  // when its count last started
        std::int64_t designed(std::size_t n) const {
            return epoch + static_cast<std::int64_t>(n) * timer.interval() * 1000;
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
