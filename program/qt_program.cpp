#include "program/qt_program.h"

#include "forms/system/native_system.h"
#include "program/game_windows.h"

namespace klonkatron {

QtProgram::QtProgram()
    : system_(forms::makeNativeSystem()), app_(backend_, *system_, kProgramTitle) {
    backend_.attach(app_);
    registerWindows(app_);
}

int QtProgram::run() {
    app_.show(kStartupWindow);
    return backend_.run();
}

}  // namespace klonkatron
