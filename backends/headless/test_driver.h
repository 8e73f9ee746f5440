#pragma once

#include <string>
#include <string_view>

#include "backends/headless/headless_backend.h"
#include "forms/application.h"

namespace forms::headless {

// A test's or simulation's hands on a program on the headless backend:
// synthetic input, and a clock that moves only when told. The program
// itself never uses it.
class TestDriver {
public:
    TestDriver(HeadlessBackend& backend, Application& app) : backend_(backend), app_(app) {}

    [[nodiscard]] Application& app() { return app_; }
    [[nodiscard]] HeadlessBackend& backend() { return backend_; }
    [[nodiscard]] Form& form(std::string_view name);

    // Moves the clock on, delivering every timer tick due on the way, each
    // at its exact moment and in order.
    void advance(std::int64_t milliseconds) { advanceMicros(milliseconds * 1000); }
    // The same in microseconds, for input between the ticks of a millisecond.
    void advanceMicros(std::int64_t microseconds);
    [[nodiscard]] std::int64_t elapsedMilliseconds() { return backend_.monotonicMicros() / 1000; }

    // Mouse input at a point of a window, in twips.
    void press(std::string_view form, Point twips, int button = LeftButton, int shift = NoShift);
    void release(std::string_view form, Point twips, int button = LeftButton, int shift = NoShift);
    void move(std::string_view form, Point twips, int buttons = 0);
    void click(std::string_view form, Point twips, int button = LeftButton);
    // A click at the centre of a control's rectangle: it reaches whatever
    // lies in front there, as a real click would.
    void clickAt(std::string_view form, std::string_view control);
    // A click on a button widget (buttons are always in front).
    void clickButton(std::string_view form, std::string_view button);
    void moveOverButton(std::string_view form, std::string_view button);
    // A key press. Keys the runtime does not take go to the focused text
    // box, which edits its text as a real one would.
    void pressKey(std::string_view form, KeyEvent key);
    void typeText(std::string_view form, std::string_view text);

private:
    HeadlessBackend& backend_;
    Application& app_;
};

}  // namespace forms::headless
