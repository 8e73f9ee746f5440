#pragma once

#include "backends/win32/win32_backend.h"
#include "program/game_program.h"

namespace klonkatron {

// The game on the Win32 backend: Klonkatron.exe.
class Win32Program {
public:
    explicit Win32Program(SystemChoice system = SystemChoice::Native)
        : program_(backend_, system) {}

    [[nodiscard]] forms::Application& app() { return program_.app(); }
    int run() { return program_.run(); }

private:
    forms::win32::Win32Backend backend_;
    GameProgram program_;
};

}  // namespace klonkatron
