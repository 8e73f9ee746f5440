// Mouse and key input: which control an event goes to, capture from press to
// release, and the keys the runtime itself answers: Tab and Shift+Tab, Enter
// and Escape for the default and cancel buttons, Space for the focused
// button, Alt with a letter for access keys, and the key preview.
#include "forms/application.h"
#include "forms/pixels.h"

namespace forms {
namespace {

// Mouse positions are relative to the control that receives the event.
MouseEvent eventFor(const Control* target, Point p, int button, int shift) {
    const Point origin = target ? Point{target->left(), target->top()} : Point{};
    return {button, shift, p.x - origin.x, p.y - origin.y};
}

const MouseHandler& downHandler(Form& form, Control* target) {
    return target ? target->onMouseDown : form.onMouseDown;
}

}  // namespace

void Application::mousePress(Form& form, double x, double y, int button, int shift) {
    if (ended_ || !form.isLoaded()) return;
    HandlerScope scope(*this);
    const Point p = twipsAt(x, y);
    auto& capture = form.capture_;
    if (!capture.active) {
        if (!form.clientRect().contains(p)) return;
        capture = {true, form.controlAt(p), button, 0};
        if (form.view_) form.view_->captureMouse(true);
    }
    capture.buttonsDown |= button;
    dispatch(form, downHandler(form, capture.target), eventFor(capture.target, p, button, shift),
             {"MouseDown", capture.target});
}

void Application::mouseRelease(Form& form, double x, double y, int button, int shift) {
    if (ended_ || !form.isLoaded() || !form.capture_.active) return;
    HandlerScope scope(*this);
    const Point p = twipsAt(x, y);
    auto& capture = form.capture_;
    Control* target = capture.target;
    capture.buttonsDown &= ~button;
    const bool lastButtonUp = capture.buttonsDown == 0;
    const bool clickButton = button == capture.firstButton && button == LeftButton;
    if (lastButtonUp) {
        capture = {};
        if (form.view_) form.view_->captureMouse(false);
    }

    dispatch(form, target ? target->onMouseUp : form.onMouseUp, eventFor(target, p, button, shift),
             {"MouseUp", target});
    // A click needs the release over the same control, still visible.
    if (lastButtonUp && clickButton && form.isLoaded() && form.controlAt(p) == target &&
        form.clientRect().contains(p) && (target == nullptr || target->visible())) {
        dispatch(form, target ? target->onClick : form.onClick, {"Click", target});
    }
}

void Application::mouseMove(Form& form, double x, double y, int buttons, int shift) {
    if (ended_ || !form.isLoaded()) return;
    HandlerScope scope(*this);
    const Point p = twipsAt(x, y);
    Control* target = nullptr;
    if (form.capture_.active) {
        target = form.capture_.target;
    } else if (form.clientRect().contains(p)) {
        target = form.controlAt(p);
    } else {
        return;
    }
    dispatch(form, target ? target->onMouseMove : form.onMouseMove,
             eventFor(target, p, buttons, shift), {"MouseMove", target});
}

void Application::widgetMouseMove(Control& control, double x, double y, int buttons, int shift) {
    if (ended_ || !control.form().isLoaded()) return;
    HandlerScope scope(*this);
    dispatch(control.form(), control.onMouseMove, eventFor(&control, twipsAt(x, y), buttons, shift),
             {"MouseMove", &control});
}

void Application::buttonClick(CommandButton& button) {
    if (ended_ || !button.form().isLoaded() || !button.visible()) return;
    HandlerScope scope(*this);
    dispatch(button.form(), button.onClick, {"Click", &button});
}

bool Application::keyPress(Form& form, const KeyEvent& key) {
    if (ended_ || !form.isLoaded()) return false;
    HandlerScope scope(*this);

    if ((key.shift & AltKey) != 0) {
        form.showKeyboardCues();
        const char32_t letter =
            isLetterOrDigitKey(key.keyCode) ? static_cast<char32_t>(key.keyCode) : 0;
        for (const auto& control : form.controls()) {
            auto* button = dynamic_cast<CommandButton*>(control.get());
            if (letter != 0 && button && button->visible() && button->accessKey() == letter) {
                buttonClick(*button);
                return true;
            }
        }
        return false;
    }

    auto* focusedButton = dynamic_cast<CommandButton*>(form.focused());
    if (key.keyCode == kKeyEnter) {
        CommandButton* target = focusedButton ? focusedButton : form.defaultButton();
        if (target) {
            buttonClick(*target);
            return true;
        }
    } else if (key.keyCode == kKeyEscape) {
        if (CommandButton* cancel = form.cancelButton()) {
            buttonClick(*cancel);
            return true;
        }
    } else if (key.keyCode == kKeySpace && focusedButton) {
        buttonClick(*focusedButton);
        return true;
    }

    if (form.design().keyPreview && key.character != 0 && form.onKeyPress) {
        int keyAscii = static_cast<int>(key.character);
        dispatch(form, [&form, &keyAscii] { form.onKeyPress(keyAscii); }, {"KeyPress"});
        if (keyAscii == 0 || !form.isLoaded()) return true;
    }
    // Tab reaches the key preview first, as any key that makes a character.
    if (key.keyCode == kKeyTab && (key.shift & CtrlKey) == 0) {
        form.showKeyboardCues();
        if (Control* next = form.nextInTabOrder((key.shift & ShiftKey) != 0)) form.focus(*next);
        return true;
    }
    return false;
}

}  // namespace forms
