#pragma once

#include "backends/win32/win32_backend.h"
#include "program/game_program.h"

namespace klonkatron {

// The game on the Win32 backend: Klonkatron.exe.
using Win32Program = ProgramOn<forms::win32::Win32Backend>;

}  // namespace klonkatron
