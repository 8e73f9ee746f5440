#pragma once

#include <QObject>

#include <cstdint>
#include <functional>

#ifdef __linux__
class QSocketNotifier;
#else
#include <QElapsedTimer>
#include <QTimer>
#endif

namespace forms::qt {

// Wakes the event loop at a moment of a steady clock, in microseconds. Qt's
// timers count whole milliseconds from the moment they are started, so a
// tick armed with one comes up to a millisecond late; on Linux the alarm is
// a timerfd set to the exact moment, which the event loop watches.
class PreciseAlarm : public QObject {
    Q_OBJECT
public:
    explicit PreciseAlarm(std::function<void()> ring);
    ~PreciseAlarm() override;
    PreciseAlarm(const PreciseAlarm&) = delete;
    PreciseAlarm& operator=(const PreciseAlarm&) = delete;

    // Microseconds since the alarm was made.
    [[nodiscard]] std::int64_t now() const;
    // Rings once at that moment, or at once if it has passed; replaces the
    // moment set before.
    void ringAt(std::int64_t micros);
    void cancel();

private:
    std::function<void()> ring_;
#ifdef __linux__
    void ringing();
    std::int64_t origin_ = 0;  // CLOCK_MONOTONIC, microseconds
    std::int64_t armed_ = -1;  // the moment set, or -1
    int fd_ = -1;
    QSocketNotifier* notifier_ = nullptr;
#else
    QElapsedTimer clock_;
    QTimer timer_;
#endif
};

}  // namespace forms::qt
