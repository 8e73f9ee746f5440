// The backend conformance suite on the Win32 backend, its windows real on
// a display under Wine: keys are posted to the control with the focus and
// delivered by the backend's own loop, the mouse comes as window messages,
// message boxes are answered through their buttons.
#include <windowsx.h>

#include "backends/win32/text.h"
#include "program/win32_program.h"
#include "tests/conformance/backend_conformance.h"

namespace klonkatron::testing::conformance {
namespace {

HWND windowOf(const forms::FormDesign& design) {
    return FindWindowW(L"KlonkatronForm", forms::win32::wide(design.caption).c_str());
}

WPARAM virtualKeyOf(int keyCode) {
    switch (keyCode) {
        case forms::kKeyTab:
            return VK_TAB;
        case forms::kKeyEnter:
            return VK_RETURN;
        case forms::kKeyEscape:
            return VK_ESCAPE;
        default:
            return static_cast<WPARAM>(keyCode);
    }
}

int commandOf(forms::MsgResult answer) {
    switch (answer) {
        case forms::MsgResult::Cancel:
            return IDCANCEL;
        case forms::MsgResult::Yes:
            return IDYES;
        case forms::MsgResult::No:
            return IDNO;
        case forms::MsgResult::Ok:
            break;
    }
    return IDOK;
}

// The box to answer, looked for by a thread timer that the box's own
// message loop runs.
struct PendingAnswer {
    forms::MessageBoxRequest expected;
    forms::MsgResult answer{};
    std::function<bool()> ready;
    UINT_PTR timer = 0;
};
PendingAnswer pending;

void CALLBACK lookForTheBox(HWND, UINT, UINT_PTR, DWORD) {
    HWND box = FindWindowW(L"#32770", forms::win32::wide(pending.expected.title).c_str());
    if (box == nullptr || !pending.ready()) return;
    KillTimer(nullptr, pending.timer);
    PostMessageW(box, WM_COMMAND, static_cast<WPARAM>(commandOf(pending.answer)), 0);
}

class Win32Harness : public Harness {
public:
    Win32Harness() { prepareWin32Process(); }

    forms::Backend& backend() override { return backend_; }
    void settle() override { backend_.deliverPending(); }
    void key(forms::Form& form, int keyCode, bool shift) override {
        HWND window = windowOf(form.design());
        HWND focus = GetFocus();
        HWND target = focus != nullptr && GetAncestor(focus, GA_ROOT) == window ? focus : window;
        // The shift state the backend reads, as the keyboard would set it.
        BYTE state[256] = {};
        GetKeyboardState(state);
        const BYTE before = state[VK_SHIFT];
        state[VK_SHIFT] = shift ? 0x80 : 0;
        SetKeyboardState(state);
        PostMessageW(target, WM_KEYDOWN, virtualKeyOf(keyCode), 1);
        backend_.deliverPending();
        state[VK_SHIFT] = before;
        SetKeyboardState(state);
    }
    void press(forms::Form& form, int x, int y) override {
        SendMessageW(windowOf(form.design()), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(x, y));
    }
    void release(forms::Form& form, int x, int y) override {
        SendMessageW(windowOf(form.design()), WM_LBUTTONUP, 0, MAKELPARAM(x, y));
    }
    std::optional<bool> capturing(forms::Form& form) override {
        return GetCapture() == windowOf(form.design());
    }
    bool windowShown(const forms::FormDesign& design) override {
        HWND window = windowOf(design);
        return window != nullptr && IsWindowVisible(window);
    }
    std::optional<PixelRect> focusedWidget(forms::Form& form) override {
        HWND window = windowOf(form.design());
        HWND focus = GetFocus();
        if (focus == nullptr || GetParent(focus) != window) return std::nullopt;
        RECT r{};
        GetWindowRect(focus, &r);
        MapWindowPoints(nullptr, window, reinterpret_cast<POINT*>(&r), 2);
        return PixelRect{r.left, r.top, r.right - r.left, r.bottom - r.top};
    }
    void focusByPlatform(forms::Form& form, forms::Control& control) override {
        SetFocus(childOf(form, control));
    }
    bool widgetShown(forms::Form& form, forms::Control& control) override {
        return IsWindowVisible(childOf(form, control)) != FALSE;
    }
    void answerMessageBox(forms::MessageBoxRequest expected, forms::MsgResult answer,
                          std::function<bool()> ready) override {
        pending = {std::move(expected), answer, std::move(ready), 0};
        pending.timer = SetTimer(nullptr, 0, 1, &lookForTheBox);
    }

    bool runUntil(const std::function<bool()>& done) override {
        const ULONGLONG deadline = GetTickCount64() + 10'000;
        backend_.runUntil([&] { return done() || GetTickCount64() >= deadline; });
        return done();
    }

private:
    // The child window at the centre of a control's place, shown or not.
    static HWND childOf(forms::Form& form, forms::Control& control) {
        const PixelRect r = forms::pixelRect(control.bounds());
        const POINT centre{r.left + r.width / 2, r.top + r.height / 2};
        return ChildWindowFromPointEx(windowOf(form.design()), centre, CWP_ALL);
    }

    forms::win32::Win32Backend backend_;
};

std::unique_ptr<Harness> makeWin32Harness() { return std::make_unique<Win32Harness>(); }

INSTANTIATE_TEST_SUITE_P(Win32, BackendConformance,
                         ::testing::Values(BackendUnderTest{"Win32", &makeWin32Harness}));

}  // namespace
}  // namespace klonkatron::testing::conformance
