#include "backends/win32/precise_alarm.h"

#include <mmsystem.h>

#include <limits>
#include <stdexcept>

namespace forms::win32 {
namespace {

constexpr std::int64_t kNever = std::numeric_limits<std::int64_t>::max();
constexpr UINT kRing = WM_APP + 1;
constexpr wchar_t kReceiverClass[] = L"KlonkatronAlarm";

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
    timeBeginPeriod(1);
    timer_ = timeSetEvent(1, 0, &PreciseAlarm::tick, reinterpret_cast<DWORD_PTR>(this),
                          TIME_PERIODIC | TIME_CALLBACK_FUNCTION | TIME_KILL_SYNCHRONOUS);
    if (timer_ == 0) throw std::runtime_error("no multimedia timer");
}

PreciseAlarm::~PreciseAlarm() {
    timeKillEvent(timer_);
    timeEndPeriod(1);
    DestroyWindow(receiver_);
}

std::int64_t PreciseAlarm::now() const {
    LARGE_INTEGER counter;
    QueryPerformanceCounter(&counter);
    const std::int64_t ticks = counter.QuadPart - origin_.QuadPart;
    const std::int64_t perSecond = frequency_.QuadPart;
    return ticks / perSecond * 1'000'000 + ticks % perSecond * 1'000'000 / perSecond;
}

void PreciseAlarm::ringAt(std::int64_t micros) { armed_.store(micros); }

void PreciseAlarm::cancel() { armed_.store(kNever); }

void CALLBACK PreciseAlarm::tick(UINT, UINT, DWORD_PTR self, DWORD_PTR, DWORD_PTR) {
    auto* alarm = reinterpret_cast<PreciseAlarm*>(self);
    // One message on its way at a time.
    if (alarm->now() >= alarm->armed_.load() && !alarm->posted_.exchange(true)) {
        PostMessageW(alarm->receiver_, kRing, 0, 0);
    }
}

LRESULT CALLBACK PreciseAlarm::receive(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message != kRing) return DefWindowProcW(window, message, wParam, lParam);
    auto* alarm = reinterpret_cast<PreciseAlarm*>(GetWindowLongPtrW(window, GWLP_USERDATA));
    alarm->posted_.store(false);
    // The moment may have been moved or cancelled since the message left.
    if (alarm->now() < alarm->armed_.load()) return 0;
    alarm->armed_.store(kNever);
    alarm->ring_();
    return 0;
}

}  // namespace forms::win32
