#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <utility>

#include "forms/scheduler.h"

namespace forms {

// Keeps a backend's one alarm set to the moment the timers next need the
// program. It is set again once after a whole batch of ticks (not once per
// tick), whenever a timer changes outside a batch, and when a modal loop
// opens inside a batch, so that ticks go on under a message box.
class TimerAlarm {
public:
    using Set = std::function<void(std::optional<std::int64_t>)>;

    TimerAlarm(const Scheduler& scheduler, Set set) : scheduler_(scheduler), set_(std::move(set)) {}

    // A timer started, stopped or changed its interval.
    void timersChanged() {
        if (!delivering_) setAgain();
    }
    // The alarm rang: `runDue` delivers the ticks due now.
    void rang(const std::function<void()>& runDue);
    // Runs a modal loop with the alarm set, and returns what it returns.
    template <class Modal>
    auto whileModal(Modal modal) -> decltype(modal()) {
        const Delivering outside(*this, false);
        setAgain();
        return modal();
    }
    // The program ended: the alarm goes off and stays off.
    void stop();

private:
    // Sets the delivering state for a scope, and restores it however the
    // scope is left.
    class Delivering {
    public:
        Delivering(TimerAlarm& alarm, bool value)
            : alarm_(alarm), before_(std::exchange(alarm.delivering_, value)) {}
        ~Delivering() { alarm_.delivering_ = before_; }
        Delivering(const Delivering&) = delete;
        Delivering& operator=(const Delivering&) = delete;

    private:
        TimerAlarm& alarm_;
        bool before_;
    };

    void setAgain();

    const Scheduler& scheduler_;
    Set set_;
    bool delivering_ = false;
    bool stopped_ = false;
};

}  // namespace forms
