// Klonkatron.exe: the program starts with its first window; everything else
// is event handlers of the windows.
#include <windows.h>
// After windows.h:
#include <commctrl.h>

#include "program/win32_program.h"

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
    // The controls of version 6, as the manifest asks for them.
    const INITCOMMONCONTROLSEX controls{sizeof(INITCOMMONCONTROLSEX), ICC_STANDARD_CLASSES};
    InitCommonControlsEx(&controls);
    // The program scales itself (the manifest says so too); a system that
    // set the awareness already refuses, which is as good.
    SetProcessDpiAwarenessContext(DPI_AWARENESS_CONTEXT_PER_MONITOR_AWARE_V2);
    klonkatron::Win32Program program;
    return program.run();
}
