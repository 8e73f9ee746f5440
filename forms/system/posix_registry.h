#pragma once

#include <string>
#include <vector>

#include "forms/system/memory_registry.h"

namespace forms {

// The registry of a POSIX desktop: read only, and holding one value, the
// one Windows keeps for its system-information tool. "PATH" under
// HKEY_LOCAL_MACHINE\SOFTWARE\Microsoft\Shared Tools\MSINFO is the absolute
// path of the first of `tools` installed as an executable in one of
// `folders`, stored with its terminating zero; with none installed the key
// does not exist. It is looked up afresh at every open, so a tool installed
// while the program runs is found.
class PosixRegistry : public Registry {
public:
    // Looked for in this order: hardinfo, hardinfo2, kinfocenter,
    // gnome-system-monitor.
    static std::vector<std::string> defaultTools();
    // The absolute folders of PATH in its order (relative entries are
    // skipped), or /usr/local/bin, /usr/bin and /bin where PATH is not set.
    static std::vector<std::string> searchFolders();

    explicit PosixRegistry(std::vector<std::string> tools = defaultTools(),
                           std::vector<std::string> folders = searchFolders());

    // The path offered, or empty text when no tool is installed.
    [[nodiscard]] std::string installedTool() const;

    std::int32_t openKey(Key root, const std::string& subKey, std::uint32_t options,
                         std::uint32_t access, Key& opened) override;
    std::int32_t queryValue(Key key, const std::string& valueName, std::uint32_t& type,
                            std::span<std::uint8_t> data, std::uint32_t& size) override {
        return memory_.queryValue(key, valueName, type, data, size);
    }
    std::int32_t closeKey(Key key) override { return memory_.closeKey(key); }

private:
    std::vector<std::string> tools_;
    std::vector<std::string> folders_;
    MemoryRegistry memory_;
};

}  // namespace forms
