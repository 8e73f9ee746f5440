#include "program/game_program.h"

#include "forms/system/native_system.h"
#include "forms/system/unavailable_system.h"
#include "program/game_windows.h"

namespace klonkatron {
namespace {

std::unique_ptr<forms::SystemServices> makeSystem(SystemChoice choice) {
    if (choice == SystemChoice::Native) return forms::makeNativeSystem();
    return std::make_unique<forms::UnavailableSystem>();
}

}  // namespace

GameProgram::GameProgram(forms::Backend& backend, SystemChoice system)
    : system_(makeSystem(system)), app_(backend, *system_, kProgramTitle) {
    registerWindows(app_);
}

int GameProgram::run() {
    app_.show(kStartupWindow);
    return app_.run();
}

}  // namespace klonkatron
