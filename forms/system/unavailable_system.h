#pragma once

#include "forms/runtime_error.h"
#include "forms/system/memory_registry.h"
#include "forms/system/system_services.h"

namespace forms {

// A system that can neither start programs nor find files and whose registry
// is empty: what a program has where no system layer is wired in.
class UnavailableSystem : public SystemServices {
public:
    double shell(const std::string&, StartedWindow) override {
        throw RuntimeError(RuntimeError::FileNotFound);
    }
    std::string findFile(const std::string&, int) override { return {}; }
    Registry& registry() override { return registry_; }

private:
    MemoryRegistry registry_;
};

}  // namespace forms
