#include "forms/control.h"

#include "forms/application.h"
#include "forms/form.h"

namespace forms {

Control::Control(Form& form, ControlKind kind, std::string name, int index, Rect bounds,
                 bool visible)
    : form_(form),
      kind_(kind),
      name_(std::move(name)),
      index_(index),
      bounds_(bounds),
      visible_(visible) {}

void Control::touched() const { form_.app().controlTouched(*this); }

void Control::setLeft(int left) {
    touched();
    if (left == bounds_.left) return;
    const Rect before = bounds_;
    bounds_.left = left;
    changed(before);
}

void Control::setVisible(bool visible) {
    touched();
    if (visible == visible_) return;
    visible_ = visible;
    changed();
}

bool Control::isWindowless() const {
    return kind_ == ControlKind::Label || kind_ == ControlKind::Image || kind_ == ControlKind::Line;
}

bool Control::takesMouse() const {
    return kind_ == ControlKind::Label || kind_ == ControlKind::Image;
}

void Control::changed(const Rect& before) { form_.controlChanged(*this, before); }

}  // namespace forms
