#include "startup/qt_program.h"

#include "platform/system/native_system.h"
#include "startup/windows.h"

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
