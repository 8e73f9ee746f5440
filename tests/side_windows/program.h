#pragma once

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "designs/window_names.h"
#include "program/headless_program.h"
#include "tests/side_windows/fake_system.h"

namespace klonkatron::testing {

// The whole program on the headless runtime, started as main() starts it:
// with the splash window and nothing else.
class Program : public ::testing::Test {
protected:
    Program() { program.start(); }

    forms::Application& app() { return runtime.app(); }
    forms::Form& form(std::string_view name) { return runtime.form(name); }
    template <class T>
    T& control(std::string_view window, std::string_view name) {
        return form(window).get<T>(name);
    }
    forms::Timer& boardTimer(std::string_view name) {
        return control<forms::Timer>(window::kBoard, name);
    }
    bool isLoaded(std::string_view name) { return app().isLoaded(name); }

    // "&Ok!" on the splash: the board opens in its Welcome state.
    void openBoard() { runtime.clickButton(window::kSplash, "Command1"); }

    // Timer1 to Timer5 of the board, each on or off.
    std::vector<bool> playTimers() {
        std::vector<bool> on;
        for (const char* name : {"Timer1", "Timer2", "Timer3", "Timer4", "Timer5"})
            on.push_back(boardTimer(name).enabled());
        return on;
    }
    static inline const std::vector<bool> kAllOff{false, false, false, false, false};
    static inline const std::vector<bool> kAllOn{true, true, true, true, true};
    static inline const std::vector<bool> kPopUpOnly{true, true, true, true, false};

    static forms::KeyEvent key(int code, char32_t character) { return {code, character}; }

    FakeSystem system;
    HeadlessProgram program{system};
    forms::headless::TestDriver& runtime = program.driver();
};

}  // namespace klonkatron::testing
