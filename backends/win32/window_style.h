#pragma once

#include <windows.h>

#include "forms/form_design.h"

namespace forms::win32 {

// The frame a window's design asks for, as Win32 window styles.
struct WindowStyle {
    DWORD style = 0;
    DWORD exStyle = 0;
};

WindowStyle windowStyleOf(const FormDesign& design);

}  // namespace forms::win32
