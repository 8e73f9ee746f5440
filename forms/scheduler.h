#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <vector>

namespace forms {

class Timer;

// One scheduler for all timers of all windows, on the runtime's clock.
//
// - A timer counts from the moment it was switched on or its interval
//   changed; its ticks fall due every interval after that, each one interval
//   after the last one due (so there is no drift).
// - A tick that is late by whole periods is delivered once, not in a burst.
// - Ticks due at the same moment run in the order the timers were created
//   (window by window in load order, and within a window in design order).
// - A backend that wakes for the ticks may let those of 1 ms timers wait up
//   to half a millisecond (nextWake), so that several of them share one
//   wake-up instead of each waking the program at its own phase; every other
//   tick is delivered when it falls due.
class Scheduler {
public:
    using Clock = std::function<std::int64_t()>;  // microseconds
    using Fire = std::function<void(Timer&)>;

    Scheduler(Clock clock, std::function<void()> changed);

    // Gives a timer its place in the tie-breaking order; called once, when
    // the timer is created.
    void enrol(Timer& timer);
    // Starts a timer's count afresh from now.
    void start(Timer& timer);
    void stop(Timer& timer);

    [[nodiscard]] std::optional<std::int64_t> nextDue() const;
    // When to wake next: the latest moment a tick falls due that keeps every
    // tick within its tolerance (half a millisecond for 1 ms timers, none
    // for any other).
    [[nodiscard]] std::optional<std::int64_t> nextWake() const;
    [[nodiscard]] std::int64_t now() const { return clock_(); }

    // Delivers every tick due by now, once per timer, earliest first.
    void runDue(const Fire& fire);

private:
    [[nodiscard]] static bool fallsDueBefore(const Timer* a, const Timer* b);
    // Puts a timer whose due time changed at its place in `active_`.
    void place(Timer& timer);

    Clock clock_;
    std::function<void()> changed_;
    // The counting timers in the order their ticks fall due: by due time,
    // ties by creation order. The next tick is always the first.
    std::vector<Timer*> active_;
    std::uint64_t nextSequence_ = 0;
};

}  // namespace forms
