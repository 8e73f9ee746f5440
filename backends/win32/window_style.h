#pragma once

#include <windows.h>

#include "forms/window_frame.h"

namespace forms::win32 {

// A window frame as Win32 window styles.
struct WindowStyle {
    DWORD style = 0;
    DWORD exStyle = 0;
};

WindowStyle windowStyleOf(const WindowFrame& frame);

}  // namespace forms::win32
