#pragma once

#include <windows.h>

#include <atomic>
#include <cstdint>
#include <functional>

namespace forms::win32 {

// Wakes the program's thread at a moment of a steady clock, in
// microseconds. The window timers of Windows count in steps of about 10 ms;
// a multimedia timer ticks every millisecond on a thread of the system,
// which only looks whether the moment has come and then posts one message
// to a hidden window of the program's thread. The ring runs there, by
// whichever message loop runs: the program's, or a message box's.
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
    static void CALLBACK tick(UINT id, UINT message, DWORD_PTR self, DWORD_PTR, DWORD_PTR);
    static LRESULT CALLBACK receive(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

    std::function<void()> ring_;
    LARGE_INTEGER frequency_{};
    LARGE_INTEGER origin_{};
    HWND receiver_ = nullptr;
    UINT timer_ = 0;
    std::atomic<std::int64_t> armed_;
    std::atomic<bool> posted_{false};
};

}  // namespace forms::win32
