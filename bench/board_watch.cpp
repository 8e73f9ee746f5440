#include "bench/board_watch.h"

namespace bench {

BoardWatch::BoardWatch(forms::Application& app, klonkatron::Form1& board)
    : app_(app),
      check_(board.get<forms::Timer>("Timer4")),
      popUp_{"Timer1", board.get<forms::Timer>("Timer1")},
      hide_{"Timer2", board.get<forms::Timer>("Timer2")} {
    wrap(popUp_);
    wrap(hide_);
    // The level check is where the pop-up timers change pace; a timer counts
    // afresh from the moment its interval changed. The wrappers wait for
    // the handlers they wrap, which may wait for a message box.
    check_.onTimer = [this, check = check_.onTimer]() -> forms::Task {
        const int popUpBefore = popUp_.timer.interval();
        const int hideBefore = hide_.timer.interval();
        const std::int64_t now = app_.scheduler().now();
        co_await check();
        if (popUp_.timer.interval() != popUpBefore) restart(popUp_, now);
        if (hide_.timer.interval() != hideBefore) restart(hide_, now);
        if (afterCheck) afterCheck();
    };
}

void BoardWatch::wrap(Ticks& ticks) {
    ticks.actual.reserve(1 << 16);
    ticks.timer.onTimer = [this, &ticks, handler = ticks.timer.onTimer]() -> forms::Task {
        ticks.actual.push_back(app_.scheduler().now());
        co_await handler();
        if (afterPopUpTick) afterPopUpTick();
    };
}

void BoardWatch::restart(Ticks& ticks, std::int64_t now) {
    ticks.epoch = now;
    ticks.actual.clear();
}

void BoardWatch::playStarted() {
    const std::int64_t now = app_.scheduler().now();
    restart(popUp_, now);
    restart(hide_, now);
}

void BoardWatch::write(std::ostream& out) const {
    for (const Ticks* ticks : {&popUp_, &hide_}) {
        for (const std::int64_t actual : ticks->actual) {
            out << ticks->name << ' ' << ticks->designed(actual) - ticks->epoch << ' '
                << actual - ticks->epoch << '\n';
        }
    }
}

}  // namespace bench
