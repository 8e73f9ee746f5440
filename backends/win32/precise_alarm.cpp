#include "backends/win32/precise_alarm.h"

#include <mmsystem.h>

#include <algorithm>
#include <limits>
#include <stdexcept>

namespace forms::win32 {
namespace {

constexpr std::int64_t kNever = std::numeric_limits<std::int64_t>::max();
constexpr UINT kRing = WM_APP + 1;
constexpr wchar_t kReceiverClass[] = L"KlonkatronAlarm";
// How near a moment must be for the sleep to go at 1 ms steps: two of the
// system's usual 15.6 ms steps, so that a coarse sleep that overshoots by
// one step still wakes before the moment.
constexpr std::int64_t kNearMicros = 32'000;

// Raises the system's timer resolution to 1 ms for as long as it lives.
class FineResolution {
public:
    void set(bool fine) {
        if (fine == fine_) return;
        fine_ = fine;
        if (fine) {
            timeBeginPeriod(1);
        } else {
            timeEndPeriod(1);
        }
    }
    ~FineResolution() { set(false); }

private:
    bool fine_ = false;
};

}  // namespace

PreciseAlarm::PreciseAlarm(std::function<void()> ring) : ring_(std::move(ring)), armed_(kNever) {
    QueryPerformanceFrequency(&frequency_);
    QueryPerformanceCounter(&origin_);
    WNDCLASSEXW cls{};
    cls.cbSize = sizeof cls;
    cls.lpfnWndProc = &PreciseAlarm::receive;
    cls.hInstance = GetModuleHandleW(nullptr);
    cls.lpszClassName = kReceiverClass;
    RegisterClassExW(&cls);  // fails harmlessly when already registered
    receiver_ = CreateWindowExW(0, kReceiverClass, L"", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr,
                                cls.hInstance, nullptr);
    if (receiver_ == nullptr) throw std::runtime_error("no window for the timers");
    SetWindowLongPtrW(receiver_, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
    rearmed_ = CreateEventW(nullptr, FALSE, FALSE, nullptr);
    if (rearmed_ == nullptr) throw std::runtime_error("no event for the timers");
    thread_ = CreateThread(nullptr, 0, &PreciseAlarm::sleeper, this, 0, nullptr);
    if (thread_ == nullptr) throw std::runtime_error("no thread for the timers");
}

PreciseAlarm::~PreciseAlarm() {
    stopping_.store(true);
    SetEvent(rearmed_);
    WaitForSingleObject(thread_, INFINITE);
    CloseHandle(thread_);
    CloseHandle(rearmed_);
    DestroyWindow(receiver_);
}

std::int64_t PreciseAlarm::now() const {
    LARGE_INTEGER counter;
    QueryPerformanceCounter(&counter);
    const std::int64_t ticks = counter.QuadPart - origin_.QuadPart;
    const std::int64_t perSecond = frequency_.QuadPart;
    return ticks / perSecond * 1'000'000 + ticks % perSecond * 1'000'000 / perSecond;
}

void PreciseAlarm::ringAt(std::int64_t micros) {
    if (armed_.exchange(micros) != micros) SetEvent(rearmed_);
}

void PreciseAlarm::cancel() {
    if (armed_.exchange(kNever) != kNever) SetEvent(rearmed_);
}

DWORD WINAPI PreciseAlarm::sleeper(LPVOID self) {
    static_cast<PreciseAlarm*>(self)->sleepUntilArmed();
    return 0;
}

void PreciseAlarm::sleepUntilArmed() {
    FineResolution resolution;
    while (!stopping_.load()) {
        const std::int64_t moment = armed_.load();
        const std::int64_t remaining = moment == kNever ? kNever : moment - now();
        if (remaining <= 0) {
            // One message on its way at a time; then sleep until re-armed.
            if (!posted_.exchange(true)) PostMessageW(receiver_, kRing, 0, 0);
            resolution.set(false);
            WaitForSingleObject(rearmed_, INFINITE);
            continue;
        }
        const bool soon = remaining <= kNearMicros;
        resolution.set(soon);
        DWORD sleep = INFINITE;
        if (soon) {
            sleep = static_cast<DWORD>((remaining + 999) / 1000);
        } else if (remaining != kNever) {
            sleep = static_cast<DWORD>(std::min<std::int64_t>(
                (remaining - kNearMicros) / 1000 + 1, std::numeric_limits<DWORD>::max() - 1));
        }
        WaitForSingleObject(rearmed_, sleep);
    }
}

LRESULT CALLBACK PreciseAlarm::receive(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message != kRing) return DefWindowProcW(window, message, wParam, lParam);
    auto* alarm = reinterpret_cast<PreciseAlarm*>(GetWindowLongPtrW(window, GWLP_USERDATA));
    alarm->posted_.store(false);
    // The moment may have been moved or cancelled since the message left.
    const std::int64_t moment = alarm->armed_.load();
    if (alarm->now() < moment) {
        SetEvent(alarm->rearmed_);  // the sleeper waits for a new moment
        return 0;
    }
    alarm->armed_.store(kNever);
    alarm->ring_();
    return 0;
}

}  // namespace forms::win32
