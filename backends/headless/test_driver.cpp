#include "backends/headless/test_driver.h"

#include <algorithm>
#include <stdexcept>

namespace forms::headless {
namespace {

// The point's pixels, which the core turns back into that twip.
double pixels(int twips) { return static_cast<double>(twips) / kTwipsPerPixel; }

}  // namespace

Form& TestDriver::form(std::string_view name) {
    Form* form = app_.find(name);
    if (form == nullptr) throw std::logic_error("window not loaded: " + std::string(name));
    return *form;
}

void TestDriver::advanceMicros(std::int64_t microseconds) {
    const std::int64_t target = backend_.monotonicMicros() + microseconds;
    while (!app_.ended()) {
        const auto due = app_.scheduler().nextDue();
        if (!due || *due > target) break;
        backend_.setNow(std::max(backend_.monotonicMicros(), *due));
        // Each tick at its exact moment, not at the alarm's: the alarm may
        // let 1 ms timers wait for company.
        app_.alarmRang();
    }
    // A handler may have moved the clock further (time that passed under a
    // message box); it never goes back.
    backend_.setNow(std::max(backend_.monotonicMicros(), target));
}

void TestDriver::press(std::string_view name, Point p, int button, int shift) {
    app_.mousePress(form(name), pixels(p.x), pixels(p.y), button, shift);
}

void TestDriver::release(std::string_view name, Point p, int button, int shift) {
    if (Form* f = app_.find(name)) app_.mouseRelease(*f, pixels(p.x), pixels(p.y), button, shift);
}

void TestDriver::move(std::string_view name, Point p, int buttons) {
    app_.mouseMove(form(name), pixels(p.x), pixels(p.y), buttons, NoShift);
}

void TestDriver::click(std::string_view name, Point p, int button) {
    press(name, p, button);
    release(name, p, button);
}

void TestDriver::clickAt(std::string_view name, std::string_view control) {
    click(name, form(name).control(control).bounds().centre());
}

void TestDriver::clickButton(std::string_view name, std::string_view button) {
    app_.buttonClick(form(name).get<CommandButton>(button));
}

void TestDriver::moveOverButton(std::string_view name, std::string_view button) {
    auto& widget = form(name).get<CommandButton>(button);
    const Point centre = widget.bounds().centre();
    app_.widgetMouseMove(widget, pixels(centre.x), pixels(centre.y), 0, NoShift);
}

void TestDriver::pressKey(std::string_view name, KeyEvent key) {
    Form& f = form(name);
    if (app_.keyPress(f, key) || !f.isLoaded()) return;
    auto* text = dynamic_cast<TextBox*>(f.focused());
    if (text == nullptr || text->locked()) return;
    std::string edited = text->text();
    if (key.keyCode == kKeyBackspace) {
        if (!edited.empty()) edited.pop_back();
    } else if (key.keyCode == kKeyEnter) {
        if (text->multiLine()) edited += "\r\n";
    } else if (key.character >= 32 && key.character < 127) {
        edited.push_back(static_cast<char>(key.character));
    }
    text->userEdited(edited);
}

void TestDriver::typeText(std::string_view name, std::string_view text) {
    for (const char c : text) {
        const int upper = (c >= 'a' && c <= 'z') ? c - 'a' + 'A' : c;
        pressKey(name, KeyEvent{upper, static_cast<char32_t>(c), NoShift});
    }
}

}  // namespace forms::headless
