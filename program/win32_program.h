#pragma once

#include <windows.h>
// After windows.h:
#include <commctrl.h>

#include "backends/win32/win32_backend.h"
#include "program/game_program.h"

namespace klonkatron {

// The game on the Win32 backend: Klonkatron.exe.
using Win32Program = ProgramOn<forms::win32::Win32Backend>;

// Prepares the process before its first window, as Klonkatron.exe runs: the
// controls of version 6, as the manifest asks for them, and the program
// scaling itself (the manifest says so too; a system that set the awareness
// already refuses, which is as good).
inline void prepareWin32Process() {
    const INITCOMMONCONTROLSEX controls{sizeof(INITCOMMONCONTROLSEX), ICC_STANDARD_CLASSES};
    InitCommonControlsEx(&controls);
    SetProcessDpiAwarenessContext(DPI_AWARENESS_CONTEXT_PER_MONITOR_AWARE_V2);
}

}  // namespace klonkatron
