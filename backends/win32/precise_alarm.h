#pragma once

#include <windows.h>

#include <atomic>
#include <cstdint>
#include <functional>

namespace forms::win32 {

// Wakes the program's thread at a moment of a steady clock, in
// microseconds, and only then. A thread of the alarm's own sleeps until the
// moment and posts one message to a hidden window of the program's thread;
// the ring runs there, by whichever message loop runs: the program's, or a
// message box's. Windows counts sleeps in steps of about 16 ms: a far moment
// is slept towards in those steps, and only the last stretch before it (a
// moment a few steps away) at the 1 ms resolution of timeBeginPeriod, so
// that the whole system's timer resolution is raised only while a ring is
// near, and an idle program sleeps.
class PreciseAlarm {
public:
    explicit PreciseAlarm(std::function<void()> ring);
    ~PreciseAlarm();
    PreciseAlarm(const PreciseAlarm&) = delete;
    PreciseAlarm& operator=(const PreciseAlarm&) = delete;

    // Microseconds since the alarm was made.
    [[nodiscard]] std::int64_t now() const;
    // Rings once at that moment, or soon if it has passed; replaces the
    // moment set before.
    void ringAt(std::int64_t micros);
    void cancel();

private:
    static DWORD WINAPI sleeper(LPVOID self);
    static LRESULT CALLBACK receive(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    // The sleeping thread: waits for the armed moment, posts the ring.
    void sleepUntilArmed();

    std::function<void()> ring_;
    LARGE_INTEGER frequency_{};
    LARGE_INTEGER origin_{};
    HWND receiver_ = nullptr;
    HANDLE rearmed_ = nullptr;  // set when the moment moves, or to stop
    HANDLE thread_ = nullptr;
    std::atomic<std::int64_t> armed_;
    std::atomic<bool> posted_{false};
    std::atomic<bool> stopping_{false};
};

}  // namespace forms::win32
