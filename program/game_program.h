#pragma once

#include <memory>

#include "forms/application.h"
#include "forms/backend.h"
#include "forms/system/system_services.h"

namespace klonkatron {

// The services of the operating system a program gets: those of the system
// it runs on, or none (tools and tests that must not touch the machine).
enum class SystemChoice { Native, Unavailable };

// The game as it runs on any backend: its windows registered, with quiet
// ticks (its logic keeps all state in the windows), the system's services
// chosen, the board the main window. Every program, tool,
// benchmark and window test builds it this way; the backend is the
// caller's and outlives it.
class GameProgram {
public:
    GameProgram(forms::Backend& backend, SystemChoice system);
    // With services the caller keeps, such as a test's scripted system.
    GameProgram(forms::Backend& backend, forms::SystemServices& system);

    [[nodiscard]] forms::Application& app() { return app_; }
    // Shows the first window.
    void start();
    // Starts and runs the backend's event loop until the program ends;
    // returns its exit code.
    int run();

private:
    std::unique_ptr<forms::SystemServices> ownSystem_;
    forms::Application app_;
};

// The game together with the backend it runs on, for the programs of each
// backend (QtProgram, Win32Program, HeadlessProgram).
template <class GameBackend>
class ProgramOn {
public:
    explicit ProgramOn(SystemChoice system = SystemChoice::Native) : program_(backend_, system) {}
    explicit ProgramOn(forms::SystemServices& system) : program_(backend_, system) {}

    [[nodiscard]] forms::Application& app() { return program_.app(); }
    [[nodiscard]] GameBackend& backend() { return backend_; }
    void start() { program_.start(); }
    int run() { return program_.run(); }

private:
    GameBackend backend_;
    GameProgram program_;
};

}  // namespace klonkatron
