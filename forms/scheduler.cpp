#include "forms/scheduler.h"

#include <algorithm>

#include "forms/controls.h"

namespace forms {

Scheduler::Scheduler(Clock clock, std::function<void()> changed)
    : clock_(std::move(clock)), changed_(std::move(changed)) {}

void Scheduler::enrol(Timer& timer) { timer.sequence_ = nextSequence_++; }

namespace {

std::int64_t periodOf(const Timer& timer) { return std::int64_t{timer.interval()} * 1000; }

// A 1 ms timer ticks as often as the program is woken for timers; which
// moment within its millisecond matters to nothing that runs on it.
std::int64_t toleranceOf(const Timer& timer) { return timer.interval() == 1 ? 500 : 0; }

// The first moment after `moment` on the grid of ticks through `due`.
std::int64_t gridAfter(std::int64_t due, std::int64_t period, std::int64_t moment) {
    return due > moment ? due : due + ((moment - due) / period + 1) * period;
}

}  // namespace

bool Scheduler::fallsDueBefore(const Timer* a, const Timer* b) {
    return a->due_ < b->due_ || (a->due_ == b->due_ && a->sequence_ < b->sequence_);
}

void Scheduler::insert(Timer& timer) {
    active_.insert(std::upper_bound(active_.begin(), active_.end(), &timer, fallsDueBefore),
                   &timer);
}

void Scheduler::erase(std::vector<Timer*>& list, Timer& timer) {
    list.erase(std::find(list.begin(), list.end(), &timer));
}

void Scheduler::start(Timer& timer) {
    timer.due_ = clock_() + periodOf(timer);
    if (!timer.scheduled_) {
        timer.scheduled_ = true;
        insert(timer);
    } else if (timer.resting_ && !timer.joined_) {
        erase(resting_, timer);
        timer.resting_ = false;
        insert(timer);
    } else {
        if (timer.resting_) --restingInBatch_;
        timer.resting_ = timer.joined_ = false;
        place(timer);
    }
    changed_();
}

void Scheduler::stop(Timer& timer) {
    if (!timer.scheduled_) return;
    if (timer.resting_ && !timer.joined_) {
        erase(resting_, timer);
    } else {
        if (timer.resting_) --restingInBatch_;
        erase(active_, timer);
    }
    timer.scheduled_ = timer.resting_ = timer.joined_ = false;
    changed_();
}

void Scheduler::place(Timer& timer) {
    // One step of an insertion sort: the timer moves past its neighbours,
    // later or earlier, until it stands between its due neighbours.
    auto at = std::find(active_.begin(), active_.end(), &timer);
    while (at + 1 != active_.end() && fallsDueBefore(*(at + 1), &timer)) {
        *at = *(at + 1);
        ++at;
    }
    while (at != active_.begin() && fallsDueBefore(&timer, *(at - 1))) {
        *at = *(at - 1);
        --at;
    }
    *at = &timer;
}

std::optional<std::int64_t> Scheduler::nextDue() const {
    if (active_.empty()) return std::nullopt;
    return active_.front()->due_;
}

std::optional<std::int64_t> Scheduler::nextWake() const {
    // Walks the ticks in due order while they fall within every earlier
    // one's tolerance; the last of them is when to wake.
    std::optional<std::int64_t> wake;
    std::int64_t latestAllowed = 0;
    for (const Timer* timer : active_) {
        if (wake && timer->due_ > latestAllowed) break;
        const std::int64_t allowed = timer->due_ + toleranceOf(*timer);
        latestAllowed = wake ? std::min(latestAllowed, allowed) : allowed;
        wake = timer->due_;
    }
    return wake;
}

void Scheduler::joinBatch(std::int64_t now) {
    if (resting_.empty()) return;
    // Ticks of the batch are due from its earliest on; should the batch be
    // late, the program was busy from then on, and a resting timer's ticks
    // since then wait in it as one, like any other late tick.
    const std::int64_t start = active_.empty() ? now : std::min(now, active_.front()->due_);
    auto joining = std::partition(resting_.begin(), resting_.end(),
                                  [now](const Timer* timer) { return timer->due_ > now; });
    for (auto it = joining; it != resting_.end(); ++it) {
        Timer& timer = **it;
        const std::int64_t period = periodOf(timer);
        // Its ticks before this one counted as delivered at their moments.
        const std::int64_t latest = timer.due_ + (now - timer.due_) / period * period;
        const std::int64_t sinceStart =
            timer.due_ >= start ? timer.due_ : gridAfter(timer.due_, period, start - 1);
        timer.due_ = std::min(latest, sinceStart);
        timer.joined_ = true;
        ++restingInBatch_;
        insert(timer);
    }
    resting_.erase(joining, resting_.end());
}

void Scheduler::runDue(const Fire& fire) {
    const std::int64_t now = clock_();
    joinBatch(now);
    // Each pass takes the earliest tick due; a delivered timer's next tick
    // lies after now, so every timer is delivered at most once per call.
    while (!active_.empty() && active_.front()->due_ <= now) {
        Timer& timer = *active_.front();
        const std::int64_t period = periodOf(timer);
        timer.due_ = gridAfter(timer.due_, period, now);
        if (timer.resting_) {
            // Still resting: its tick would change nothing.
            active_.erase(active_.begin());
            timer.joined_ = false;
            --restingInBatch_;
            resting_.push_back(&timer);
            continue;
        }
        place(timer);
        changed_();
        fire(timer);
    }
}

void Scheduler::rest(Timer& timer) {
    if (!timer.scheduled_ || timer.resting_) return;
    erase(active_, timer);
    timer.resting_ = true;
    resting_.push_back(&timer);
    changed_();
}

void Scheduler::wakeResting(const Concerned& concerned) {
    if (resting_.empty() && restingInBatch_ == 0) return;
    bool woke = false;
    for (Timer* timer : active_) {
        if (!timer->resting_ || !concerned(*timer)) continue;
        timer->resting_ = timer->joined_ = false;
        --restingInBatch_;
        woke = true;
    }
    // A resting timer's ticks due by now were delivered at their moments;
    // it goes on with the next.
    const std::int64_t now = clock_();
    auto waking = std::partition(resting_.begin(), resting_.end(),
                                 [&concerned](const Timer* timer) { return !concerned(*timer); });
    for (auto it = waking; it != resting_.end(); ++it) {
        Timer& timer = **it;
        timer.due_ = gridAfter(timer.due_, periodOf(timer), now);
        timer.resting_ = false;
        insert(timer);
        woke = true;
    }
    resting_.erase(waking, resting_.end());
    if (woke) changed_();
}

}  // namespace forms
