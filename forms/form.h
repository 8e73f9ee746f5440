#pragma once

#include <memory>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

#include "forms/controls.h"
#include "forms/events.h"
#include "forms/form_design.h"
#include "forms/form_view.h"

namespace forms {

class Application;

// A window: its design properties, its controls front to back, and the
// handlers of its own events. A form object lives from its load to its
// unload; the next use creates a new one with the design state.
class Form {
public:
    Form(Application& app, const FormDesign& design);
    virtual ~Form();
    Form(const Form&) = delete;
    Form& operator=(const Form&) = delete;

    [[nodiscard]] Application& app() const { return app_; }
    [[nodiscard]] const FormDesign& design() const { return design_; }
    [[nodiscard]] const std::string& name() const { return design_.name; }
    [[nodiscard]] Rect clientRect() const {
        return {0, 0, design_.clientWidth, design_.clientHeight};
    }

    // All controls, front to back as designed.
    [[nodiscard]] const std::vector<std::unique_ptr<Control>>& controls() const {
        return controls_;
    }
    // The control of that name (and index, inside a control array); a name
    // the design does not hold is a programming error.
    [[nodiscard]] Control& control(std::string_view name, int index = -1) const;
    template <class T>
    [[nodiscard]] T& get(std::string_view name, int index = -1) const {
        auto* typed = dynamic_cast<T*>(&control(name, index));
        if (typed == nullptr)
            throw std::logic_error("control of another type: " + std::string(name));
        return *typed;
    }

    // The front-most visible label or image whose rectangle holds the point,
    // or nullptr over bare background or outside the client area.
    [[nodiscard]] Control* controlAt(Point twips) const;
    // The tooltip to show at a point of the client area: that of the label
    // or image in front there; empty for none.
    [[nodiscard]] const std::string& toolTipAt(Point twips) const;

    [[nodiscard]] const Picture& picture() const { return picture_; }
    [[nodiscard]] const Picture& icon() const { return icon_; }
    [[nodiscard]] const Picture& smallIcon() const { return smallIcon_; }
    [[nodiscard]] MousePointer mousePointer() const { return mousePointer_; }
    [[nodiscard]] const Picture& mouseIcon() const { return mouseIcon_; }
    void setMouseIcon(const Picture& picture);

    [[nodiscard]] bool isLoaded() const { return loaded_; }
    [[nodiscard]] bool isShown() const { return view_ != nullptr; }

    // The control with the keyboard focus, as the backend reports it.
    [[nodiscard]] Control* focused() const { return focused_; }
    void setFocused(Control* control);
    // Moves the keyboard focus to a button or text box, in the window too.
    void focus(Control& control);
    // Where Tab (Shift+Tab: `backwards`) takes the focus from the focused
    // control: the next visible one in the tab order, round again after the
    // last; nullptr when none is visible.
    [[nodiscard]] Control* nextInTabOrder(bool backwards) const;
    // Whether the keyboard has moved around the window (Tab, or a key with
    // Alt) since it opened: only then does a button show that it has the
    // focus.
    [[nodiscard]] bool showsKeyboardCues() const { return keyboardCues_; }
    void showKeyboardCues();
    // The buttons and text boxes by tab index, those of one index in design
    // order: the order the Tab key walks, hidden ones included.
    [[nodiscard]] std::vector<Control*> tabOrder() const;
    // The control that has the focus when the window opens: the first
    // visible one in the tab order.
    [[nodiscard]] Control* firstInTabOrder() const;

    [[nodiscard]] CommandButton* defaultButton() const;
    [[nodiscard]] CommandButton* cancelButton() const;

    // Handlers of the window's own events.
    Handler onLoad;
    Handler onClick;
    MouseHandler onMouseDown;
    MouseHandler onMouseUp;
    MouseHandler onMouseMove;
    KeyPressHandler onKeyPress;

    // Called by controls when something visible changed.
    void controlChanged(Control& control, const Rect& before);
    void timerChanged(Timer& timer);

private:
    friend class Application;

    Application& app_;
    const FormDesign& design_;
    std::vector<std::unique_ptr<Control>> controls_;
    Picture picture_;
    Picture icon_;
    Picture smallIcon_;
    MousePointer mousePointer_;
    Picture mouseIcon_;
    std::unique_ptr<FormView> view_;
    Control* focused_ = nullptr;
    bool keyboardCues_ = false;
    bool loaded_ = false;

    // Mouse capture, from the first press to the last release.
    struct Capture {
        bool active = false;
        Control* target = nullptr;  // nullptr: the window itself
        int firstButton = 0;
        int buttonsDown = 0;
    } capture_;
};

}  // namespace forms
