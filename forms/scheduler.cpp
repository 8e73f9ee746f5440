#include "forms/scheduler.h"

#include <algorithm>

#include "forms/controls.h"

namespace forms {

Scheduler::Scheduler(Clock clock, std::function<void()> changed)
    : clock_(std::move(clock)), changed_(std::move(changed)) {}

void Scheduler::enrol(Timer& timer) { timer.sequence_ = nextSequence_++; }

void Scheduler::start(Timer& timer) {
    timer.due_ = clock_() + std::int64_t{timer.interval()} * 1000;
    if (!timer.scheduled_) {
        timer.scheduled_ = true;
        active_.push_back(&timer);
    }
    changed_();
}

void Scheduler::stop(Timer& timer) {
    if (!timer.scheduled_) return;
    timer.scheduled_ = false;
    active_.erase(std::remove(active_.begin(), active_.end(), &timer), active_.end());
    changed_();
}

std::optional<std::int64_t> Scheduler::nextDue() const {
    std::optional<std::int64_t> earliest;
    for (const Timer* timer : active_) {
        if (!earliest || timer->due_ < *earliest) earliest = timer->due_;
    }
    return earliest;
}

namespace {

// A 1 ms timer ticks as often as the program is woken for timers; which
// moment within its millisecond matters to nothing that runs on it.
std::int64_t toleranceOf(const Timer& timer) { return timer.interval() == 1 ? 500 : 0; }

}  // namespace

std::optional<std::int64_t> Scheduler::nextWake() const {
    std::optional<std::int64_t> latestAllowed;
    for (const Timer* timer : active_) {
        const std::int64_t allowed = timer->due_ + toleranceOf(*timer);
        if (!latestAllowed || allowed < *latestAllowed) latestAllowed = allowed;
    }
    std::optional<std::int64_t> wake;
    for (const Timer* timer : active_) {
        if (timer->due_ <= *latestAllowed && (!wake || timer->due_ > *wake)) wake = timer->due_;
    }
    return wake;
}

Timer* Scheduler::earliestDue(std::int64_t now) const {
    Timer* best = nullptr;
    for (Timer* timer : active_) {
        if (timer->due_ > now) continue;
        if (best == nullptr || timer->due_ < best->due_ ||
            (timer->due_ == best->due_ && timer->sequence_ < best->sequence_)) {
            best = timer;
        }
    }
    return best;
}

void Scheduler::runDue(const Fire& fire) {
    const std::int64_t now = clock_();
    // Each pass takes the earliest tick due; a delivered timer's next tick
    // lies after now, so every timer is delivered at most once per call.
    while (Timer* timer = earliestDue(now)) {
        const std::int64_t period = std::int64_t{timer->interval()} * 1000;
        const std::int64_t periodsLate = (now - timer->due_) / period;
        timer->due_ += (periodsLate + 1) * period;
        changed_();
        fire(*timer);
    }
}

}  // namespace forms
