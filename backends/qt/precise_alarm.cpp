#include "backends/qt/precise_alarm.h"

#ifdef __linux__
#include <QSocketNotifier>

#include <sys/timerfd.h>
#include <unistd.h>

#include <algorithm>
#include <ctime>
#include <stdexcept>
#endif

namespace forms::qt {

#ifdef __linux__

namespace {

std::int64_t monotonicMicros() {
    timespec now{};
    clock_gettime(CLOCK_MONOTONIC, &now);
    return std::int64_t{now.tv_sec} * 1'000'000 + now.tv_nsec / 1000;
}

}  // namespace

PreciseAlarm::PreciseAlarm(std::function<void()> ring)
    : ring_(std::move(ring)),
      origin_(monotonicMicros()),
      fd_(timerfd_create(CLOCK_MONOTONIC, TFD_NONBLOCK | TFD_CLOEXEC)) {
    if (fd_ < 0) throw std::runtime_error("no timerfd for the timers");
    notifier_ = new QSocketNotifier(fd_, QSocketNotifier::Read, this);
    connect(notifier_, &QSocketNotifier::activated, this, &PreciseAlarm::ringing);
}

PreciseAlarm::~PreciseAlarm() {
    delete notifier_;
    close(fd_);
}

std::int64_t PreciseAlarm::now() const { return monotonicMicros() - origin_; }

void PreciseAlarm::ringAt(std::int64_t micros) {
    if (micros == armed_) return;
    armed_ = micros;
    // A moment that has passed still rings: the earliest one the clock has.
    const std::int64_t at = std::max<std::int64_t>(origin_ + micros, 1);
    itimerspec when{};
    when.it_value.tv_sec = at / 1'000'000;
    when.it_value.tv_nsec = (at % 1'000'000) * 1000;
    timerfd_settime(fd_, TFD_TIMER_ABSTIME, &when, nullptr);
}

void PreciseAlarm::cancel() {
    if (armed_ < 0) return;
    armed_ = -1;
    const itimerspec off{};
    timerfd_settime(fd_, 0, &off, nullptr);
}

void PreciseAlarm::ringing() {
    std::uint64_t expirations = 0;
    // Nothing to read: the alarm was set anew after it rang.
    if (read(fd_, &expirations, sizeof expirations) < 0) return;
    armed_ = -1;
    ring_();
}

#else

PreciseAlarm::PreciseAlarm(std::function<void()> ring) : ring_(std::move(ring)) {
    clock_.start();
    timer_.setTimerType(Qt::PreciseTimer);
    timer_.setSingleShot(true);
    connect(&timer_, &QTimer::timeout, this, [this] { ring_(); });
}

PreciseAlarm::~PreciseAlarm() = default;

std::int64_t PreciseAlarm::now() const { return clock_.nsecsElapsed() / 1000; }

void PreciseAlarm::ringAt(std::int64_t micros) {
    const std::int64_t wait = micros - now();
    timer_.start(wait <= 0 ? 0 : static_cast<int>((wait + 999) / 1000));
}

void PreciseAlarm::cancel() { timer_.stop(); }

#endif

}  // namespace forms::qt
