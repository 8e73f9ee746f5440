#pragma once

#include "backends/qt/qt_backend.h"
#include "program/game_program.h"

namespace klonkatron {

// The game on the Qt backend. A QApplication must exist first.
using QtProgram = ProgramOn<forms::qt::QtBackend>;

}  // namespace klonkatron
