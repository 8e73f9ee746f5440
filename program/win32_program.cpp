#include "program/win32_program.h"

#include "forms/system/native_system.h"
#include "program/game_windows.h"

namespace klonkatron {

Win32Program::Win32Program()
    : system_(forms::makeNativeSystem()), app_(backend_, *system_, kProgramTitle) {
    backend_.attach(app_);
    registerWindows(app_);
}

int Win32Program::run() {
    app_.show(kStartupWindow);
    return backend_.run();
}

}  // namespace klonkatron
