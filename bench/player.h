#pragma once

#include <functional>
#include <string_view>

#include "forms/application.h"
#include "game/form1.h"

namespace bench {

// A player who strikes computers with the mouse as the runtime receives it
// from any backend: a press and a release at the middle of a shown place.
class Player {
public:
    explicit Player(forms::Application& app) : app_(app) {}

    // The board, as loaded by the program.
    [[nodiscard]] klonkatron::Form1& board() const;
    [[nodiscard]] int level() const;
    // Strikes the first shown place once; false when none is shown.
    bool strikeShownPlace();
    // Strikes shown computers until the level check has raised the level to
    // `level`; after each strike `letTimeRun(scored)` lets play go on: until
    // the check has run again when the strike scored, else until the board
    // changes on its own.
    void raiseTo(int level, const std::function<void(bool scored)>& letTimeRun);
    // Presses a button of a window as a click would.
    void click(std::string_view form, std::string_view button);

private:
    forms::Application& app_;
};

}  // namespace bench
