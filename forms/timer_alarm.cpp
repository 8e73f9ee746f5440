#include "forms/timer_alarm.h"

namespace forms {

void TimerAlarm::rang(const std::function<void()>& runDue) {
    if (stopped_) return;
    {
        const Delivering batch(*this, true);
        runDue();
    }
    setAgain();
}

void TimerAlarm::stop() {
    if (stopped_) return;
    stopped_ = true;
    set_(std::nullopt);
}

void TimerAlarm::setAgain() {
    if (!stopped_) set_(scheduler_.nextWake());
}

}  // namespace forms
