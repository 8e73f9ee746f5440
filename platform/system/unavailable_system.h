#pragma once

#include "platform/runtime_error.h"
#include "platform/system/system_services.h"

namespace forms {

// A system that can neither start programs nor find files: what a program
// has where no system layer is wired in.
class UnavailableSystem : public SystemServices {
public:
    double shell(const std::string&, WindowStyle) override {
        throw RuntimeError(RuntimeError::FileNotFound);
    }
    std::string findFile(const std::string&, int) override { return {}; }
};

}  // namespace forms
