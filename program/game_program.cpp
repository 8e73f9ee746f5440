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
    : ownSystem_(makeSystem(system)), app_(backend, *ownSystem_, kProgramTitle) {
    registerWindows(app_);
}

GameProgram::GameProgram(forms::Backend& backend, forms::SystemServices& system)
    : app_(backend, system, kProgramTitle) {
    registerWindows(app_);
}

void GameProgram::start() { app_.show(kStartupWindow); }

int GameProgram::run() {
    start();
    return app_.run();
}

}  // namespace klonkatron
