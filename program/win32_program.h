#pragma once

#include <memory>

#include "backends/win32/win32_backend.h"
#include "forms/application.h"
#include "forms/system/system_services.h"

namespace klonkatron {

// The program as it runs on Windows: its windows on the Win32 backend with
// the services of Windows.
class Win32Program {
public:
    Win32Program();

    forms::Application& app() { return app_; }
    // Shows the first window and runs until the program ends.
    int run();

private:
    forms::win32::Win32Backend backend_;
    std::unique_ptr<forms::SystemServices> system_;
    forms::Application app_;
};

}  // namespace klonkatron
