#pragma once

#include "backends/headless/headless_backend.h"
#include "backends/headless/test_driver.h"
#include "program/game_program.h"

namespace klonkatron {

// The game on the headless backend, driven by a test or a simulation
// through its test driver, without the system's services unless given some.
// Nothing is shown until `start`.
class HeadlessProgram : public ProgramOn<forms::headless::HeadlessBackend> {
public:
    explicit HeadlessProgram(SystemChoice system = SystemChoice::Unavailable) : ProgramOn(system) {}
    explicit HeadlessProgram(forms::SystemServices& system) : ProgramOn(system) {}

    [[nodiscard]] forms::headless::TestDriver& driver() { return driver_; }

private:
    forms::headless::TestDriver driver_{backend(), app()};
};

}  // namespace klonkatron
