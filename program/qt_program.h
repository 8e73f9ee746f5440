#pragma once

#include "backends/qt/qt_backend.h"
#include "program/game_program.h"

namespace klonkatron {

// The game on the Qt backend. A QApplication must exist first.
class QtProgram {
public:
    explicit QtProgram(SystemChoice system = SystemChoice::Native) : program_(backend_, system) {}

    [[nodiscard]] forms::Application& app() { return program_.app(); }
    [[nodiscard]] forms::qt::QtBackend& backend() { return backend_; }
    int run() { return program_.run(); }

private:
    forms::qt::QtBackend backend_;
    GameProgram program_;
};

}  // namespace klonkatron
