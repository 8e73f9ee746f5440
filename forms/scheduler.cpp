#include "forms/scheduler.h"

#include <algorithm>

#include "forms/controls.h"

namespace forms {

Scheduler::Scheduler(Clock clock, std::function<void()> changed)
    : clock_(std::move(clock)), changed_(std::move(changed)) {}

void Scheduler::enrol(Timer& timer) { timer.sequence_ = nextSequence_++; }

namespace {

// A 1 ms timer ticks as often as the program is woken for timers; which
// moment within its millisecond matters to nothing that runs on it.
std::int64_t toleranceOf(const Timer& timer) { return timer.interval() == 1 ? 500 : 0; }

}  // namespace

bool Scheduler::fallsDueBefore(const Timer* a, const Timer* b) {
    return a->due_ < b->due_ || (a->due_ == b->due_ && a->sequence_ < b->sequence_);
}

void Scheduler::start(Timer& timer) {
    timer.due_ = clock_() + std::int64_t{timer.interval()} * 1000;
    if (timer.scheduled_) {
        place(timer);
    } else {
        timer.scheduled_ = true;
        active_.insert(std::upper_bound(active_.begin(), active_.end(), &timer, fallsDueBefore),
                       &timer);
    }
    changed_();
}

void Scheduler::stop(Timer& timer) {
    if (!timer.scheduled_) return;
    timer.scheduled_ = false;
    active_.erase(std::find(active_.begin(), active_.end(), &timer));
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

void Scheduler::runDue(const Fire& fire) {
    const std::int64_t now = clock_();
    // Each pass takes the earliest tick due; a delivered timer's next tick
    // lies after now, so every timer is delivered at most once per call.
    while (!active_.empty() && active_.front()->due_ <= now) {
        Timer& timer = *active_.front();
        const std::int64_t period = std::int64_t{timer.interval()} * 1000;
        const std::int64_t periodsLate = (now - timer.due_) / period;
        timer.due_ += (periodsLate + 1) * period;
        place(timer);
        changed_();
        fire(timer);
    }
}

}  // namespace forms
