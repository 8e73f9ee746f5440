#pragma once

#include <windows.h>

#include <atomic>
#include <cstdint>
#include <functional>

namespace forms::win32 {

// Wakes the program's thread at a moment of a steady clock, in
// microseconds, and only then.
//
// The program's own message loop waits for its messages and the moment in
// one call (`waitForMessages`): the ring runs on its thread when the wait
// times out, with no other thread and no message. Under Wine every wake-up
// of a thread is a round trip to the Wine server, so one waiting thread
// costs about two context switches a ring, where a thread that sleeps and
// posts a message costs about seven.
//
// A loop that is not the program's own (a message box's, the system's while
// a window is moved or a menu is open) does not call it; while one runs
// (`ForeignLoop`), a thread of the alarm's own sleeps until the moment and
// posts one message to a hidden window of the program's thread, whose ring
// runs in that loop. The thread is made with the first such loop and waits
// for nothing outside them.
//
// Windows counts timed waits in steps of about 16 ms: a far moment is waited
// towards in those steps, and only the last stretch before it (a moment a
// few steps away) at the 1 ms resolution of timeBeginPeriod, so that the
// whole system's timer resolution is raised only while a ring is near.
// Wine counts every timed wait in milliseconds (its timeBeginPeriod does
// nothing), so there the wait goes straight to the moment, with no wake-up
// on the way.
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

    // For the program's own loop, with no message left in the queue: waits
    // until a message comes, ringing at the moment if it comes first, as
    // often as it comes first. Returns when the queue has a message, or
    // when `stop` holds after a ring.
    void waitForMessages(const std::function<bool()>& stop);

    // A message loop that is not the program's own runs for the scope of
    // one: a message box's, a moved window's, an open menu's. They nest.
    class ForeignLoop {
    public:
        explicit ForeignLoop(PreciseAlarm& alarm) : alarm_(alarm) { alarm_.enterForeignLoop(); }
        ~ForeignLoop() { alarm_.leaveForeignLoop(); }
        ForeignLoop(const ForeignLoop&) = delete;
        ForeignLoop& operator=(const ForeignLoop&) = delete;

    private:
        PreciseAlarm& alarm_;
    };
    // The same, for a loop whose start and end come as two messages.
    void enterForeignLoop();
    void leaveForeignLoop();

private:
    static DWORD WINAPI sleeper(LPVOID self);
    static LRESULT CALLBACK receive(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    // The sleeping thread: waits for the armed moment while a foreign loop
    // runs, posts the ring.
    void sleepUntilArmed();

    std::function<void()> ring_;
    LARGE_INTEGER frequency_{};
    LARGE_INTEGER origin_{};
    // Whether a timed wait counts the system's coarse steps unless the
    // timer resolution is raised (Windows), or milliseconds (Wine).
    bool steppedWaits_ = true;
    // Whether the program's thread holds the fine timer resolution.
    bool fine_ = false;
    HWND receiver_ = nullptr;
    HANDLE rearmed_ =
        nullptr;  // set when the moment moves, a foreign loop starts or ends, or to stop
    HANDLE thread_ = nullptr;
    std::atomic<std::int64_t> armed_;
    std::atomic<int> foreignLoops_{0};
    std::atomic<bool> posted_{false};
    std::atomic<bool> stopping_{false};
};

}  // namespace forms::win32
