#pragma once

#include "forms/system/posix_registry.h"
#include "forms/system/system_services.h"

namespace forms {

// Programs, files and the registry on Linux and other POSIX systems.
class PosixSystem : public SystemServices {
public:
    // Starts the program at `path` with posix_spawn: the path is the program
    // and its only argument, no command interpreter sees it and PATH is not
    // searched. The program runs in a process group of its own with the
    // usual signal dispositions; its exit is waited for on a thread of its
    // own, so it leaves no zombie. The window style has no meaning here.
    double shell(const std::string& path, StartedWindow style) override;

    // The name of the normal file that `path` names, following symbolic
    // links, or empty text; "\" separates folders as "/" does. Names are
    // matched exactly: no wildcards, and only normal files are found.
    std::string findFile(const std::string& path, int attributes) override;

    Registry& registry() override { return registry_; }

private:
    PosixRegistry registry_;
};

}  // namespace forms
