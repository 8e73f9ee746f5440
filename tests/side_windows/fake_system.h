#pragma once

#include <set>
#include <string>
#include <vector>

#include "forms/runtime_error.h"
#include "forms/system/memory_registry.h"
#include "forms/system/system_services.h"

namespace klonkatron::testing {

// A system whose registry, files and programs the test sets up, and which
// remembers what was asked of it.
class FakeSystem : public forms::SystemServices {
public:
    double shell(const std::string& path, forms::StartedWindow style) override {
        started.push_back(path);
        styles.push_back(style);
        if (programs.count(path) == 0) throw forms::RuntimeError(forms::RuntimeError::FileNotFound);
        return 4242;
    }
    std::string findFile(const std::string& path, int attributes) override {
        searched.push_back(path);
        if (attributes != 0 || normalFiles.count(path) == 0) return {};
        return path.substr(path.rfind('\\') + 1);
    }
    forms::Registry& registry() override { return memory; }

    forms::MemoryRegistry memory;
    std::set<std::string> normalFiles;  // full paths
    std::set<std::string> programs;     // paths that start
    std::vector<std::string> started;   // every start asked for
    std::vector<forms::StartedWindow> styles;
    std::vector<std::string> searched;  // every find asked for
};

// A registry value's bytes exactly as given: no terminating zero is added.
inline std::vector<std::uint8_t> raw(const std::string& bytes) {
    return {bytes.begin(), bytes.end()};
}
// Text as Windows stores it, with its terminating zero.
inline std::vector<std::uint8_t> sz(const std::string& text) { return raw(text + '\0'); }

}  // namespace klonkatron::testing
