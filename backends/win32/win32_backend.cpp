#include "backends/win32/win32_backend.h"

#include <utility>

#include "backends/win32/form_window.h"
#include "backends/win32/system_locale.h"
#include "backends/win32/system_message_box.h"
#include "forms/application.h"

namespace forms::win32 {
namespace {

// The virtual keys in the core's table (forms/events.h).
int keyCodeOf(WPARAM virtualKey) {
    switch (virtualKey) {
        case VK_RETURN:
            return kKeyEnter;
        case VK_ESCAPE:
            return kKeyEscape;
        case VK_BACK:
            return kKeyBackspace;
        case VK_TAB:
            return kKeyTab;
        case VK_SPACE:
            return kKeySpace;
        default:
            break;
    }
    // Windows numbers letters and digits as the table does.
    const int code = static_cast<int>(virtualKey);
    return isLetterOrDigitKey(code) ? code : 0;
}

// The character a key makes with the keyboard's present state, or 0.
char32_t characterOf(const MSG& message) {
    BYTE state[256] = {};
    if (!GetKeyboardState(state)) return 0;
    wchar_t out[4] = {};
    const UINT scanCode = (static_cast<UINT>(message.lParam) >> 16) & 0xFF;
    const int made = ToUnicode(static_cast<UINT>(message.wParam), scanCode, state, out, 4, 0);
    return made == 1 ? static_cast<char32_t>(out[0]) : 0;
}

int shiftState() {
    return (GetKeyState(VK_SHIFT) < 0 ? ShiftKey : 0) |
           (GetKeyState(VK_CONTROL) < 0 ? CtrlKey : 0) | (GetKeyState(VK_MENU) < 0 ? AltKey : 0);
}

}  // namespace

Win32Backend::Win32Backend()
    : alarm_([this] {
          app().alarmRang();
          paintCollected();
      }) {}

Win32Backend::~Win32Backend() = default;

Win32Backend::InProcedure::~InProcedure() {
    if (--backend_.depth_ == 0) {
        backend_.paintCollected();
        backend_.destroyRetired();
    }
}

int Win32Backend::run() {
    runUntil([] { return false; });
    destroyRetired();
    return 0;
}

void Win32Backend::runUntil(const std::function<bool()>& done) {
    const auto stop = [this, &done] { return ended_ || done(); };
    MSG message;
    while (!stop()) {
        // Every queued message, then one wait for the next message or tick;
        // a tick rings inside the wait, with no message of its own.
        while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
            if (message.message == WM_QUIT) {
                PostQuitMessage(static_cast<int>(message.wParam));
                return;
            }
            deliver(message);
            if (stop()) return;
        }
        paintCollected();
        alarm_.waitForMessages(stop);
    }
}

void Win32Backend::deliverPending() {
    paintCollected();
    MSG message;
    while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
        if (message.message == WM_QUIT) break;
        deliver(message);
    }
    paintCollected();
}

void Win32Backend::deliver(const MSG& message) {
    // Tab and Shift+Tab too: the core walks the controls.
    if (offerKey(message)) return;
    TranslateMessage(&message);
    DispatchMessageW(&message);
}

bool Win32Backend::offerKey(const MSG& message) {
    if (message.message != WM_KEYDOWN && message.message != WM_SYSKEYDOWN) return false;
    FormWindow* window = FormWindow::of(GetAncestor(message.hwnd, GA_ROOT));
    if (window == nullptr || window->form() == nullptr) return false;
    const KeyEvent key{keyCodeOf(message.wParam), characterOf(message), shiftState()};
    InProcedure counted(*this);
    return app().keyPress(*window->form(), key);
}

std::unique_ptr<FormView> Win32Backend::showForm(Form& form) { return makeFormView(*this, form); }

// The system's box is modal by nature: its own loop runs here until it is
// answered, ticks going on under it, and the answer is reported before
// returning.
void Win32Backend::showMessageBox(int id, const MessageBoxRequest& request) {
    InProcedure counted(*this);
    const PreciseAlarm::ForeignLoop foreign(alarm_);
    paintCollected();
    const MsgResult answer = forms::win32::showMessageBox(request);
    app().messageBoxAnswered(id, answer);
}

std::int64_t Win32Backend::monotonicMicros() { return alarm_.now(); }

DateTime Win32Backend::localNow() { return win32::localNow(); }

Locale Win32Backend::locale() { return userLocale(); }

void Win32Backend::setAlarm(std::optional<std::int64_t> micros) {
    if (micros) {
        alarm_.ringAt(*micros);
    } else {
        alarm_.cancel();
    }
}

void Win32Backend::programEnded() {
    ended_ = true;
    alarm_.cancel();
    PostQuitMessage(0);
}

void Win32Backend::retire(std::unique_ptr<FormWindow> window) {
    retired_.push_back(std::move(window));
    if (depth_ == 0) destroyRetired();
}

void Win32Backend::destroyRetired() { retired_.clear(); }

void Win32Backend::forgetPaint(FormWindow& window) { std::erase(toPaint_, &window); }

void Win32Backend::paintCollected() {
    for (FormWindow* window : std::exchange(toPaint_, {})) window->paintCollected();
}

}  // namespace forms::win32
