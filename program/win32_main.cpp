// Klonkatron.exe: the program starts with its first window; everything else
// is event handlers of the windows.
#include <windows.h>

#include "program/win32_program.h"

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
    klonkatron::prepareWin32Process();
    klonkatron::Win32Program program;
    return program.run();
}
