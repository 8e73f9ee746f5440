#pragma once

#ifdef _WIN32

#include "forms/system/handle_table.h"
#include "forms/system/system_services.h"

namespace forms {

// The registry functions of advapi32. The handles given out are numbers of
// this object's own, each standing for an open HKEY.
class WindowsRegistry : public Registry {
public:
    WindowsRegistry() = default;
    ~WindowsRegistry() override;
    WindowsRegistry(const WindowsRegistry&) = delete;
    WindowsRegistry& operator=(const WindowsRegistry&) = delete;

    std::int32_t openKey(Key root, const std::string& subKey, std::uint32_t options,
                         std::uint32_t access, Key& opened) override;
    std::int32_t queryValue(Key key, const std::string& valueName, std::uint32_t& type,
                            std::span<std::uint8_t> data, std::uint32_t& size) override;
    std::int32_t closeKey(Key key) override;

private:
    HandleTable<void*> open_;  // handle -> HKEY
};

// Programs, files and the registry of Windows.
class WindowsSystem : public SystemServices {
public:
    // CreateProcess with the path as the program's name, so that it is
    // neither searched for nor read by a command interpreter.
    double shell(const std::string& path, StartedWindow style) override;
    // FindFirstFile and FindNextFile: the first match that is a normal
    // file; hidden, system and folder entries only where asked for.
    std::string findFile(const std::string& path, int attributes) override;
    Registry& registry() override { return registry_; }

private:
    WindowsRegistry registry_;
};

}  // namespace forms

#endif  // _WIN32
