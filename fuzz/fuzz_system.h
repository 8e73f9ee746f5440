#pragma once

#include <map>
#include <optional>
#include <string>
#include <vector>

#include "forms/runtime_error.h"
#include "forms/system/memory_registry.h"
#include "forms/system/posix_system.h"

namespace klonkatron::fuzz {

// The in-memory registry, except that a successful read may report a size
// of its own: a registry outside the program need not tell the truth.
class ReportingRegistry : public forms::Registry {
public:
    forms::MemoryRegistry memory;
    std::map<std::string, std::uint32_t> reportedSizes;  // by value name

    std::int32_t openKey(Key root, const std::string& subKey, std::uint32_t options,
                         std::uint32_t access, Key& opened) override {
        return memory.openKey(root, subKey, options, access, opened);
    }
    std::int32_t queryValue(Key key, const std::string& valueName, std::uint32_t& type,
                            std::span<std::uint8_t> data, std::uint32_t& size) override {
        const std::int32_t result = memory.queryValue(key, valueName, type, data, size);
        const auto reported = reportedSizes.find(valueName);
        if (result == forms::reg::kErrorSuccess && reported != reportedSizes.end()) {
            size = reported->second;
        }
        return result;
    }
    std::int32_t closeKey(Key key) override { return memory.closeKey(key); }
};

// The system around the About window: programs are never really started,
// only recorded; files are looked for on the real system (that only reads),
// and the tool may be declared present in its folder.
class FuzzSystem : public forms::SystemServices {
public:
    static constexpr const char* kToolName = "MSINFO32.EXE";

    double shell(const std::string& path, forms::StartedWindow /*style*/) override {
        started.push_back(path);
        if (!startSucceeds) throw forms::RuntimeError(forms::RuntimeError::FileNotFound);
        return 4242;
    }
    std::string findFile(const std::string& path, int attributes) override {
        std::string found = real_.findFile(path, attributes);
        const std::string suffix = std::string("\\") + kToolName;
        if (toolInFolder && path.size() >= suffix.size() &&
            path.compare(path.size() - suffix.size(), suffix.size(), suffix) == 0) {
            found = kToolName;
        }
        searched.push_back(path);
        lastFound = found;
        return found;
    }
    forms::Registry& registry() override { return registry_; }

    ReportingRegistry& reporting() { return registry_; }

    bool toolInFolder = false;
    bool startSucceeds = false;
    std::vector<std::string> started;
    std::vector<std::string> searched;
    std::string lastFound;

private:
    ReportingRegistry registry_;
    forms::PosixSystem real_;
};

}  // namespace klonkatron::fuzz
