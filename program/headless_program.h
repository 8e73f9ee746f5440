#pragma once

#include "backends/headless/headless_backend.h"
#include "backends/headless/runtime.h"
#include "program/game_program.h"

namespace klonkatron {

// The game on the headless backend, driven by a test or a simulation
// through its runtime. Nothing is shown until `start`.
class HeadlessProgram {
public:
    explicit HeadlessProgram(SystemChoice system = SystemChoice::Unavailable)
        : program_(backend_, system) {}
    explicit HeadlessProgram(forms::SystemServices& system) : program_(backend_, system) {}

    [[nodiscard]] forms::headless::Runtime& runtime() { return runtime_; }
    [[nodiscard]] forms::Application& app() { return program_.app(); }
    [[nodiscard]] forms::headless::HeadlessBackend& backend() { return backend_; }
    void start() { program_.start(); }

private:
    forms::headless::HeadlessBackend backend_;
    GameProgram program_;
    forms::headless::Runtime runtime_{backend_, program_.app()};
};

}  // namespace klonkatron
