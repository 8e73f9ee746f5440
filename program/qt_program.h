#pragma once

#include <memory>

#include "backends/qt/qt_backend.h"
#include "forms/application.h"
#include "forms/system/system_services.h"

namespace klonkatron {

// The program as it runs: its windows on the Qt backend with the services
// of the system it runs on. A QApplication must exist first.
class QtProgram {
public:
    QtProgram();

    forms::Application& app() { return app_; }
    // Shows the first window and runs until the program ends.
    int run();

private:
    forms::qt::QtBackend backend_;
    std::unique_ptr<forms::SystemServices> system_;
    forms::Application app_;
};

}  // namespace klonkatron
