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
// - A resting timer (rest) is one whose ticks cannot change anything until
//   the state of the program changes (wakeResting): nothing wakes for its
//   ticks, each counts as delivered at its own moment, and a tick that falls
//   due within a batch of other ticks still joins that batch in its place,
//   so that it runs after all should an earlier tick of the batch change the
//   state. Application decides which timers rest.
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

    // The next tick that needs delivering; resting timers' ticks do not.
    [[nodiscard]] std::optional<std::int64_t> nextDue() const;
    // When to wake next: the latest moment a tick falls due that keeps every
    // tick within its tolerance (half a millisecond for 1 ms timers, none
    // for any other).
    [[nodiscard]] std::optional<std::int64_t> nextWake() const;
    [[nodiscard]] std::int64_t now() const { return clock_(); }

    // Delivers every tick due by now, once per timer, earliest first; the
    // ticks of timers still resting when their turn comes are passed over.
    void runDue(const Fire& fire);

    // The timer's tick just delivered changed nothing and would change
    // nothing again while the state stays as it is.
    void rest(Timer& timer);
    // The state changed: every resting timer for which `concerned` holds
    // counts again, from its next tick (one due in the running batch
    // included); the others go on resting.
    using Concerned = std::function<bool(const Timer&)>;
    void wakeResting(const Concerned& concerned);
    void wakeResting() {
        wakeResting([](const Timer&) { return true; });
    }

private:
    [[nodiscard]] static bool fallsDueBefore(const Timer* a, const Timer* b);
    // Puts a timer whose due time changed at its place in `active_`.
    void place(Timer& timer);
    void insert(Timer& timer);
    void erase(std::vector<Timer*>& list, Timer& timer);
    // Resting timers with a tick due by now join the batch starting.
    void joinBatch(std::int64_t now);

    Clock clock_;
    std::function<void()> changed_;
    // The counting timers that need their ticks delivered, in the order their
    // ticks fall due: by due time, ties by creation order. The next tick is
    // always the first. Resting timers are here only while a batch they
    // joined runs.
    std::vector<Timer*> active_;
    // The resting timers outside a batch, in no order.
    std::vector<Timer*> resting_;
    // Resting timers in `active_`, joined to a batch.
    int restingInBatch_ = 0;
    std::uint64_t nextSequence_ = 0;
};

}  // namespace forms
