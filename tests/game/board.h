#pragma once

#include <gtest/gtest.h>

#include <stdexcept>
#include <string>
#include <vector>

#include "designs/form1_design.h"
#include "designs/window_names.h"
#include "game/form1.h"
#include "program/headless_program.h"

namespace klonkatron::testing {

// The board's pointer: the raised or the lowered hammer, or the window's
// initial pointer object.
enum class Hammer { Raised, Lowered, Initial };

// The game's windows on the headless runtime, with the board open as the
// program opens it.
class Board : public ::testing::Test {
protected:
    Board() { runtime.app().show(window::kBoard); }

    [[nodiscard]] Form1& board() { return dynamic_cast<Form1&>(runtime.form(window::kBoard)); }
    [[nodiscard]] forms::Label& label(std::string_view name) {
        return board().get<forms::Label>(name);
    }
    [[nodiscard]] forms::Image& image(std::string_view name) {
        return board().get<forms::Image>(name);
    }
    [[nodiscard]] forms::Timer& timer(std::string_view name) {
        return board().get<forms::Timer>(name);
    }
    [[nodiscard]] forms::CommandButton& button(std::string_view name) {
        return board().get<forms::CommandButton>(name);
    }

    void clickButton(std::string_view name) { runtime.clickButton(window::kBoard, name); }
    void advance(std::int64_t ms) { runtime.advance(ms); }

    // The places shown, by name, in place-number order.
    [[nodiscard]] std::vector<std::string> shownPlaces() {
        std::vector<std::string> shown;
        for (const auto& p : board().places())
            if (p.place.visible()) shown.push_back(p.place.name());
        return shown;
    }

    // Timer1 to Timer5, each on or off.
    [[nodiscard]] std::vector<bool> playTimers() {
        std::vector<bool> on;
        for (const char* name : {"Timer1", "Timer2", "Timer3", "Timer4", "Timer5"})
            on.push_back(timer(name).enabled());
        return on;
    }

    // Play stopped by the About button: the board uncovered, nothing moving.
    void stopUncovered() {
        clickButton("Command3");
        clickButton("Command2");
    }

    // Shows a computer at a place as the pop-up cycle would.
    forms::Image& showComputer(std::string_view name) {
        for (const auto& p : board().places()) {
            if (p.place.name() != name) continue;
            p.place.setPicture(p.computer.picture());
            p.place.setVisible(true);
            return p.place;
        }
        throw std::logic_error("no such place");
    }

    [[nodiscard]] Hammer hammer() {
        const auto handle = board().mouseIcon().handle();
        if (handle == image("upp").pictureHandle()) return Hammer::Raised;
        if (handle == image("ner").pictureHandle()) return Hammer::Lowered;
        return Hammer::Initial;
    }
    [[nodiscard]] int pointerChanges() {
        return runtime.backend().window(window::kBoard).pointerChanges;
    }

    [[nodiscard]] double score() { return label("score").number(); }

    static inline const std::vector<bool> kAllOn{true, true, true, true, true};
    static inline const std::vector<bool> kAllOff{false, false, false, false, false};

    HeadlessProgram program;
    forms::headless::TestDriver& runtime = program.driver();
};

}  // namespace klonkatron::testing
