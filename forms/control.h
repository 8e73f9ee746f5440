#pragma once

#include <string>

#include "forms/events.h"
#include "forms/geometry.h"

namespace forms {

class Form;

enum class ControlKind { Label, Image, CommandButton, TextBox, Line, Timer };

// What every control has: a name (with an index inside a control array), the
// window it belongs to, a rectangle in twips and a Visible flag. Setters that
// assign the value a property already has change nothing.
class Control {
public:
    Control(Form& form, ControlKind kind, std::string name, int index, Rect bounds, bool visible);
    virtual ~Control() = default;
    Control(const Control&) = delete;
    Control& operator=(const Control&) = delete;

    [[nodiscard]] const std::string& name() const { return name_; }
    [[nodiscard]] int index() const { return index_; }
    [[nodiscard]] ControlKind kind() const { return kind_; }
    [[nodiscard]] Form& form() const { return form_; }

    [[nodiscard]] const Rect& bounds() const {
        touched();
        return bounds_;
    }
    [[nodiscard]] int left() const {
        touched();
        return bounds_.left;
    }
    [[nodiscard]] int top() const {
        touched();
        return bounds_.top;
    }
    [[nodiscard]] int width() const {
        touched();
        return bounds_.width;
    }
    [[nodiscard]] int height() const {
        touched();
        return bounds_.height;
    }
    void setLeft(int left);

    [[nodiscard]] bool visible() const {
        touched();
        return visible_;
    }
    void setVisible(bool visible);

    // Labels, images and lines are drawn by their window; buttons and text
    // boxes are widgets of their own, always in front of them.
    [[nodiscard]] bool isWindowless() const;
    // Labels and images take mouse events over their whole rectangle.
    [[nodiscard]] bool takesMouse() const;

    // Handlers bound by the window's logic.
    Handler onClick;
    MouseHandler onMouseDown;
    MouseHandler onMouseUp;
    MouseHandler onMouseMove;

protected:
    // Every read and every write of a property, one that changes nothing
    // included, is a touch: a resting timer wakes only for changes to the
    // controls its handler touched (Application::stateChanged).
    void touched() const;
    // Tells the window that something visible changed; `before` is where the
    // control was, so that both the old and the new place are repainted.
    void changed(const Rect& before);
    void changed() { changed(bounds_); }

private:
    Form& form_;
    ControlKind kind_;
    std::string name_;
    int index_;
    Rect bounds_;
    bool visible_;
};

}  // namespace forms
