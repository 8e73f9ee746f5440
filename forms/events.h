#pragma once

#include <functional>
#include <string_view>
#include <type_traits>
#include <utility>

#include "forms/task.h"

namespace forms {

// Mouse buttons and shift states carry the classic bit values.
enum MouseButton : int { LeftButton = 1, RightButton = 2, MiddleButton = 4 };
enum ShiftState : int { NoShift = 0, ShiftKey = 1, CtrlKey = 2, AltKey = 4 };

// What a mouse event carries: the button, the shift state, and the position
// in twips relative to the control that receives it (or to the window's
// client area for the window's own events). The game ignores all of it.
struct MouseEvent {
    int button = LeftButton;
    int shift = NoShift;
    int x = 0;
    int y = 0;
};

// The key codes every backend maps its keys to, in the classic numbering:
// the keys the runtime and the text boxes act on. A letter's code is its
// upper-case character, a digit's its character; any other key is 0.
inline constexpr int kKeyBackspace = 8;
inline constexpr int kKeyTab = 9;  // Shift+Tab is this with ShiftKey
inline constexpr int kKeyEnter = 13;
inline constexpr int kKeyEscape = 27;
inline constexpr int kKeySpace = 32;

constexpr bool isLetterOrDigitKey(int keyCode) {
    return (keyCode >= 'A' && keyCode <= 'Z') || (keyCode >= '0' && keyCode <= '9');
}

// A key press as a backend reports it: `keyCode` from the table above;
// `character` is the character the key produces, or 0 for a key that
// produces none.
struct KeyEvent {
    int keyCode = 0;
    char32_t character = 0;
    int shift = NoShift;
};

class Control;

// Which handler runs: an event ("Click") of a control, or of the window
// itself; named in the line a run-time error leaves.
struct HandlerName {
    std::string_view event;
    const Control* control = nullptr;
};

// An event handler: a plain function, or a coroutine returning Task when it
// waits for a message box.
class Handler {
public:
    Handler() = default;
    template <class F>
    requires std::is_invocable_v<F&> Handler(
        F handler) {  // NOLINT(google-explicit-constructor): assigned as a lambda
        if constexpr (std::is_same_v<std::invoke_result_t<F&>, Task>) {
            run_ = std::move(handler);
        } else {
            run_ = [handler = std::move(handler)]() mutable -> Task {
                handler();
                return {};
            };
        }
    }
    explicit operator bool() const { return static_cast<bool>(run_); }
    // A plain handler has run when this returns; a waiting one has not
    // started yet.
    Task operator()() const { return run_(); }

private:
    std::function<Task()> run_;
};
using MouseHandler = std::function<void(const MouseEvent&)>;
// A key-press handler may set the character to 0 to swallow the key.
using KeyPressHandler = std::function<void(int& keyAscii)>;

}  // namespace forms
