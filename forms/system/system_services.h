#pragma once

#include <string>

#include "forms/system/registry.h"

namespace forms {

// How the window of a started program first shows.
enum class StartedWindow : int {
    Hidden = 0,
    NormalFocus = 1,
    MinimizedFocus = 2,
    MaximizedFocus = 3
};

// What the logic needs from the operating system beyond windows: starting
// another program, finding a file and reading the registry. Each system has
// its own implementation; tests use fakes.
class SystemServices {
public:
    virtual ~SystemServices() = default;

    // Starts the program at `path` (one argument, never through a command
    // interpreter, never searched for) and returns its process id. A path
    // that leads to no program raises the "file not found" run-time error; a
    // program that is there but cannot be started, "path/file access error".
    virtual double shell(const std::string& path, StartedWindow style) = 0;

    // The file name (without its folder) of the first normal file that
    // `path` names, or empty text when there is none. `attributes` 0 asks
    // for normal files only.
    virtual std::string findFile(const std::string& path, int attributes) = 0;

    // The system's registry, read through the Windows ANSI call semantics.
    virtual Registry& registry() = 0;
};

}  // namespace forms
