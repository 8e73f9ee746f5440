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
// How near a moment must be for the wait to go at 1 ms steps: two of the
// system's usual 15.6 ms steps, so that a coarse wait that overshoots by
// one step still ends before the moment.
constexpr std::int64_t kNearMicros = 32'000;
constexpr std::int64_t kLongestWait = std::numeric_limits<DWORD>::max() - 1;

// Raises the system's timer resolution to 1 ms, or lowers it again, once
// per change of `fine`.
void setFine(bool& fine, bool wanted) {
    if (wanted == fine) return;
    fine = wanted;
    if (wanted) {
        timeBeginPeriod(1);
    } else {
        timeEndPeriod(1);
    }
}

// Wine's own functions are in its ntdll; Windows has none of them.
bool underWine() {
    HMODULE ntdll = GetModuleHandleW(L"ntdll.dll");
    return ntdll != nullptr && GetProcAddress(ntdll, "wine_get_version") != nullptr;
}

// The next timed wait towards a moment `remaining` microseconds away (kNever:
// none), and whether it needs the fine timer resolution.
struct Wait {
    DWORD millis = INFINITE;
    bool fine = false;
};
Wait nextWait(std::int64_t remaining, bool steppedWaits) {
    if (remaining == kNever) return {};
    if (!steppedWaits || remaining <= kNearMicros)
        return {static_cast<DWORD>(std::min((remaining + 999) / 1000, kLongestWait)), steppedWaits};
    // Far: in coarse steps to the near stretch before it.
    return {static_cast<DWORD>(std::min((remaining - kNearMicros) / 1000 + 1, kLongestWait)),
            false};
}

}  // namespace

PreciseAlarm::PreciseAlarm(std::function<void()> ring)
    : ring_(std::move(ring)), steppedWaits_(!underWine()), armed_(kNever) {
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
}

PreciseAlarm::~PreciseAlarm() {
    if (thread_ != nullptr) {
        stopping_.store(true);
        SetEvent(rearmed_);
        WaitForSingleObject(thread_, INFINITE);
        CloseHandle(thread_);
    }
    setFine(fine_, false);
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
    // The program's own loop reads the moment before each wait; only the
    // thread of a foreign loop must be told.
    if (armed_.exchange(micros) != micros && foreignLoops_.load() > 0) SetEvent(rearmed_);
}

void PreciseAlarm::cancel() {
    if (armed_.exchange(kNever) != kNever && foreignLoops_.load() > 0) SetEvent(rearmed_);
}

void PreciseAlarm::waitForMessages(const std::function<bool()>& stop) {
    for (;;) {
        const std::int64_t moment = armed_.load();
        const std::int64_t remaining = moment == kNever ? kNever : moment - now();
        if (remaining <= 0) {
            armed_.store(kNever);
            ring_();
            if (stop()) return;
            continue;
        }
        const Wait wait = nextWait(remaining, steppedWaits_);
        setFine(fine_, wait.fine);
        // Messages already in the queue, seen or not, end the wait at once.
        if (MsgWaitForMultipleObjectsEx(0, nullptr, wait.millis, QS_ALLINPUT,
                                        MWMO_INPUTAVAILABLE) != WAIT_TIMEOUT)
            return;
    }
}

void PreciseAlarm::enterForeignLoop() {
    foreignLoops_.fetch_add(1);
    if (thread_ == nullptr) {
        thread_ = CreateThread(nullptr, 0, &PreciseAlarm::sleeper, this, 0, nullptr);
        if (thread_ == nullptr) {
            foreignLoops_.fetch_sub(1);
            throw std::runtime_error("no thread for the timers");
        }
    } else {
        SetEvent(rearmed_);
    }
}

void PreciseAlarm::leaveForeignLoop() {
    int loops = foreignLoops_.load();
    // An end without its start (a system's message out of turn) changes nothing.
    while (loops > 0 && !foreignLoops_.compare_exchange_weak(loops, loops - 1)) {
    }
    if (loops == 1) SetEvent(rearmed_);
}

DWORD WINAPI PreciseAlarm::sleeper(LPVOID self) {
    static_cast<PreciseAlarm*>(self)->sleepUntilArmed();
    return 0;
}

void PreciseAlarm::sleepUntilArmed() {
    bool fine = false;
    while (!stopping_.load()) {
        // Outside foreign loops the program's own loop waits for the moment.
        const std::int64_t moment = foreignLoops_.load() > 0 ? armed_.load() : kNever;
        const std::int64_t remaining = moment == kNever ? kNever : moment - now();
        if (remaining <= 0) {
            // One message on its way at a time; then sleep until re-armed.
            if (!posted_.exchange(true)) PostMessageW(receiver_, kRing, 0, 0);
            setFine(fine, false);
            WaitForSingleObject(rearmed_, INFINITE);
            continue;
        }
        const Wait wait = nextWait(remaining, steppedWaits_);
        setFine(fine, wait.fine);
        WaitForSingleObject(rearmed_, wait.millis);
    }
    setFine(fine, false);
}

LRESULT CALLBACK PreciseAlarm::receive(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message != kRing) return DefWindowProcW(window, message, wParam, lParam);
    auto* alarm = reinterpret_cast<PreciseAlarm*>(GetWindowLongPtrW(window, GWLP_USERDATA));
    alarm->posted_.store(false);
    // The moment may have been moved or cancelled since the message left,
    // or rung by the program's own loop.
    const std::int64_t moment = alarm->armed_.load();
    if (alarm->now() < moment) {
        SetEvent(alarm->rearmed_);  // the sleeper waits for the new moment
        return 0;
    }
    alarm->armed_.store(kNever);
    alarm->ring_();
    return 0;
}

}  // namespace forms::win32
