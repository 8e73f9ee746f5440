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

// The game's windows, whose logic keeps every state in their properties, so
// that timers whose ticks would change nothing may rest.
void setUp(forms::Application& app) {
    registerWindows(app);
    app.setQuietTicks(true);
}

}  // namespace

GameProgram::GameProgram(forms::Backend& backend, SystemChoice system)
    : ownSystem_(makeSystem(system)), app_(backend, *ownSystem_, kProgramTitle) {
    setUp(app_);
}

GameProgram::GameProgram(forms::Backend& backend, forms::SystemServices& system)
    : app_(backend, system, kProgramTitle) {
    setUp(app_);
}

void GameProgram::start() { app_.show(kStartupWindow); }

int GameProgram::run() {
    start();
    return app_.run();
}

}  // namespace klonkatron
