#include "forms/form.h"

#include <algorithm>

#include "forms/application.h"

namespace forms {
namespace {

template <class... Fs>
struct Overloaded : Fs... {
    using Fs::operator()...;
};
template <class... Fs>
Overloaded(Fs...) -> Overloaded<Fs...>;

int tabIndexOf(const Control& control) {
    if (const auto* button = dynamic_cast<const CommandButton*>(&control))
        return button->tabIndex();
    if (const auto* text = dynamic_cast<const TextBox*>(&control)) return text->tabIndex();
    return -1;
}

}  // namespace

Form::Form(Application& app, const FormDesign& design)
    : app_(app),
      design_(design),
      picture_(Picture::load(design.picture)),
      icon_(Picture::load(design.icon)),
      smallIcon_(Picture::load(design.smallIcon)),
      mousePointer_(design.mousePointer),
      mouseIcon_(Picture::load(design.mouseIcon)) {
    controls_.reserve(design.controls.size());
    for (const ControlDesign& control : design.controls) {
        controls_.push_back(
            std::visit(Overloaded{
                           [this](const LabelDesign& d) -> std::unique_ptr<Control> {
                               return std::make_unique<Label>(*this, d);
                           },
                           [this](const ImageDesign& d) -> std::unique_ptr<Control> {
                               return std::make_unique<Image>(*this, d);
                           },
                           [this](const ButtonDesign& d) -> std::unique_ptr<Control> {
                               return std::make_unique<CommandButton>(*this, d);
                           },
                           [this](const TextBoxDesign& d) -> std::unique_ptr<Control> {
                               return std::make_unique<TextBox>(*this, d);
                           },
                           [this](const LineDesign& d) -> std::unique_ptr<Control> {
                               return std::make_unique<Line>(*this, d);
                           },
                           [this](const TimerDesign& d) -> std::unique_ptr<Control> {
                               return std::make_unique<Timer>(*this, d);
                           },
                       },
                       control));
    }
}

Form::~Form() = default;

Control& Form::control(std::string_view name, int index) const {
    for (const auto& control : controls_) {
        if (control->name() == name && control->index() == index) return *control;
    }
    throw std::logic_error("no control named " + std::string(name) + " on " + design_.name);
}

Control* Form::controlAt(Point p) const {
    if (!clientRect().contains(p)) return nullptr;
    for (const auto& control : controls_) {
        if (control->takesMouse() && control->visible() && control->bounds().contains(p)) {
            return control.get();
        }
    }
    return nullptr;
}

void Form::setMouseIcon(const Picture& picture) {
    if (picture == mouseIcon_) return;
    mouseIcon_ = picture;
    app_.stateChanged(*this, nullptr);
    if (view_) view_->pointerChanged();
}

void Form::setFocused(Control* control) {
    if (control == focused_) return;
    focused_ = control;
    app_.stateChanged(*this, nullptr);
}

std::vector<Control*> Form::tabOrder() const {
    std::vector<Control*> order;
    for (const auto& control : controls_) {
        if (tabIndexOf(*control) >= 0) order.push_back(control.get());
    }
    std::stable_sort(order.begin(), order.end(), [](const Control* a, const Control* b) {
        return tabIndexOf(*a) < tabIndexOf(*b);
    });
    return order;
}

Control* Form::firstInTabOrder() const {
    for (Control* control : tabOrder()) {
        if (control->visible()) return control;
    }
    return nullptr;
}

void Form::focus(Control& control) {
    setFocused(&control);
    if (view_) view_->focus(control);
}

Control* Form::nextInTabOrder(bool backwards) const {
    const std::vector<Control*> order = tabOrder();
    const auto count = static_cast<std::ptrdiff_t>(order.size());
    const auto at = std::find(order.begin(), order.end(), focused_) - order.begin();
    // From no focus, forwards starts at the first and backwards at the last.
    const std::ptrdiff_t start = at < count ? at : (backwards ? count : -1);
    for (std::ptrdiff_t step = 1; step <= count; ++step) {
        const std::ptrdiff_t i = ((start + (backwards ? -step : step)) % count + count) % count;
        if (order[static_cast<size_t>(i)]->visible()) return order[static_cast<size_t>(i)];
    }
    return nullptr;
}

void Form::showKeyboardCues() {
    if (keyboardCues_) return;
    keyboardCues_ = true;
    // The focused button's face changes.
    if (view_ && dynamic_cast<CommandButton*>(focused_)) view_->widgetChanged(*focused_);
}

const std::string& Form::toolTipAt(Point twips) const {
    static const std::string none;
    const Control* control = controlAt(twips);
    if (const auto* label = dynamic_cast<const Label*>(control)) return label->toolTip();
    if (const auto* image = dynamic_cast<const Image*>(control)) return image->toolTip();
    return none;
}

CommandButton* Form::defaultButton() const {
    for (const auto& control : controls_) {
        if (auto* button = dynamic_cast<CommandButton*>(control.get());
            button && button->isDefault()) {
            return button;
        }
    }
    return nullptr;
}

CommandButton* Form::cancelButton() const {
    for (const auto& control : controls_) {
        if (auto* button = dynamic_cast<CommandButton*>(control.get());
            button && button->isCancel()) {
            return button;
        }
    }
    return nullptr;
}

void Form::controlChanged(Control& control, const Rect& before) {
    app_.stateChanged(*this, &control);
    if (!view_) return;
    if (control.isWindowless()) {
        view_->repaint(before);
        if (!(before == control.bounds())) view_->repaint(control.bounds());
    } else {
        view_->widgetChanged(control);
    }
}

void Form::timerChanged(Timer& timer) { app_.timerChanged(timer); }

}  // namespace forms
